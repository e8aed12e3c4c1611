#include "tools/content/Sheet.hpp"

#include <algorithm>
#include <string>

namespace {
constexpr int columns = 7;
constexpr int cellW = 200, cellH = 190;
constexpr int imageW = 184, imageH = 148;
constexpr int margin = 12, header = 50;

std::string labelOf(const std::string& path) {
    std::string name = path.substr(path.find_last_of('/') + 1);
    name = name.substr(0, name.find_last_of('.'));
    return name;
}

void checkerboard(Canvas& c, float x0, float y0, float w, float h) {
    const Rgba a = rgb(92, 92, 96), b = rgb(120, 120, 124);
    for (int y = static_cast<int>(y0); y < static_cast<int>(y0 + h); ++y)
        for (int x = static_cast<int>(x0); x < static_cast<int>(x0 + w); ++x)
            c.set(x, y,
                  (((x - static_cast<int>(x0)) / 8 + (y - static_cast<int>(y0)) / 8) % 2) ? a : b);
}
} // namespace

Canvas makeContactSheet(const std::vector<Picture>& pictures) {
    const int rows = (static_cast<int>(pictures.size()) + columns - 1) / columns;
    Canvas sheet(columns * cellW + 2 * margin, header + rows * cellH + margin, rgb(34, 36, 34));
    paint::bitmapText(sheet, "VELMARCH - GENERATED PICTURES", margin, 14, 3, rgb(220, 200, 120));
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const Picture& pic = pictures[i];
        const int col = static_cast<int>(i) % columns, row = static_cast<int>(i) / columns;
        const float cx = static_cast<float>(margin + col * cellW),
                    cy = static_cast<float>(header + row * cellH);
        const float pw = static_cast<float>(pic.canvas.width()),
                    ph = static_cast<float>(pic.canvas.height());
        // Shrink big pictures to fit; show small ones up to three times their size.
        const float scale = std::min(3.f, std::min(imageW / pw, imageH / ph));
        const float w = pw * scale, h = ph * scale;
        const float x = cx + (imageW - w) / 2 + 8, y = cy + (imageH - h) / 2 + 4;
        if (!pic.opaque)
            checkerboard(sheet, x, y, w, h);
        sheet.drawScaled(pic.canvas, x, y, w, h);
        std::string label = labelOf(pic.path);
        while (paint::bitmapTextWidth(label, 2) > cellW - 8)
            label.pop_back();
        paint::bitmapText(sheet, label, cx + (cellW - paint::bitmapTextWidth(label, 2)) / 2,
                          cy + imageH + 12, 2, rgb(235, 235, 225));
        const std::string folder = pic.path.substr(0, pic.path.find('/'));
        const std::string size = folder + "  " + std::to_string(pic.canvas.width()) + "x" +
                                 std::to_string(pic.canvas.height());
        paint::bitmapText(sheet, size, cx + (cellW - paint::bitmapTextWidth(size, 1)) / 2,
                          cy + imageH + 30, 1, rgb(160, 170, 150));
    }
    return sheet;
}
