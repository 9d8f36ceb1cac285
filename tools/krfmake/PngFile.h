// Writing a Canvas as a PNG file, with libpng's simplified interface (which handles libpng's
// errors inside and leaves no partial file behind).
#pragma once

#include "Canvas.h"

#include <string>

// False with a message naming the file when it can't be written.
bool WritePng(const std::string& path, const Canvas& canvas, std::string& error);
