// What each name of a UI file means, where it stands: the section and item types, the keys of a
// widget item, of its Style and Animation blocks, of the font and colour tables. The one table
// the language server completes and explains names from, and the formatter lays blocks out by.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Where a name stands: at the top of the file, or as a key of one kind of block.
enum class UiBlock { File, Item, Style, Animation, FontTable, ColorTable, Other };

enum class UiKeyKind { Section, Number, Boolean, FontFile, Color, Block };

struct UiKeyInfo {
    UiBlock block;
    const char* name;
    UiKeyKind kind;
    // The block that the name's hash value is; Other for a value that is no block.
    UiBlock opens;
    const char* defaultValue;
    const char* range;
    const char* meaning;
    // Left, Top, Width and Height share one line of an item.
    bool placement;
};

// The names of a block in the order the toolkit reads them.
std::vector<const UiKeyInfo*> UiKeysOf(UiBlock block);
// The name's entry in the block, or null.
const UiKeyInfo* FindUiKey(UiBlock block, std::string_view name);
// The block a hash is, from the block it stands in and its key (or a section's type name).
UiBlock InnerBlock(UiBlock outer, std::string_view key);
// Markdown for a hover: the name, where it stands, its kind, default and range, its meaning.
std::string DescribeUiKey(const UiKeyInfo& key);
