// Canvas: an RGB picture in memory that krfmake's preview is drawn on, three bytes a pixel,
// top row first. Every drawing operation clips to the picture, so callers may draw partly or
// wholly outside it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
};

class Canvas {
public:
    // False when the memory for the picture can't be had.
    bool Create(int width, int height, Rgb background);

    int Width() const { return width_; }
    int Height() const { return height_; }
    const unsigned char* Pixels() const { return pixels_.get(); }
    Rgb At(int x, int y) const;

    void Fill(int x, int y, int width, int height, Rgb color);
    // A one-pixel outline whose outer edge is the rectangle's.
    void Frame(int x, int y, int width, int height, Rgb color);
    // Mixes color into the pixel by coverage, 0 (none) to 255 (all).
    void Blend(int x, int y, Rgb color, int coverage);

private:
    unsigned char* Pixel(int x, int y) const;

    int width_ = 0;
    int height_ = 0;
    std::unique_ptr<unsigned char[]> pixels_;
};
