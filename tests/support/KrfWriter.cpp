#include "KrfWriter.h"

#include <algorithm>
#include <fstream>

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
    namespace Layout = uiFontFileLayout;
    uiFontFileHeader header;
    header.name = font.name;
    header.size = font.size;
    header.sheetWidth = font.width;
    header.sheetHeight = font.height;
    header.glyphCount = static_cast<uint16_t>(font.count < 0 ? font.entries.size() : font.count);
    header.lineHeight = font.lineHeight;
    header.nominalWidth = font.nominalWidth;

    std::string bytes(Layout::HEADER_SIZE + Layout::TableBytes(font.entries.size()), '\0');
    unsigned char* data = reinterpret_cast<unsigned char*>(bytes.data());
    Layout::EncodeHeader(header, data);
    std::fill(data, data + Layout::MAGIC_LENGTH, 0);
    std::copy_n(font.magic.begin(), std::min(font.magic.size(), Layout::MAGIC_LENGTH), data);
    for (size_t i = 0; i < font.entries.size(); ++i) {
        Layout::EncodeEntry(font.entries[i], data + Layout::HEADER_SIZE + Layout::TableBytes(i));
    }
    bytes.append(font.image.begin(), font.image.end());
    return bytes;
}

void WriteKrf(const std::string& path, const KrfFont& font, size_t length) {
    const std::string bytes = KrfBytes(font);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(std::min(length, bytes.size())));
}
