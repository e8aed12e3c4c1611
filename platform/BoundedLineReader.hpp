#pragma once

#include <cstddef>
#include <istream>
#include <string>

// Reads text line by line the way std::getline does into one reused buffer, but within bounds:
// at most `bytes` bytes of the stream and at most `lineLength` characters of one line (the rest
// of a longer line is read past). A damaged file, a huge one or a link to an endless device thus
// reads in bounded time and memory. Where a bound ends the rest is ignored, and that is said once
// on standard error, naming the file. The end of the byte budget counts as the end of the file.
//
// A line ends at a line feed; carriage returns at its end are not part of it, so CR LF and LF
// both end a line, and a line read never ends in CR: written back with a line feed, it reads the
// same again.
class BoundedLineReader {
  public:
    struct Limits {
        std::size_t bytes;
        std::size_t lineLength;
    };

    BoundedLineReader(std::istream& in, std::string name, Limits limits);

    // True while a read may still find a line: the stream is good and no end was reached.
    bool good() const { return good_; }
    // Reads the next line into line(). A read that finds the end at once fails and leaves an
    // empty line; a read after a failed or a final one fails and leaves the buffer as it was.
    bool next();
    const std::string& line() const { return line_; }

    // Says on standard error what was ignored ("has more than 1000 records; the rest was
    // ignored"), once for the file: for the reader's own bounds and for callers that stop at a
    // bound of their own.
    void ignoreRest(const std::string& what);

  private:
    bool readLine(bool& cut);

    std::istream& in_;
    std::string name_;
    Limits limits_;
    std::size_t budget_;
    std::string line_;
    bool good_;
    bool reported_ = false;
};
