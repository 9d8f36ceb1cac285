#include "FontInfo.h"

#include "ExitStatus.h"
#include "Preview.h"
#include "Utf8.h"
#include "uiFontFileReader.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <system_error>
#include <vector>

namespace {

constexpr std::size_t MAX_WARNINGS_OF_A_KIND = 10;
constexpr int COMMON_MAX_TEXTURE_SIZE = 16384;
constexpr std::uint32_t DOTTED_CIRCLE = 0x25CC;

struct CodeRange {
    std::uint32_t first;
    std::uint32_t last;
};

bool InRanges(std::uint32_t code, std::initializer_list<CodeRange> ranges) {
    for (const CodeRange& range : ranges) {
        if (code >= range.first && code <= range.last) {
            return true;
        }
    }
    return false;
}

bool IsCombiningMark(std::uint32_t code) {
    return InRanges(code, {{0x0300, 0x036F},
                           {0x0483, 0x0489},
                           {0x0591, 0x05BD},
                           {0x0610, 0x061A},
                           {0x064B, 0x065F},
                           {0x1AB0, 0x1AFF},
                           {0x1DC0, 0x1DFF},
                           {0x20D0, 0x20FF},
                           {0xFE20, 0xFE2F}});
}

// Characters that take no room or steer the text around them.
bool IsFormatCharacter(std::uint32_t code) {
    return InRanges(code, {{0x00AD, 0x00AD},
                           {0x061C, 0x061C},
                           {0x180E, 0x180E},
                           {0x200B, 0x200F},
                           {0x2028, 0x202E},
                           {0x2060, 0x206F},
                           {0xFEFF, 0xFEFF},
                           {0xFFF9, 0xFFFB}});
}

bool IsNoncharacter(std::uint32_t code) {
    return (code >= 0xFDD0 && code <= 0xFDEF) || (code & 0xFFFE) == 0xFFFE;
}

// The name field may hold any bytes; those that are not printable ASCII are shown as \xNN.
std::string ShowName(const std::string& name) {
    std::string shown = "\"";
    for (const char c : name) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && byte != '"' && byte != '\\') {
            shown += c;
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", byte);
            shown += escape;
        }
    }
    return shown + "\"";
}

void Warn(const std::string& text) {
    std::fprintf(stderr, "krfmake: warning: %s\n", text.c_str());
}

// Warnings of one kind: the first few in full, the rest counted.
void PrintWarnings(const std::vector<std::string>& warnings, const char* kind) {
    for (std::size_t i = 0; i < warnings.size() && i < MAX_WARNINGS_OF_A_KIND; ++i) {
        Warn(warnings[i]);
    }
    if (warnings.size() > MAX_WARNINGS_OF_A_KIND) {
        Warn("... and " + std::to_string(warnings.size() - MAX_WARNINGS_OF_A_KIND) + " more " + kind);
    }
}

void PrintHeader(const std::string& path, const uiFontFileReader& file) {
    const uiFontFileHeader& header = file.Header();
    std::printf("file           %s\n"
                "name           %s\n"
                "size           %d\n"
                "sheet          %d x %d\n"
                "glyphs         %d\n"
                "line height    %d\n"
                "nominal width  %d\n"
                "display name   %s\n",
                path.c_str(), ShowName(header.name).c_str(), header.size, header.sheetWidth,
                header.sheetHeight, header.glyphCount, header.lineHeight, header.nominalWidth,
                ShowName(file.DisplayName()).c_str());
}

void PrintTable(const uiFontFileReader& file) {
    std::printf("\nentry  code       x      y  width  character\n");
    for (std::size_t i = 0; i < file.EntryCount(); ++i) {
        const uiFontFileEntry entry = file.Entry(i);
        std::printf("%5zu  %-6s %6d %6d %6d  %s\n", i + 1, CodeName(entry.code).c_str(), entry.x, entry.y,
                    entry.width, ShowCharacter(entry.code).c_str());
    }
}

void WarnAboutCells(const uiFontFileReader& file) {
    const uiFontFileHeader& header = file.Header();
    std::vector<std::string> outside;
    std::map<std::uint16_t, std::vector<std::size_t>> entriesOfCode;
    for (std::size_t i = 0; i < file.EntryCount(); ++i) {
        const uiFontFileEntry entry = file.Entry(i);
        entriesOfCode[entry.code].push_back(i + 1);
        if (entry.x < 1 || entry.y < 1 || entry.x - 1 + entry.width > header.sheetWidth ||
            entry.y - 1 + header.lineHeight > header.sheetHeight) {
            outside.push_back("entry " + std::to_string(i + 1) + " (" + CodeName(entry.code) +
                              "): its cell at column " + std::to_string(entry.x) + ", row " +
                              std::to_string(entry.y) + ", " + std::to_string(entry.width) + " x " +
                              std::to_string(header.lineHeight) + " px, reaches outside the " +
                              std::to_string(header.sheetWidth) + " x " + std::to_string(header.sheetHeight) +
                              " sheet");
        }
    }
    std::vector<std::string> twice;
    for (const auto& [code, entries] : entriesOfCode) {
        if (entries.size() < 2) {
            continue;
        }
        std::string list;
        for (const std::size_t entry : entries) {
            list += (list.empty() ? "" : ", ") + std::to_string(entry);
        }
        twice.push_back(CodeName(code) + " is listed " + std::to_string(entries.size()) + " times (entries " +
                        list + "); the toolkit takes entry " + std::to_string(entries.front()));
    }
    PrintWarnings(outside, "cells outside the sheet");
    PrintWarnings(twice, "codes listed more than once");
}

