#include "LspMessageReader.h"

#include <algorithm>
#include <cstring>

namespace {

const char* const LENGTH_FIELD = "Content-Length";
const char* const HEADER_END = "\r\n\r\n";
const char* const LINE_END = "\r\n";

std::string Trim(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return std::string();
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Header names are ASCII; only their letters have a case.
bool SameCharIgnoringCase(char x, char y) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return lower(x) == lower(y);
}

bool SameNameIgnoringCase(const std::string& a, const char* b) {
    return a.size() == std::strlen(b) && std::equal(a.begin(), a.end(), b, SameCharIgnoringCase);
}

} // namespace

void LspMessageReader::Feed(const char* bytes, size_t size) {
    buffer.append(bytes, size);
}

LspMessageReader::Result LspMessageReader::Next(std::string& body, std::string& problem) {
    const std::string lengthField = std::string(LENGTH_FIELD) + ":";
    if (skipping) {
        const auto next = std::search(buffer.begin(), buffer.end(), lengthField.begin(), lengthField.end(),
                                      SameCharIgnoringCase);
        if (next == buffer.end()) {
            // Keep what could be the start of the field name.
            buffer.erase(0, buffer.size() - std::min(buffer.size(), lengthField.size() - 1));
            return Result::NeedMore;
        }
        buffer.erase(buffer.begin(), next);
        skipping = false;
    }
    const size_t headerEnd = buffer.find(HEADER_END);
    if (headerEnd == std::string::npos) {
        if (buffer.size() > MAX_HEADER_SIZE) {
            return Refuse(buffer.size(),
                          "no empty line ends the header within " + std::to_string(MAX_HEADER_SIZE) +
                              " bytes",
                          problem);
        }
        return Result::NeedMore;
    }
    const size_t bodyStart = headerEnd + std::strlen(HEADER_END);
    size_t length = 0;
    std::string reason;
    if (!ContentLength(buffer.substr(0, headerEnd), length, reason)) {
        return Refuse(bodyStart, reason, problem);
    }
    if (buffer.size() - bodyStart < length) {
        return Result::NeedMore;
    }
    body = buffer.substr(bodyStart, length);
    buffer.erase(0, bodyStart + length);
    return Result::Message;
}

LspMessageReader::Result LspMessageReader::Refuse(size_t skipTo, const std::string& reason,
                                                  std::string& problem) {
    problem = "bad message header: " + reason;
    buffer.erase(0, skipTo);
    skipping = true;
    return Result::BadHeader;
}

bool LspMessageReader::ContentLength(const std::string& header, size_t& length, std::string& problem) {
    size_t lineStart = 0;
    while (lineStart <= header.size()) {
        size_t lineEnd = header.find(LINE_END, lineStart);
        if (lineEnd == std::string::npos) {
            lineEnd = header.size();
        }
        const std::string line = header.substr(lineStart, lineEnd - lineStart);
        lineStart = lineEnd + std::strlen(LINE_END);
        const size_t colon = line.find(':');
        if (colon == std::string::npos || !SameNameIgnoringCase(Trim(line.substr(0, colon)), LENGTH_FIELD)) {
            continue;
        }
        const std::string digits = Trim(line.substr(colon + 1));
        if (digits.empty() || digits.size() > 10 ||
            digits.find_first_not_of("0123456789") != std::string::npos) {
            problem = std::string(LENGTH_FIELD) + " '" + digits + "' is not a number of bytes";
            return false;
        }
        length = 0;
        for (const char digit : digits) {
            length = length * 10 + static_cast<size_t>(digit - '0');
        }
        if (length > MAX_BODY_SIZE) {
            problem = std::string(LENGTH_FIELD) + " " + digits + " is more than " +
                      std::to_string(MAX_BODY_SIZE) + " bytes";
            return false;
        }
        return true;
    }
    problem = std::string("no ") + LENGTH_FIELD;
    return false;
}
