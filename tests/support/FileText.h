// Small file helpers for tests: read a whole file, its lines, or write one, and copy the
// shipped sample into the working directory.
#pragma once

#include <string>
#include <vector>

std::string ReadFileText(const std::string& name);
std::vector<std::string> ReadFileLines(const std::string& name);
void WriteFileText(const std::string& name, const std::string& text);
// Copies vantora.ui and every font it names from the data folder into the working directory.
void CopyVantoraFiles(const std::string& dataFolder);