// The toolkit refuses a sheet larger than the GL's largest texture; 16384 is what Mesa's software
// renderer and many desktop GLs take, and the least that current ones do.
void WarnAboutSheetSize(const uiFontFileReader& file) {
    const uiFontFileHeader& header = file.Header();
    if (header.sheetWidth > COMMON_MAX_TEXTURE_SIZE || header.sheetHeight > COMMON_MAX_TEXTURE_SIZE) {
        Warn("the " + std::to_string(header.sheetWidth) + " x " + std::to_string(header.sheetHeight) +
             " sheet is larger than many OpenGL implementations take as one texture (" +
             std::to_string(COMMON_MAX_TEXTURE_SIZE) + " x " + std::to_string(COMMON_MAX_TEXTURE_SIZE) +
             "); the toolkit refuses it there");
    }
}

void WarnAboutTrailingBytes(const std::string& path, const uiFontFileReader& file) {
    std::error_code status;
    const std::uintmax_t size = std::filesystem::file_size(path, status);
    const uiFontFileHeader& header = file.Header();
    const std::uintmax_t used = uiFontFileLayout::HEADER_SIZE +
                                uiFontFileLayout::TableBytes(header.glyphCount) +
                                uiFontFileLayout::SheetBytes(header.sheetWidth, header.sheetHeight);
    if (!status && size > used) {
        Warn(std::to_string(size - used) + " bytes after the sheet are never read");
    }
}

} // namespace

std::string ShowCharacter(std::uint32_t code) {
    char text[16];
    if (code < 0x20 || code == 0x7F) {
        std::snprintf(text, sizeof text, "^%c", static_cast<char>(code ^ 0x40));
        return text;
    }
    if (code >= 0x80 && code <= 0x9F) {
        return "<control>";
    }
    if (code >= 0xD800 && code <= 0xDFFF) {
        return "<surrogate>";
    }
    if (IsNoncharacter(code)) {
        return "<noncharacter>";
    }
    if (IsFormatCharacter(code)) {
        return "<format>";
    }
    if (IsCombiningMark(code)) {
        return "'" + EncodeUtf8(DOTTED_CIRCLE) + EncodeUtf8(code) + "'";
    }
    return "'" + EncodeUtf8(code) + "'";
}

int ShowFontInfo(const std::string& path, const std::string& previewPath) {
    std::error_code status;
    if (std::filesystem::is_directory(path, status)) {
        std::fprintf(stderr, "krfmake: cannot open \"%s\": it is a directory\n", path.c_str());
        return EXIT_USAGE;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "krfmake: cannot open \"%s\": %s\n", path.c_str(), std::strerror(errno));
        return EXIT_USAGE;
    }
    uiFontFileReader file;
    const bool whole = file.Read(in, path);
    if (file.HasHeader()) {
        PrintHeader(path, file);
    }
    if (file.EntryCount() > 0) {
        PrintTable(file);
    }
    std::fflush(stdout);
    if (!whole) {
        std::fprintf(stderr, "krfmake: %s\n", file.Message().c_str());
        if (!previewPath.empty()) {
            std::fprintf(stderr, "krfmake: no preview of a font file that is not whole\n");
        }
        return EXIT_DEFECT;
    }
    if (file.Header().name.size() == uiFontFileLayout::NAME_FIELD_SIZE) {
        Warn("the name field holds no NUL byte: the name ends with the field");
    }
    WarnAboutSheetSize(file);
    WarnAboutCells(file);
    WarnAboutTrailingBytes(path, file);
    if (previewPath.empty()) {
        return EXIT_SUCCESS;
    }
    std::vector<uiFontFileEntry> entries;
    for (std::size_t i = 0; i < file.EntryCount(); ++i) {
        entries.push_back(file.Entry(i));
    }
    std::string error;
    if (!WritePreview(previewPath, file.Header(), entries, file.Sheet(), {}, error)) {
        std::fprintf(stderr, "krfmake: %s\n", error.c_str());
        return EXIT_USAGE;
    }
    return EXIT_SUCCESS;
}
