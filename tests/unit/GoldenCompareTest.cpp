// The golden compare of drev render: which pixels differ, the picture that marks them, the
// renderer file, and the outcome of a compare with its messages and files, in a temporary folder.
#include "GoldenCompare.h"

#include "FileText.h"
#include "ImageCompare.h"
#include "PngFile.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
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

TEST(ImageCompareTest, APixelDiffersBeyondTheToleranceInAnyChannel) {
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

TEST(GoldenFilesTest, RendererFileRoundTripsAndDiffSitsBesideTheOutput) {
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

class GoldenCompareTest : public ::testing::Test {
protected:
    GoldenCompareTest() {
        std::string error;
        EXPECT_TRUE(WritePng("golden.png", golden, error));
        WriteFileText("golden.png.txt", RendererFileText(made));
    }

    int Compare(const RgbImage& picture, const GoldenCheck& check, const RendererInfo& drawnBy) {
        testing::internal::CaptureStderr();
        const int status = CompareWithGolden(picture, drawnBy, check);
        messages = testing::internal::GetCapturedStderr();
        return status;
    }

    TempDir dir;
    const RgbImage golden = Flat(4, 4, 20, 40, 60);
    const RendererInfo made{"llvmpipe", "4.5 Mesa"};
    GoldenCheck check{"golden.png", "out.png", 3, 0, false};
    std::string messages;
};

TEST_F(GoldenCompareTest, MatchWithinTheToleranceSaysNothing) {
    RgbImage picture = golden;
    picture.Pixel(3, 3)[0] = 23;
    EXPECT_EQ(Compare(picture, check, made), 0);
    EXPECT_EQ(messages, "");
    EXPECT_FALSE(std::filesystem::exists("out-diff.png"));
}

TEST_F(GoldenCompareTest, FailureCountsMarksAndNamesAnotherRenderer) {
    RgbImage picture = golden;
    picture.Pixel(1, 2)[1] = 140;
    picture.Pixel(2, 2)[2] = 0;
    EXPECT_EQ(Compare(picture, check, RendererInfo{"softpipe", "3.3 Mesa"}), 1);
    EXPECT_EQ(messages, "drev: out.png differs from the golden golden.png: 2 pixels differ by more than 3 (at most 0 "
                        "may); the largest channel difference is 100\n"
                        "drev: the golden was made by another renderer (llvmpipe, 4.5 Mesa); this picture was drawn "
                        "by softpipe, 3.3 Mesa\n"
                        "drev: the differing pixels are marked in red in out-diff.png\n");
    RgbImage marks;
    std::string error;
    ASSERT_TRUE(ReadPng("out-diff.png", marks, error));
    EXPECT_EQ(At(marks, 1, 2), (std::vector<unsigned char>{255, 0, 0}));
    EXPECT_EQ(At(marks, 0, 0), (std::vector<unsigned char>{6, 13, 20}));

    check.maxPixels = 2;
    EXPECT_EQ(Compare(picture, check, made), 0);
}

TEST_F(GoldenCompareTest, SizeMismatchAndUnreadableGoldenFailEachInTheirWay) {
    EXPECT_EQ(Compare(Flat(5, 4, 20, 40, 60), check, made), 1);
    EXPECT_EQ(messages, "drev: out.png is 5x4 but the golden golden.png is 4x4\n");

    check.golden = "absent.png";
    EXPECT_EQ(Compare(golden, check, made), 2);
    EXPECT_EQ(messages, "drev: cannot read the golden absent.png: No such file or directory\n");
}

TEST_F(GoldenCompareTest, UpdateWritesThePictureAndItsRendererOverTheGolden) {
    const RgbImage picture = Flat(2, 2, 1, 2, 3);
    check.update = true;
    EXPECT_EQ(Compare(picture, check, RendererInfo{"softpipe", "3.3 Mesa"}), 0);
    EXPECT_EQ(messages, "drev: updated the golden golden.png\n");
    RgbImage read;
    std::string error;
    ASSERT_TRUE(ReadPng("golden.png", read, error));
    EXPECT_EQ(read.rgb, picture.rgb);
    EXPECT_EQ(ReadFileText("golden.png.txt"), "GL_RENDERER: softpipe\nGL_VERSION: 3.3 Mesa\n");

    // A golden that does not exist yet is made; one that matches is left as it is.
    check.golden = "new.png";
    EXPECT_EQ(Compare(picture, check, made), 0);
    EXPECT_TRUE(std::filesystem::exists("new.png.txt"));
    check.golden = "golden.png";
    EXPECT_EQ(Compare(picture, check, made), 0);
    EXPECT_EQ(messages, "");
    EXPECT_EQ(ReadFileText("golden.png.txt"), "GL_RENDERER: softpipe\nGL_VERSION: 3.3 Mesa\n");

    check.golden = "no/folder/g.png";
    EXPECT_EQ(Compare(picture, check, made), 2);
    EXPECT_EQ(messages, "drev: cannot write the golden no/folder/g.png: No such file or directory\n");
}

} // namespace
