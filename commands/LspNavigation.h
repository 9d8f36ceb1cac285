// Finding one's way in a UI file: hover (what a section type or key means, from the key table;
// over a value, what its key means), go to definition (a parent name to its window's item, a font
// table entry to the font file the loader would open) and the outline (document symbols: the
// tables, and the windows with their widgets).
#pragma once

#include "LspDocument.h"

#include <nlohmann/json.hpp>

// Each gives null where there is nothing to show.
nlohmann::json HoverAt(const LspDocument& document, size_t offset);
nlohmann::json DefinitionAt(const LspDocument& document, size_t offset);
nlohmann::json DocumentSymbols(const LspDocument& document);
