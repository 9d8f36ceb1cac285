// Opening the files the toolkit reads (fonts, UI files).
#pragma once

#include <fstream>
#include <string>

namespace vanui {

// Opens fileName for reading; false when it can't be opened. A directory opens like a file but
// fails its first read, so it counts as a file that can't be opened.
bool OpenInputFile(std::ifstream& in, const std::string& fileName, std::ios::openmode mode = std::ios::in);

} // namespace vanui
