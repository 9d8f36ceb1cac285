// textDocument/completion on a UI file: what may be typed where the cursor stands. At the start
// of a section the section and item types; as an item's parent "Application" and the windows
// defined above it; as a key the keys of the block (an item, Style, Animation, the font or the
// colour table) that it does not hold yet; as a value true and false for a flag, and for a font
// table entry the font files in the UI file's folder and among the shipped fonts.
#pragma once

#include "LspDocument.h"

#include <nlohmann/json.hpp>

nlohmann::json CompletionAt(const LspDocument& document, size_t offset);
