// PNG files through libpng, for drev render and krfmake: pictures are encoded in memory as 8-bit
// RGB and written whole or not at all (drev::WriteWholeFile), so a failed write leaves an
// earlier file as it was. Golden pictures are read from any PNG libpng understands (palette,
// grey, 16-bit, alpha, interlaced) and turned into 8-bit RGB, the alpha dropped. A golden is
// outside input: a bad one is refused with one message naming what is wrong, sizes are checked
// before anything is allocated, and nothing is thrown.
#pragma once

#include "RgbImage.h"

#include <cstddef>
#include <string>
#include <vector>

// The largest side of a picture read or written; --size is bounded by it too.
inline constexpr int PNG_MAX_SIDE = 8192;

// rgb holds width x height pixels of three bytes, rows from the top, no padding. False with
// libpng's reason in error.
bool EncodePng(const unsigned char* rgb, int width, int height, std::vector<unsigned char>& png,
               std::string& error);
// Encodes and writes the picture to path; false with the reason in error when it can't be
// written, an earlier file at path then left as it was.
bool WritePng(const std::string& path, const unsigned char* rgb, int width, int height, std::string& error);
// The same for a picture EncodePng has made.
bool WritePngBytes(const std::string& path, const std::vector<unsigned char>& png, std::string& error);
inline bool WritePng(const std::string& path, const RgbImage& image, std::string& error) {
    return WritePng(path, image.rgb.data(), image.width, image.height, error);
}

// Reads the PNG file at path; false with the reason in error.
bool ReadPng(const std::string& path, RgbImage& image, std::string& error);
// Decodes PNG bytes held in memory; false with the reason in error.
bool DecodePng(const unsigned char* data, size_t size, RgbImage& image, std::string& error);
// Whether the file at path begins as every PNG file does, whatever follows; false when it can't
// be read.
bool IsPngFile(const std::string& path);
