#include "PngFile.h"

#include <png.h>

#include <cstring>

bool WritePng(const std::string& path, const Canvas& canvas, std::string& error) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(canvas.Width());
    image.height = static_cast<png_uint_32>(canvas.Height());
    image.format = PNG_FORMAT_RGB;
    // libpng's message says why, strerror's text when the file could not be opened.
    if (png_image_write_to_file(&image, path.c_str(), 0, canvas.Pixels(), 0, nullptr) == 0) {
        error = "cannot write \"" + path + "\": " + image.message;
        png_image_free(&image);
        return false;
    }
    return true;
}
