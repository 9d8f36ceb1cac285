// PNG files: what render writes reads back unchanged; goldens in any form libpng reads turn into
// 8-bit RGB; bad goldens are refused with a message and never crash.
#include "PngFile.h"

#include "FileText.h"
#include "TempDir.h"

#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

RgbImage Gradient(int width, int height) {
    RgbImage image;
    image.width = width;
    image.height = height;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.rgb.push_back(static_cast<unsigned char>(x * 40));
            image.rgb.push_back(static_cast<unsigned char>(y * 60));
            image.rgb.push_back(static_cast<unsigned char>(255 - x - y));
        }
    }
    return image;
}

// Writes a PNG of any colour type with libpng's full interface; rows hold the packed samples.
void WriteRawPng(const std::string& path, int width, int height, int colorType, int bitDepth, int interlace,
                 const std::vector<std::vector<unsigned char>>& rows,
                 const std::vector<png_color>& palette = {}) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), bitDepth,
                 colorType, interlace, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (!palette.empty()) {
        png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
    }
    std::vector<png_bytep> pointers;
    std::vector<std::vector<unsigned char>> copies = rows;
    for (auto& row : copies) {
        pointers.push_back(row.data());
    }
    png_set_rows(png, info, pointers.data());
    png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
}

std::vector<unsigned char> FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<unsigned char> Pixels(const RgbImage& image) {
    return image.rgb;
}

class PngFileTest : public ::testing::Test {
protected:
    TempDir dir;
};

TEST_F(PngFileTest, WrittenPictureReadsBackUnchanged) {
    const RgbImage picture = Gradient(7, 5);
    std::string error;
    ASSERT_TRUE(WritePng("out.png", picture, error)) << error;
    RgbImage read;
    ASSERT_TRUE(ReadPng("out.png", read, error)) << error;
    EXPECT_EQ(read.width, 7);
    EXPECT_EQ(read.height, 5);
    EXPECT_EQ(Pixels(read), Pixels(picture));
}

TEST_F(PngFileTest, EveryKindOfPngBecomesEightBitRgb) {
    const struct {
        const char* name;
        int colorType;
        int bitDepth;
        std::vector<unsigned char> row; // one row of two pixels
        std::vector<unsigned char> rgb; // the two pixels read
    } cases[] = {
        {"grey", PNG_COLOR_TYPE_GRAY, 8, {10, 200}, {10, 10, 10, 200, 200, 200}},
        {"grey 1-bit", PNG_COLOR_TYPE_GRAY, 1, {0x40}, {0, 0, 0, 255, 255, 255}},
        {"grey and alpha", PNG_COLOR_TYPE_GRAY_ALPHA, 8, {10, 0, 200, 255}, {10, 10, 10, 200, 200, 200}},
        {"RGB 16-bit",
         PNG_COLOR_TYPE_RGB,
         16,
         {1, 2, 3, 4, 5, 6, 250, 0, 251, 0, 252, 0},
         {1, 3, 5, 250, 251, 252}},
        {"RGBA", PNG_COLOR_TYPE_RGB_ALPHA, 8, {1, 2, 3, 0, 4, 5, 6, 9}, {1, 2, 3, 4, 5, 6}},
        {"palette 2-bit", PNG_COLOR_TYPE_PALETTE, 2, {0x20}, {0, 0, 0, 9, 8, 7}},
    };
    const std::vector<png_color> palette = {{0, 0, 0}, {1, 1, 1}, {9, 8, 7}};
    for (const auto& expected : cases) {
        SCOPED_TRACE(expected.name);
        WriteRawPng("kind.png", 2, 1, expected.colorType, expected.bitDepth, PNG_INTERLACE_NONE,
                    {expected.row},
                    expected.colorType == PNG_COLOR_TYPE_PALETTE ? palette : std::vector<png_color>{});
        RgbImage read;
        std::string error;
        ASSERT_TRUE(ReadPng("kind.png", read, error)) << error;
        EXPECT_EQ(read.width, 2);
        EXPECT_EQ(read.height, 1);
        EXPECT_EQ(Pixels(read), expected.rgb);
    }
}

TEST_F(PngFileTest, InterlacedPngReadsAsThePlainOne) {
    const RgbImage picture = Gradient(9, 9);
    std::vector<std::vector<unsigned char>> rows;
    for (int y = 0; y < 9; ++y) {
        rows.emplace_back(picture.Pixel(0, y), picture.Pixel(0, y) + 27);
    }
    WriteRawPng("adam7.png", 9, 9, PNG_COLOR_TYPE_RGB, 8, PNG_INTERLACE_ADAM7, rows);
    RgbImage read;
    std::string error;
    ASSERT_TRUE(ReadPng("adam7.png", read, error)) << error;
    EXPECT_EQ(Pixels(read), Pixels(picture));
}

