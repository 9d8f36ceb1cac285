// drev check's diagnostics of a document as the protocol's Diagnostic objects, each at its place:
// the load's error on the line the loader names; a warning about a widget at its item's header
// (found by the names in brackets the message gives), a warning about a font file at the font
// table entry that names it, the font table's own warning at the table; anything else on the
// first line.
#pragma once

#include "LspDocument.h"

#include <nlohmann/json.hpp>

nlohmann::json PlacedDiagnostics(const LspDocument& document);
