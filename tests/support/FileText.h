// Small file helpers for tests: read a whole file, its lines, or write one.
#pragma once

#include <string>
#include <vector>

std::string ReadFileText(const std::string& name);
std::vector<std::string> ReadFileLines(const std::string& name);
void WriteFileText(const std::string& name, const std::string& text);
