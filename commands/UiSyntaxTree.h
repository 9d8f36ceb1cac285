// A UI file as the formatter and the language server see it: its sections in order, each with
// its header tokens and the tree of its value, over the tokens of UiSourceTokens.h. Values are
// read as the value reader reads them (numbers, strings, true and false, arrays, hashes of a
// bare-name key and a value, nested up to the reader's depth) and sections as the loader reads
// them (uiFontTable or uiColorTable and a value; any other first token, a type name and two
// strings and a value). Any text makes a tree: what does not read (a lexical error, a header or
// a value missing, a bracket left open) is kept as far as it went, and the tree is then not
// complete. Nodes refer to tokens by their index in Tokens().
#pragma once

#include "UiSourceTokens.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

constexpr size_t NO_TOKEN = SIZE_MAX;

enum class UiValueKind { Missing, Scalar, Array, Hash };

struct UiEntry;

struct UiValue {
    UiValueKind kind = UiValueKind::Missing;
    // The scalar itself, or the opening bracket of an array or hash.
    size_t first = NO_TOKEN;
    // The scalar, the closing bracket, or for a bracket left open the last token read into it.
    size_t last = NO_TOKEN;
    bool closed = false;
    std::vector<UiValue> elements;
    std::vector<UiEntry> entries;
};

struct UiEntry {
    size_t key = NO_TOKEN;
    UiValue value;
};

enum class UiSectionKind { FontTable, ColorTable, Item };

struct UiSection {
    UiSectionKind kind = UiSectionKind::Item;
    // The type name (or whatever token an item starts with), the item's name and parent strings.
    size_t type = NO_TOKEN;
    size_t name = NO_TOKEN;
    size_t parent = NO_TOKEN;
    UiValue value;
    size_t last = NO_TOKEN;
};

class UiSyntaxTree {
public:
    explicit UiSyntaxTree(std::string text);

    const std::string& Text() const { return text; }
    const std::vector<UiToken>& Tokens() const { return tokens; }
    const std::vector<UiSection>& Sections() const { return sections; }
    // True when every token was read into a section as the loader reads it.
    bool Complete() const { return complete; }

    std::string_view TokenText(size_t token) const;
    bool IsName(size_t token, std::string_view name) const;
    // A string token's text as the Tokenizer gives it, escapes resolved; empty for other tokens.
    std::string StringValue(size_t token) const;
    // The item name of a section, or empty when it has none.
    std::string ItemName(const UiSection& section) const { return StringValue(section.name); }
    std::string ParentName(const UiSection& section) const { return StringValue(section.parent); }
    // Whether the section is a top-level window: a uiWindow item under "Application".
    bool IsWindow(const UiSection& section) const;
    // The section of the first top-level window with the name, or null.
    const UiSection* FindWindow(const std::string& name) const;

    // The index of the token that holds the offset or ends just at it (a comment included), or
    // NO_TOKEN in blank space.
    size_t TokenAt(size_t offset) const;

private:
    void ReadSections();
    UiValue ReadValue(size_t& at, int depth);
    void ReadInto(UiValue& value, size_t& at, int depth);
    size_t Significant(size_t at) const;

    std::string text;
    std::vector<UiToken> tokens;
    std::vector<UiSection> sections;
    bool complete = true;
};

extern const char* const ROOT_WINDOW_PARENT;
