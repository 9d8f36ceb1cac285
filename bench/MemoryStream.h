// An input stream over a block of memory that is read in place, not copied, so that timing a
// reader measures the reader and not a copy of its input.
#pragma once

#include <istream>
#include <streambuf>
#include <string>

class MemoryBuffer : public std::streambuf {
public:
    explicit MemoryBuffer(const std::string& text) {
        char* begin = const_cast<char*>(text.data());
        setg(begin, begin, begin + text.size());
    }
};

class MemoryStream : public std::istream {
public:
    explicit MemoryStream(const std::string& text) : std::istream(nullptr), buffer(text) { rdbuf(&buffer); }

private:
    MemoryBuffer buffer;
};
