// Reading a KORU font file (.krf, laid out in uiFontFileLayout.h) with every check the toolkit
// makes: the header, then the character table, then the sheet, stopping at the first defect
// with its one message. The texture font reads its files through it, and krfmake's --info
// does too, so both judge a file by the same rules and in the same words.
//
// Read fills the object once; the caller reports a failure (the font to the application log,
// krfmake on standard error). The object owns the table and the sheet until it goes away.
// It uses neither GL nor the log.
#pragma once

#include "uiFontFileLayout.h"

#include <cstddef>
#include <iosfwd>
#include <memory>
#include <string>

class uiFontFileReader {
public:
    // Reads from the stream's position; nothing after the sheet is read. fileName serves only
    // the message. False when a part is missing or cut short, or its buffer can't be had.
    bool Read(std::istream& in, const std::string& fileName);

    // Whether the header was whole and began with the magic; its fields stay valid when a
    // later part failed.
    bool HasHeader() const { return hasHeader; }
    const uiFontFileHeader& Header() const { return header; }
    // The name the toolkit shows the font by: the header's name, then " <size> <W>x<H>".
    std::string DisplayName() const;

    // The table's entries, in file order; none until the whole table was read.
    size_t EntryCount() const { return table ? header.glyphCount : 0; }
    // index < EntryCount().
    uiFontFileEntry Entry(size_t index) const;
    // W x H bytes of coverage, top row first; null until the whole sheet was read.
    const unsigned char* Sheet() const { return sheet.get(); }

    // The message of the failure, naming the file; empty after a whole read.
    const std::string& Message() const { return message; }

private:
    bool Fail(const std::string& text, const std::string& fileName);

    bool hasHeader = false;
    uiFontFileHeader header;
    std::unique_ptr<unsigned char[]> table;
    std::unique_ptr<unsigned char[]> sheet;
    std::string message;
};
