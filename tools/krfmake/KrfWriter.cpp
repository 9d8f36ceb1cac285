#include "KrfWriter.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

std::vector<unsigned char> HeaderAndTable(const BuiltFont& font) {
    namespace Layout = uiFontFileLayout;
    std::vector<unsigned char> bytes(Layout::HEADER_SIZE + Layout::TableBytes(font.entries.size()));
    uiFontFileHeader header = font.header;
    header.glyphCount = static_cast<std::uint16_t>(font.entries.size());
    Layout::EncodeHeader(header, bytes.data());
    for (std::size_t i = 0; i < font.entries.size(); ++i) {
        Layout::EncodeEntry(font.entries[i], bytes.data() + Layout::HEADER_SIZE + Layout::TableBytes(i));
    }
    return bytes;
}

} // namespace

bool WriteKrfFile(const std::string& path, const BuiltFont& font, std::string& error) {
    if (font.header.name.size() > uiFontFileLayout::MAX_NAME_LENGTH ||
        font.entries.size() > uiFontFileLayout::MAX_ENTRIES) {
        error = "font \"" + font.header.name + "\" does not fit the file header";
        return false;
    }
    const std::vector<unsigned char> head = HeaderAndTable(font);
    const std::size_t sheetBytes =
        uiFontFileLayout::SheetBytes(font.header.sheetWidth, font.header.sheetHeight);

    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        error = "cannot create \"" + path + "\": " + std::strerror(errno);
        return false;
    }
    const bool written = std::fwrite(head.data(), 1, head.size(), file) == head.size() &&
                         std::fwrite(font.sheet.get(), 1, sheetBytes, file) == sheetBytes;
    const int writeErrno = errno;
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        error = "cannot write \"" + path + "\": " + std::strerror(written ? errno : writeErrno);
        std::remove(path.c_str());
        return false;
    }
    return true;
}
