#include "KrfWriter.h"

#include "ReplacementFile.h"

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

    drev::ReplacementFile file(path);
    file.Write(head.data(), head.size());
    file.Write(font.sheet.get(), sheetBytes);
    if (!file.Commit()) {
        error = "cannot write \"" + path + "\": " + file.Reason();
        return false;
    }
    return true;
}
