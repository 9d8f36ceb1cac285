#include "KrfWriter.h"

#include <algorithm>
#include <fstream>

namespace {

const size_t HEADER_SIZE = 256;
const size_t NAME_FIELD = 50;

void PutU16(std::string& bytes, size_t offset, uint16_t value) {
    bytes[offset] = static_cast<char>(value & 0xFF);
    bytes[offset + 1] = static_cast<char>(value >> 8);
}

void AppendU16(std::string& bytes, uint16_t value) {
    bytes.push_back(static_cast<char>(value & 0xFF));
    bytes.push_back(static_cast<char>(value >> 8));
}

} // namespace

std::vector<unsigned char> KrfPattern(size_t size) {
    std::vector<unsigned char> bytes(size);
    for (size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<unsigned char>(i * 7 + 3);
    }
    return bytes;
}

KrfFont KrfEveryCodeFont() {
    KrfFont font;
    font.width = 64;
    font.height = 32;
    for (uint16_t code = 0; code < 256; ++code) {
        font.entries.push_back({code, 1, 1, 8});
    }
    font.image = KrfPattern(font.width * font.height);
    return font;
}

std::string KrfBytes(const KrfFont& font) {
    std::string bytes(HEADER_SIZE, '\0');
    bytes.replace(0, std::min<size_t>(font.magic.size(), 5), font.magic.substr(0, 5));
    bytes.replace(6, std::min(font.name.size(), NAME_FIELD), font.name.substr(0, NAME_FIELD));
    bytes[56] = static_cast<char>(font.size);
    PutU16(bytes, 70, font.width);
    PutU16(bytes, 72, font.height);
    PutU16(bytes, 78, static_cast<uint16_t>(font.count < 0 ? font.entries.size() : font.count));
    PutU16(bytes, 80, font.lineHeight);
    PutU16(bytes, 82, font.nominalWidth);
    for (const KrfEntry& entry : font.entries) {
        AppendU16(bytes, entry.code);
        AppendU16(bytes, entry.x);
        AppendU16(bytes, entry.y);
        AppendU16(bytes, entry.w);
    }
    bytes.append(font.image.begin(), font.image.end());
    return bytes;
}

void WriteKrf(const std::string& path, const KrfFont& font, size_t length) {
    const std::string bytes = KrfBytes(font);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(std::min(length, bytes.size())));
}
