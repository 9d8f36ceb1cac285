// A picture of 8-bit red, green and blue samples, rows from the top, no padding: what the
// off-screen render reads back and what PNG files are written from and read into.
#pragma once

#include <cstddef>
#include <vector>

struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb;

    // The first of the pixel's three samples; the caller keeps x and y inside the picture.
    unsigned char* Pixel(int x, int y) { return rgb.data() + Offset(x, y); }
    const unsigned char* Pixel(int x, int y) const { return rgb.data() + Offset(x, y); }

private:
    size_t Offset(int x, int y) const {
        return (static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)) * 3;
    }
};
