// The --compare step of drev render: the rendered picture against a golden PNG. Each golden
// GOLDEN.png has a text file GOLDEN.png.txt beside it naming the GL renderer and version that
// made it, so that a failure on another renderer says so. On failure the differing pixels are
// marked in OUT-diff.png beside the picture; --update writes the picture and its renderer file
// over the golden instead of failing, and neither is replaced unless both were written whole.
// The caller has made sure that no file written lands on another file in use.
#pragma once

#include "RgbImage.h"

#include <string>
#include <vector>

// The GL that drew a picture.
struct RendererInfo {
    std::string renderer;
    std::string version;
};

struct GoldenCheck {
    std::string golden;
    // Where the picture itself was written (OUT.png); the diff goes beside it.
    std::string output;
    int tolerance = 3;
    long long maxPixels = 0;
    bool update = false;
};

// The renderer file's text: "GL_RENDERER: ..." and "GL_VERSION: ..." lines.
std::string RendererFileText(const RendererInfo& info);
// Reads a renderer file's text; a line that is missing leaves its field empty.
RendererInfo ParseRendererFile(const std::string& text);
// GOLDEN.png gives GOLDEN.png.txt.
std::string RendererFileName(const std::string& golden);
// OUT.png gives OUT-diff.png; a name without ".png" gets "-diff.png" appended.
std::string DiffFileName(const std::string& output);

// Compares, prints what failed on standard error and returns the exit status: 0 when the
// picture matches (or --update wrote it as the new golden), 1 when it does not, 2 when the
// golden can't be read or a file can't be written. png is the picture as encoded for OUT.png,
// the bytes --update writes.
int CompareWithGolden(const RgbImage& picture, const std::vector<unsigned char>& png,
                      const RendererInfo& renderer, const GoldenCheck& check);
