#include "ImageCompare.h"

#include <algorithm>
#include <cstdlib>

namespace {

int LargestChannelDifference(const unsigned char* a, const unsigned char* b) {
    int largest = 0;
    for (int channel = 0; channel < 3; ++channel) {
        largest = std::max(largest, std::abs(static_cast<int>(a[channel]) - static_cast<int>(b[channel])));
    }
    return largest;
}

} // namespace

ImageDifference CompareImages(const RgbImage& picture, const RgbImage& golden, int tolerance) {
    ImageDifference difference;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const int largest = LargestChannelDifference(picture.Pixel(x, y), golden.Pixel(x, y));
            difference.largestChannelDifference = std::max(difference.largestChannelDifference, largest);
            if (largest > tolerance) {
                ++difference.differingPixels;
            }
        }
    }
    return difference;
}

RgbImage DifferenceImage(const RgbImage& picture, const RgbImage& golden, int tolerance) {
    static const unsigned char RED[3] = {255, 0, 0};
    RgbImage marked = picture;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            unsigned char* pixel = marked.Pixel(x, y);
            if (LargestChannelDifference(picture.Pixel(x, y), golden.Pixel(x, y)) > tolerance) {
                std::copy(RED, RED + 3, pixel);
            } else {
                for (int channel = 0; channel < 3; ++channel) {
                    pixel[channel] = static_cast<unsigned char>(pixel[channel] / 3);
                }
            }
        }
    }
    return marked;
}
