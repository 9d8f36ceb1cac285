// The messages a language server's client sends, cut out of its bytes as they arrive: each is a
// header of "Name: value" lines ended by an empty line ("\r\n\r\n"), then a body of exactly
// Content-Length bytes. Bytes may come in any pieces; several messages may come in one.
//
// A header without a usable Content-Length (none, not a number, more than MAX_BODY_SIZE, or no
// empty line within MAX_HEADER_SIZE bytes) is reported once, and the reader then skips to the
// next "Content-Length:" in any case, as header names are read, so that one bad message does not
// take the ones after it along.
#pragma once

#include <cstddef>
#include <string>

class LspMessageReader {
public:
    static constexpr size_t MAX_HEADER_SIZE = 8192;
    static constexpr size_t MAX_BODY_SIZE = 64u << 20;

    enum class Result { NeedMore, Message, BadHeader };

    void Feed(const char* bytes, size_t size);
    // The next message's body, or why a header was refused; NeedMore until more bytes are fed.
    Result Next(std::string& body, std::string& problem);

private:
    // The body's length from a header, or false with the reason.
    static bool ContentLength(const std::string& header, size_t& length, std::string& problem);
    Result Refuse(size_t skipTo, const std::string& reason, std::string& problem);

    std::string buffer;
    bool skipping = false;
};