// The IHDR chunk starts at byte 8: length, "IHDR", width, height, ..., then its CRC at byte 29.
void SetHeaderSides(std::vector<unsigned char>& png, uint32_t width, uint32_t height) {
    for (int i = 0; i < 4; ++i) {
        png[16 + i] = static_cast<unsigned char>(width >> (24 - 8 * i));
        png[20 + i] = static_cast<unsigned char>(height >> (24 - 8 * i));
    }
    const uLong crc = crc32(0, png.data() + 12, 17);
    for (int i = 0; i < 4; ++i) {
        png[29 + i] = static_cast<unsigned char>(crc >> (24 - 8 * i));
    }
}

TEST_F(PngFileTest, BadGoldensAreRefusedWithTheirReason) {
    std::string error;
    ASSERT_TRUE(WritePng("good.png", Gradient(4, 3), error));
    const std::vector<unsigned char> good = FileBytes("good.png");
    std::filesystem::create_directory("folder.png");
    WriteFileText("text.png", "P3 this is no PNG at all\n");
    WriteBytes("empty.png", {});
    std::vector<unsigned char> crc = good;
    crc[30] ^= 0xFF;
    WriteBytes("bad_crc.png", crc);
    std::vector<unsigned char> zero = good;
    SetHeaderSides(zero, 0, 3);
    WriteBytes("zero_width.png", zero);
    std::vector<unsigned char> huge = good;
    SetHeaderSides(huge, 4, 100000);
    WriteBytes("huge.png", huge);
    std::vector<unsigned char> cut(good.begin(), good.end() - 20);
    WriteBytes("cut.png", cut);

    const std::pair<const char*, const char*> cases[] = {
        {"absent.png", "No such file or directory"},
        {"folder.png", "Is a directory"},
        {"text.png", "not a PNG file"},
        {"empty.png", "not a PNG file"},
        {"bad_crc.png", "IHDR: CRC error"},
        {"zero_width.png", "Invalid IHDR data (Image width is zero in IHDR)"},
        {"huge.png", "Invalid IHDR data (Image height exceeds user limit in IHDR)"},
        {"cut.png", "the file ends before the picture does"},
    };
    for (const auto& [file, reason] : cases) {
        RgbImage read;
        EXPECT_FALSE(ReadPng(file, read, error)) << file;
        EXPECT_EQ(error, reason) << file;
    }
}

// Whatever prefix of a sound PNG is left, the decoder refuses it without harm.
TEST_F(PngFileTest, EveryTruncatedPrefixIsRefused) {
    std::string error;
    ASSERT_TRUE(WritePng("good.png", Gradient(16, 16), error));
    const std::vector<unsigned char> good = FileBytes("good.png");
    for (size_t length = 0; length < good.size(); ++length) {
        RgbImage read;
        EXPECT_FALSE(DecodePng(good.data(), length, read, error)) << length;
        EXPECT_FALSE(error.empty()) << length;
    }
}

TEST_F(PngFileTest, UnwritablePathGivesTheSystemsReason) {
    std::string error;
    EXPECT_FALSE(WritePng("no/such/folder/out.png", Gradient(1, 1), error));
    EXPECT_EQ(error, "No such file or directory");
    std::filesystem::create_directory("taken.png");
    EXPECT_FALSE(WritePng("taken.png", Gradient(1, 1), error));
    EXPECT_EQ(error, "Is a directory");
}

// The fuzz target's seeds are sound pictures.
TEST_F(PngFileTest, FuzzSeedsDecode) {
    size_t seeds = 0;
    for (const auto& entry : std::filesystem::directory_iterator(DREV_FUZZ_DIR "/corpus/fuzz_png_file")) {
        const std::vector<unsigned char> bytes = FileBytes(entry.path().string());
        RgbImage read;
        std::string error;
        EXPECT_TRUE(DecodePng(bytes.data(), bytes.size(), read, error)) << entry.path() << ": " << error;
        ++seeds;
    }
    EXPECT_GE(seeds, 3u);
}

// Inputs that once made the fuzz target fail, each refused with the reason kept beside it.
TEST_F(PngFileTest, FuzzRegressionsAreRefused) {
    const std::pair<const char*, const char*> cases[] = {
        // A text chunk whose length claims two gigabytes in a file of sixty bytes: libpng would
        // allocate and clear the whole block before finding the file short.
        {"text_chunk_claiming_two_gigabytes", "x[05]Lt: invalid chunk type (tEXt: out of memory)"},
    };
    for (const auto& [name, reason] : cases) {
        const std::vector<unsigned char> bytes =
            FileBytes(std::string(DREV_FUZZ_DIR "/regressions/fuzz_png_file/") + name);
        ASSERT_FALSE(bytes.empty()) << name;
        RgbImage read;
        std::string error;
        EXPECT_FALSE(DecodePng(bytes.data(), bytes.size(), read, error)) << name;
        EXPECT_EQ(error, reason) << name;
    }
}

} // namespace
