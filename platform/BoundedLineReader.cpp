#include "platform/BoundedLineReader.hpp"

#include <exception>
#include <iostream>

BoundedLineReader::BoundedLineReader(std::istream& in, std::string name, Limits limits)
    : in_(in), name_(std::move(name)), limits_(limits), budget_(limits.bytes), good_(in.good()) {}

bool BoundedLineReader::next() {
    if (!good_)
        return false;
    line_.clear();
    bool anything = false;
    bool cut = false;
    // The file buffer throws when reading fails (a folder, a device error): that ends the file.
    try {
        anything = readLine(cut);
    } catch (const std::exception&) {
        good_ = false;
    }
    while (!line_.empty() && line_.back() == '\r')
        line_.pop_back();
    if (cut)
        ignoreRest("has a line longer than " + std::to_string(limits_.lineLength) +
                   " characters; the rest of such lines was ignored");
    return anything;
}

bool BoundedLineReader::readLine(bool& cut) {
    std::streambuf& buffer = *in_.rdbuf();
    constexpr int end = std::char_traits<char>::eof();
    bool anything = false;
    for (;;) {
        if (budget_ == 0) {
            good_ = false;
            if (buffer.sgetc() != end)
                ignoreRest("is longer than " + std::to_string(limits_.bytes) +
                           " bytes; the rest was ignored");
            return anything;
        }
        const int c = buffer.sbumpc();
        if (c == end) {
            good_ = false;
            return anything;
        }
        --budget_;
        anything = true;
        if (c == '\n')
            return true;
        if (line_.size() < limits_.lineLength)
            line_.push_back(static_cast<char>(c));
        else
            cut = true;
    }
}

void BoundedLineReader::ignoreRest(const std::string& what) {
    if (reported_)
        return;
    reported_ = true;
    std::cerr << "Velmarch: " << name_ << ' ' << what << '\n';
}
