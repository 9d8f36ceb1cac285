// Feeds arbitrary bytes to the PNG reader that reads golden pictures. A decoded picture must be
// within the side limit and hold exactly its three samples per pixel; a refused one must say why.
#include "PngFile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void Fail(const char* problem) {
    std::fprintf(stderr, "png file: %s\n", problem);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    RgbImage image;
    std::string error;
    if (!DecodePng(data, size, image, error)) {
        if (error.empty()) {
            Fail("a refused picture has no message");
        }
        return 0;
    }
    if (image.width < 1 || image.height < 1 || image.width > PNG_MAX_SIDE || image.height > PNG_MAX_SIDE) {
        Fail("a decoded picture has a side out of range");
    }
    if (image.rgb.size() != static_cast<size_t>(image.width) * static_cast<size_t>(image.height) * 3) {
        Fail("a decoded picture's samples do not match its size");
    }
    return 0;
}
