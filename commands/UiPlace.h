// Where a place in a UI file's text stands in its syntax tree, for the language server: at the
// start of a section, on an item's name or parent name, on a key of a block or on a key's value.
// The place goes with the token there (what is being typed, or what the mouse is over).
#pragma once

#include "UiKeyTable.h"
#include "UiSyntaxTree.h"

#include <string>

struct UiPlace {
    enum class What { Nothing, SectionType, ItemName, ParentName, Key, Value };

    What what = What::Nothing;
    // The block whose key or value it is.
    UiBlock block = UiBlock::Other;
    // The key whose value it is.
    size_t key = NO_TOKEN;
    // The token at the place, or NO_TOKEN in blank space.
    size_t token = NO_TOKEN;
    const UiSection* section = nullptr;
    // The hash a key or value stands in, for the keys it already holds.
    const UiValue* hash = nullptr;
};

UiPlace PlaceAt(const UiSyntaxTree& tree, size_t offset);
