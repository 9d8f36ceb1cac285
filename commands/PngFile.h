// PNG files through libpng: the render's pictures are written as 8-bit RGB; golden pictures are
// read from any PNG libpng understands (palette, grey, 16-bit, alpha, interlaced) and turned into
// 8-bit RGB, the alpha dropped. A golden is outside input: a bad one is refused with one message
// naming what is wrong, sizes are checked before anything is allocated, and nothing is thrown.
#pragma once

#include "RgbImage.h"

#include <cstddef>
#include <string>

// The largest side of a picture read or written; --size is bounded by it too.
inline constexpr int PNG_MAX_SIDE = 8192;

// Writes the picture to path; false with the reason in error when the file can't be written.
bool WritePng(const std::string& path, const RgbImage& image, std::string& error);
// Reads the PNG file at path; false with the reason in error.
bool ReadPng(const std::string& path, RgbImage& image, std::string& error);
// Decodes PNG bytes held in memory; false with the reason in error.
bool DecodePng(const unsigned char* data, size_t size, RgbImage& image, std::string& error);
