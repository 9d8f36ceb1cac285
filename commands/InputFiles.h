// The files an input makes a command read, learnt before the input is loaded and without writing
// anything (not even a log line), so that a command can keep its outputs off them. A font is
// read alone; a UI file makes the command read "default.krf" and every font its uiFontTable
// sections name, each where the context's font table will open it (the UI file's folder, then
// DREV's shipped fonts). A name that no folder holds is left out, as nothing is read there.
#pragma once

#include "FileChecks.h"
#include "InputKind.h"

#include <istream>
#include <string>
#include <vector>

std::vector<NamedFile> InputFiles(const std::string& file, InputKind kind);
// Every string of the uiFontTable sections at the top level of a UI file's text (the table
// takes those of its five keys). The read stops at the first lexical error, where the load
// stops too.
std::vector<std::string> FontTableNames(std::istream& text);
// The path the font table opens a font name under (uiFontTable::FindFile): an absolute or empty
// name as it is, any other in the first of the folders that holds it; empty when none does.
std::string FontPath(const std::vector<std::string>& folders, const std::string& name);
// The same for a font that a UI file's font table names, in that file's font folders.
std::string FontPathFor(const std::string& uiFile, const std::string& name);
