#include "Canvas.h"

#include <algorithm>
#include <new>

bool Canvas::Create(int width, int height, Rgb background) {
    pixels_.reset(new (std::nothrow) unsigned char[static_cast<std::size_t>(width) * height * 3]);
    if (!pixels_) {
        return false;
    }
    width_ = width;
    height_ = height;
    Fill(0, 0, width, height, background);
    return true;
}

unsigned char* Canvas::Pixel(int x, int y) const {
    return pixels_.get() + (static_cast<std::size_t>(y) * width_ + x) * 3;
}

Rgb Canvas::At(int x, int y) const {
    const unsigned char* pixel = Pixel(x, y);
    return {pixel[0], pixel[1], pixel[2]};
}

void Canvas::Fill(int x, int y, int width, int height, Rgb color) {
    const int left = std::max(x, 0);
    const int top = std::max(y, 0);
    const int right = static_cast<int>(std::min(static_cast<long>(x) + width, static_cast<long>(width_)));
    const int bottom = static_cast<int>(std::min(static_cast<long>(y) + height, static_cast<long>(height_)));
    for (int row = top; row < bottom; ++row) {
        for (int column = left; column < right; ++column) {
            unsigned char* pixel = Pixel(column, row);
            pixel[0] = color.r;
            pixel[1] = color.g;
            pixel[2] = color.b;
        }
    }
}

void Canvas::Frame(int x, int y, int width, int height, Rgb color) {
    Fill(x, y, width, 1, color);
    Fill(x, y + height - 1, width, 1, color);
    Fill(x, y, 1, height, color);
    Fill(x + width - 1, y, 1, height, color);
}

void Canvas::Blend(int x, int y, Rgb color, int coverage) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_ || coverage <= 0) {
        return;
    }
    unsigned char* pixel = Pixel(x, y);
    const int keep = 255 - std::min(coverage, 255);
    const int add = 255 - keep;
    pixel[0] = static_cast<unsigned char>((pixel[0] * keep + color.r * add + 127) / 255);
    pixel[1] = static_cast<unsigned char>((pixel[1] * keep + color.g * add + 127) / 255);
    pixel[2] = static_cast<unsigned char>((pixel[2] * keep + color.b * add + 127) / 255);
}
