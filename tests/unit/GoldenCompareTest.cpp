// The golden compare of drev render: which pixels differ, the picture that marks them and the
// renderer file. What a compare prints and writes is tested through the real binary.
#include "GoldenCompare.h"

#include "ImageCompare.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

RgbImage Flat(int width, int height, unsigned char r, unsigned char g, unsigned char b) {
    RgbImage image;
    image.width = width;
    image.height = height;
    const unsigned char pixel[3] = {r, g, b};
    for (int i = 0; i < width * height * 3; ++i) {
        image.rgb.push_back(pixel[i % 3]);
    }
    return image;
}

std::vector<unsigned char> At(const RgbImage& image, int x, int y) {
    return std::vector<unsigned char>(image.Pixel(x, y), image.Pixel(x, y) + 3);
}

TEST(GoldenCompareTest, APixelDiffersBeyondTheToleranceInAnyChannel) {
    const RgbImage golden = Flat(3, 1, 100, 100, 100);
    RgbImage picture = golden;
    picture.Pixel(0, 0)[2] = 103; // within 3
    picture.Pixel(1, 0)[1] = 96;  // 4 below
    picture.Pixel(2, 0)[0] = 255; // 155 above

    const ImageDifference loose = CompareImages(picture, golden, 3);
    EXPECT_EQ(loose.differingPixels, 2);
    EXPECT_EQ(loose.largestChannelDifference, 155);
    EXPECT_EQ(CompareImages(picture, golden, 0).differingPixels, 3);
    EXPECT_EQ(CompareImages(picture, golden, 155).differingPixels, 0);
    EXPECT_EQ(CompareImages(golden, golden, 0).largestChannelDifference, 0);

    const RgbImage marked = DifferenceImage(picture, golden, 3);
    EXPECT_EQ(At(marked, 0, 0), (std::vector<unsigned char>{33, 33, 34}));
    EXPECT_EQ(At(marked, 1, 0), (std::vector<unsigned char>{255, 0, 0}));
    EXPECT_EQ(At(marked, 2, 0), (std::vector<unsigned char>{255, 0, 0}));
}

TEST(GoldenCompareTest, RendererFileRoundTripsAndDiffSitsBesideTheOutput) {
    const RendererInfo info{"llvmpipe (LLVM 15.0.6, 256 bits)", "4.5 (Compatibility Profile) Mesa 22.3.6"};
    const std::string text = RendererFileText(info);
    EXPECT_EQ(text, "GL_RENDERER: llvmpipe (LLVM 15.0.6, 256 bits)\n"
                    "GL_VERSION: 4.5 (Compatibility Profile) Mesa 22.3.6\n");
    const RendererInfo read = ParseRendererFile(text);
    EXPECT_EQ(read.renderer, info.renderer);
    EXPECT_EQ(read.version, info.version);
    EXPECT_EQ(ParseRendererFile("junk\n").renderer, "");

    EXPECT_EQ(DiffFileName("out/x.png"), "out/x-diff.png");
    EXPECT_EQ(DiffFileName("x.PNG"), "x.PNG-diff.png");
    EXPECT_EQ(DiffFileName(".png"), ".png-diff.png");
}

} // namespace
