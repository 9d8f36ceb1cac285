// Where the author's commands find fonts: the folder of the UI file first, then the fonts that
// ship with DREV in its data/ folder, found from the executable's own place (<exe>/../data in
// the build tree, where CMake links it to the sources, or <exe>/../share/drev/data installed;
// /data in the playground's WebAssembly module).
#pragma once

#include <string>
#include <vector>

// The shipped data/ folder, or empty when neither place holds one.
std::string ShippedDataFolder();
// The font search folders for a UI file: its own folder ("" for the working directory), then
// the shipped data/ folder unless it is the same folder.
std::vector<std::string> FontFoldersFor(const std::string& uiFile);
