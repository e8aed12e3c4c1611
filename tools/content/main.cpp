// velmarch-content: paints every picture and synthesises every sound of the game.
//
//   velmarch-content OUT_DIR             writes Images/, Sounds/ and Music/ below OUT_DIR
//   velmarch-content --sheet FILE.png    writes the contact sheet of all pictures
//   velmarch-content --icons DIR         writes the desktop icon as DIR/SIZExSIZE/velmarch.png
//
// They may be given together. Only the generated files are written; nothing else in OUT_DIR
// (the player's data among it) is touched.

#include "tools/content/Audio.hpp"
#include "tools/content/Icon.hpp"
#include "tools/content/Pictures.hpp"
#include "tools/content/Sheet.hpp"

#include <filesystem>
#include <iostream>
#include <string>

namespace fs = std::filesystem;

namespace {
int usage() {
    std::cerr << "usage: velmarch-content [OUT_DIR] [--sheet FILE.png] [--icons DIR]\n";
    return 2;
}

bool ensureParent(const fs::path& file) {
    std::error_code ec;
    fs::create_directories(file.parent_path(), ec);
    if (ec)
        std::cerr << "velmarch-content: cannot create " << file.parent_path() << ": "
                  << ec.message() << "\n";
    return !ec;
}
} // namespace

int main(int argc, char** argv) {
    std::string outDir, sheetFile, iconDir;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--sheet" && i + 1 < argc)
            sheetFile = argv[++i];
        else if (arg == "--icons" && i + 1 < argc)
            iconDir = argv[++i];
        else if (!arg.empty() && arg[0] != '-' && outDir.empty())
            outDir = arg;
        else
            return usage();
    }
    if (outDir.empty() && sheetFile.empty() && iconDir.empty())
        return usage();

    bool ok = true;
    for (int size : {48, 128, 256}) {
        if (iconDir.empty())
            break;
        const std::string edge = std::to_string(size);
        const fs::path file = fs::path(iconDir) / (edge + "x" + edge) / "velmarch.png";
        ok = ensureParent(file) && paintIcon(size).toImage(false).saveToFile(file.string()) && ok;
    }
    if (outDir.empty() && sheetFile.empty())
        return ok ? 0 : 1;

    const std::vector<Picture> pictures = paintAllPictures();
    if (!outDir.empty()) {
        for (const Picture& pic : pictures) {
            const fs::path file = fs::path(outDir) / "Images" / pic.path;
            ok = ensureParent(file) && pic.canvas.toImage(pic.opaque).saveToFile(file.string()) &&
                 ok;
        }
        std::vector<SoundClip> clips = makeSoundEffects();
        clips.push_back(makeMusic());
        for (const SoundClip& clip : clips) {
            const fs::path file = fs::path(outDir) / clip.path;
            ok = ensureParent(file) && writeClip(clip, file.string()) && ok;
        }
    }
    if (!sheetFile.empty()) {
        const fs::path file(sheetFile);
        if (file.has_parent_path())
            ok = ensureParent(file) && ok;
        ok = makeContactSheet(pictures).toImage(true).saveToFile(sheetFile) && ok;
    }
    if (!ok) {
        std::cerr << "velmarch-content: some files could not be written\n";
        return 1;
    }
    return 0;
}
