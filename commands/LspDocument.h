// A UI file open in the editor, as the language server keeps it: its URI and the file name the
// loader and the font lookup use, the editor's text (saved or not) with its syntax tree and its
// line and column counts, and drev check's report of that text. A new text makes a new
// document; the tree and the positions refer to the text, so a document is neither copied nor
// moved.
#pragma once

#include "TextPositions.h"
#include "UiFileCheck.h"
#include "UiSyntaxTree.h"

#include <nlohmann/json.hpp>

#include <string>

// The path of a file: URI, percent escapes decoded; any other URI as it is.
std::string PathFromUri(const std::string& uri);
// The file: URI of an absolute path.
std::string UriFromPath(const std::string& path);
// An LSP position object ({"line": .., "character": ..}); false for anything else.
bool ReadPosition(const nlohmann::json* value, TextPosition& position);

class LspDocument {
public:
    LspDocument(std::string uri, std::string text, bool utf8Columns);
    LspDocument(const LspDocument&) = delete;
    LspDocument& operator=(const LspDocument&) = delete;

    const std::string& Uri() const { return uri; }
    const std::string& FileName() const { return fileName; }
    const std::string& Text() const { return tree.Text(); }
    const UiSyntaxTree& Tree() const { return tree; }
    const TextPositions& Positions() const { return positions; }

    // {"line": .., "character": ..} pairs of a range of the text.
    nlohmann::json Range(size_t from, size_t to) const;
    nlohmann::json TokenRange(size_t first, size_t last) const;
    // The offset of an LSP position; false when it is not one.
    bool Offset(const nlohmann::json* position, size_t& offset) const;

    UiFileReport report;

private:
    std::string uri;
    std::string fileName;
    UiSyntaxTree tree;
    TextPositions positions;
};
