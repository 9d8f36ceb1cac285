#include "PngFile.h"

#include "ReplacementFile.h"

#include <png.h>

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

// Reading goes through libpng's full interface, which reports its errors through a longjmp to the
// setjmp of the function that called it.
// The functions that call setjmp are small and hold no object of their own that a jump could
// skip or leave half-changed: buffers are made by their callers, before, and released after.

namespace {

// A compressed PNG of the largest picture is far smaller than this; a bigger file is refused
// before it is read into memory.
constexpr size_t MAX_FILE_BYTES = 512u * 1024 * 1024;
// The largest block libpng may allocate. Its own blocks are rows, inflate state and the data of
// chunks such as text; a chunk's length comes from the file, and libpng allocates (and clears)
// a chunk's block before it finds the file shorter. The picture's rows are allocated here.
constexpr png_alloc_size_t MAX_LIBPNG_BLOCK_BYTES = 8u * 1024 * 1024;
// Every PNG file begins with the same eight bytes.
constexpr size_t PNG_SIGNATURE_BYTES = 8;

// What libpng said last, kept for the message, and the read position in the decoded bytes.
struct PngSession {
    char message[256] = {};
    // libpng names some faults only in a warning before its error ("Invalid IHDR data").
    char warning[256] = {};
    const unsigned char* data = nullptr;
    size_t size = 0;
    size_t position = 0;
};

void OnError(png_structp png, png_const_charp message) {
    PngSession* session = static_cast<PngSession*>(png_get_error_ptr(png));
    std::snprintf(session->message, sizeof session->message, "%s", message);
    png_longjmp(png, 1);
}

// Warnings (an unknown chunk, a bad gamma value) do not stop the read by themselves.
void OnWarning(png_structp png, png_const_charp message) {
    PngSession* session = static_cast<PngSession*>(png_get_error_ptr(png));
    std::snprintf(session->warning, sizeof session->warning, "%s", message);
}

png_voidp AllocateBounded(png_structp, png_alloc_size_t size) {
    return size > MAX_LIBPNG_BLOCK_BYTES ? nullptr : std::malloc(size);
}

void Release(png_structp, png_voidp block) {
    std::free(block);
}

void ReadFromMemory(png_structp png, png_bytep out, size_t length) {
    PngSession* session = static_cast<PngSession*>(png_get_io_ptr(png));
    if (length > session->size - session->position) {
        png_error(png, "the file ends before the picture does");
    }
    std::memcpy(out, session->data + session->position, length);
    session->position += length;
}

std::string LibpngFailure(const PngSession& session) {
    std::string failure = session.message[0] != '\0' ? session.message : "libpng failed";
    if (session.warning[0] != '\0') {
        failure = failure + " (" + session.warning + ")";
    }
    return failure;
}

// Reads the header and sets up the conversion to 8-bit RGB; the sides are within the limits.
bool ReadHeader(png_structp png, png_infop info, PngSession& session, png_uint_32& width,
                png_uint_32& height) {
    if (setjmp(png_jmpbuf(png)) != 0) {
        return false;
    }
    png_set_read_fn(png, &session, ReadFromMemory);
    png_set_user_limits(png, PNG_MAX_SIDE, PNG_MAX_SIDE);
    png_read_info(png, info);
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_strip_alpha(png);
    png_set_gray_to_rgb(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    width = png_get_image_width(png, info);
    height = png_get_image_height(png, info);
    if (png_get_rowbytes(png, info) != static_cast<size_t>(width) * 3) {
        png_error(png, "the picture does not turn into 8-bit RGB");
    }
    return true;
}

bool ReadRows(png_structp png, png_bytepp rows) {
    if (setjmp(png_jmpbuf(png)) != 0) {
        return false;
    }
    png_read_image(png, rows);
    png_read_end(png, nullptr);
    return true;
}

// The rows are allocated only once the header's sides have been checked.
bool DecodeSession(PngSession& session, RgbImage& image, std::string& error) {
    png_structp png = png_create_read_struct_2(PNG_LIBPNG_VER_STRING, &session, OnError, OnWarning, nullptr,
                                               AllocateBounded, Release);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    if (info == nullptr) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        error = "out of memory for libpng";
        return false;
    }
    png_uint_32 width = 0;
    png_uint_32 height = 0;
    bool decoded = ReadHeader(png, info, session, width, height);
    if (decoded) {
        image.width = static_cast<int>(width);
        image.height = static_cast<int>(height);
        image.rgb.assign(static_cast<size_t>(width) * height * 3, 0);
        std::vector<png_bytep> rows(height);
        for (png_uint_32 row = 0; row < height; ++row) {
            rows[row] = image.Pixel(0, static_cast<int>(row));
        }
        decoded = ReadRows(png, rows.data());
    }
    if (!decoded) {
        error = LibpngFailure(session);
    }
    png_destroy_read_struct(&png, &info, nullptr);
    return decoded;
}

} // namespace

bool DecodePng(const unsigned char* data, size_t size, RgbImage& image, std::string& error) {
    if (size < PNG_SIGNATURE_BYTES || png_sig_cmp(data, 0, PNG_SIGNATURE_BYTES) != 0) {
        error = "not a PNG file";
        return false;
    }
    PngSession session;
    session.data = data;
    session.size = size;
    return DecodeSession(session, image, error);
}

bool ReadPng(const std::string& path, RgbImage& image, std::string& error) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        error = std::strerror(errno);
        return false;
    }
    std::vector<unsigned char> bytes;
    unsigned char block[65536];
    bool readable = true;
    for (size_t got; (got = std::fread(block, 1, sizeof block, file)) > 0;) {
        if (bytes.size() + got > MAX_FILE_BYTES) {
            std::fclose(file);
            error = "the file is larger than any PNG of a picture DREV makes";
            return false;
        }
        bytes.insert(bytes.end(), block, block + got);
    }
    if (std::ferror(file)) {
        readable = false;
        error = std::strerror(errno);
    }
    std::fclose(file);
    return readable && DecodePng(bytes.data(), bytes.size(), image, error);
}

bool EncodePng(const unsigned char* rgb, int width, int height, std::vector<unsigned char>& png,
               std::string& error) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_RGB;
    png_alloc_size_t size = PNG_IMAGE_PNG_SIZE_MAX(image);
    png.resize(size);
    if (png_image_write_to_memory(&image, png.data(), &size, 0, rgb, 0, nullptr) == 0) {
        error = image.message;
        png_image_free(&image);
        png.clear();
        return false;
    }
    // It was sized for the largest PNG a picture may take; the caller may keep it a while.
    png.resize(size);
    png.shrink_to_fit();
    return true;
}

bool WritePng(const std::string& path, const unsigned char* rgb, int width, int height, std::string& error) {
    std::vector<unsigned char> png;
    return EncodePng(rgb, width, height, png, error) && WritePngBytes(path, png, error);
}

bool WritePngBytes(const std::string& path, const std::vector<unsigned char>& png, std::string& error) {
    return drev::WriteWholeFile(path, std::string_view(reinterpret_cast<const char*>(png.data()), png.size()),
                                error);
}

bool IsPngFile(const std::string& path) {
    unsigned char signature[PNG_SIGNATURE_BYTES] = {};
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return false;
    }
    const size_t got = std::fread(signature, 1, sizeof signature, file);
    std::fclose(file);
    return got == sizeof signature && png_sig_cmp(signature, 0, sizeof signature) == 0;
}
