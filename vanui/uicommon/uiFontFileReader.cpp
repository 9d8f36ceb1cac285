#include "uiFontFileReader.h"

#include <cstdint>
#include <istream>
#include <new>

namespace {

// The bytes between the read position and the end of the stream, or SIZE_MAX when the stream
// can't tell (it is then read and found short or not).
size_t RemainingBytes(std::istream& in) {
    const std::streampos here = in.tellg();
    if (here == std::streampos(-1)) {
        return SIZE_MAX;
    }
    in.seekg(0, std::ios::end);
    const std::streampos end = in.tellg();
    in.seekg(here);
    if (end == std::streampos(-1) || end < here) {
        return SIZE_MAX;
    }
    return static_cast<size_t>(end - here);
}

enum class BlockRead { OK, NO_MEMORY, SHORT };

// Reads size bytes into a fresh buffer. Sizes come from the header, so a stream known to hold
// fewer bytes is refused before anything is allocated: a header that claims a 4 GB sheet
// costs no memory.
BlockRead ReadBlock(std::istream& in, size_t size, std::unique_ptr<unsigned char[]>& block) {
    if (RemainingBytes(in) < size) {
        return BlockRead::SHORT;
    }
    block.reset(new (std::nothrow) unsigned char[size]);
    if (!block) {
        return BlockRead::NO_MEMORY;
    }
    in.read(reinterpret_cast<char*>(block.get()), static_cast<std::streamsize>(size));
    if (static_cast<size_t>(in.gcount()) != size) {
        block.reset();
        return BlockRead::SHORT;
    }
    return BlockRead::OK;
}

} // namespace

bool uiFontFileReader::Read(std::istream& in, const std::string& fileName) {
    unsigned char bytes[uiFontFileLayout::HEADER_SIZE];
    in.read(reinterpret_cast<char*>(bytes), sizeof bytes);
    if (static_cast<size_t>(in.gcount()) != sizeof bytes || !uiFontFileLayout::HasMagic(bytes)) {
        return Fail("Wrong data in KORU font file [", fileName);
    }
    header = uiFontFileLayout::DecodeHeader(bytes);
    hasHeader = true;

    switch (ReadBlock(in, uiFontFileLayout::TableBytes(header.glyphCount), table)) {
    case BlockRead::NO_MEMORY:
        return Fail("Impossible to allocate memory for char Table of uiFont[", fileName);
    case BlockRead::SHORT:
        return Fail("Wrong characterTable data in font file [", fileName);
    case BlockRead::OK:
        break;
    }

    switch (ReadBlock(in, uiFontFileLayout::SheetBytes(header.sheetWidth, header.sheetHeight), sheet)) {
    case BlockRead::NO_MEMORY:
        return Fail("Impossible to allocate memory for image of uiFont[", fileName);
    case BlockRead::SHORT:
        return Fail("Wrong image data in font file [", fileName);
    case BlockRead::OK:
        break;
    }
    return true;
}

// Each message names the file in square brackets, after the text.
bool uiFontFileReader::Fail(const std::string& text, const std::string& fileName) {
    message = text + fileName + "]";
    return false;
}

std::string uiFontFileReader::DisplayName() const {
    return header.name + " " + std::to_string(header.size) + " " + std::to_string(header.sheetWidth) + "x" +
           std::to_string(header.sheetHeight);
}

uiFontFileEntry uiFontFileReader::Entry(size_t index) const {
    return uiFontFileLayout::DecodeEntry(table.get() + uiFontFileLayout::TableBytes(index));
}
