#include "LspDocument.h"

#include <cstdio>

using nlohmann::json;

namespace {

const char* const FILE_SCHEME = "file://";

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if ((c | 0x20) >= 'a' && (c | 0x20) <= 'f') {
        return (c | 0x20) - 'a' + 10;
    }
    return -1;
}

bool IsUnreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~' || c == '/';
}

json Position(const TextPosition& position) {
    return json{{"line", position.line}, {"character", position.character}};
}

} // namespace

std::string PathFromUri(const std::string& uri) {
    const size_t schemeLength = std::char_traits<char>::length(FILE_SCHEME);
    if (uri.compare(0, schemeLength, FILE_SCHEME) != 0) {
        return uri;
    }
    std::string path;
    for (size_t at = schemeLength; at < uri.size(); ++at) {
        if (uri[at] == '%' && at + 2 < uri.size() && HexValue(uri[at + 1]) >= 0 &&
            HexValue(uri[at + 2]) >= 0) {
            path += static_cast<char>(HexValue(uri[at + 1]) * 16 + HexValue(uri[at + 2]));
            at += 2;
        } else {
            path += uri[at];
        }
    }
    return path;
}

std::string UriFromPath(const std::string& path) {
    std::string uri = FILE_SCHEME;
    for (const char c : path) {
        if (IsUnreserved(static_cast<unsigned char>(c))) {
            uri += c;
        } else {
            char escape[4];
            std::snprintf(escape, sizeof escape, "%%%02X",
                          static_cast<unsigned>(static_cast<unsigned char>(c)));
            uri += escape;
        }
    }
    return uri;
}

bool ReadPosition(const json* value, TextPosition& position) {
    if (value == nullptr || !value->is_object()) {
        return false;
    }
    const auto line = value->find("line");
    const auto character = value->find("character");
    if (line == value->end() || character == value->end() || !line->is_number_integer() ||
        !character->is_number_integer()) {
        return false;
    }
    position = TextPosition{line->get<int>(), character->get<int>()};
    return true;
}

LspDocument::LspDocument(std::string documentUri, std::string text, bool utf8Columns)
    : uri(std::move(documentUri)), fileName(PathFromUri(uri)), tree(std::move(text)),
      positions(tree.Text(), utf8Columns) {}

json LspDocument::Range(size_t from, size_t to) const {
    return json{{"start", Position(positions.At(from))}, {"end", Position(positions.At(to))}};
}

json LspDocument::TokenRange(size_t first, size_t last) const {
    const std::vector<UiToken>& tokens = tree.Tokens();
    return Range(tokens[first].offset, tokens[last].End());
}

bool LspDocument::Offset(const json* position, size_t& offset) const {
    TextPosition place;
    if (!ReadPosition(position, place)) {
        return false;
    }
    offset = positions.Offset(place);
    return true;
}
