#include "GoldenCompare.h"

#include "ImageCompare.h"
#include "PngFile.h"
#include "ReplacementFile.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <vector>

namespace {

enum CompareStatus { COMPARE_MATCH = 0, COMPARE_FAILED = 1, COMPARE_IO_ERROR = 2 };

const char* const RENDERER_KEY = "GL_RENDERER: ";
const char* const VERSION_KEY = "GL_VERSION: ";
const char* const RENDERER_FILE_SUFFIX = ".txt";

std::string Describe(const RendererInfo& info) {
    return info.renderer + ", " + info.version;
}

// The golden's renderer, empty fields when it has no renderer file.
RendererInfo GoldenRenderer(const std::string& golden) {
    std::ifstream file(RendererFileName(golden));
    std::ostringstream text;
    text << file.rdbuf();
    return ParseRendererFile(text.str());
}

// Neither the golden nor its renderer file is replaced unless both were written whole.
int Update(const std::vector<unsigned char>& png, const RendererInfo& renderer, const GoldenCheck& check) {
    const std::string rendererFileName = RendererFileName(check.golden);
    drev::ReplacementFile golden(check.golden);
    golden.Write(png.data(), png.size());
    drev::ReplacementFile rendererFile(rendererFileName);
    rendererFile.Write(RendererFileText(renderer));
    drev::ReplacementFile* failed = nullptr;
    if (!drev::CommitTogether({&golden, &rendererFile}, &failed)) {
        if (failed == &golden) {
            std::fprintf(stderr, "drev: cannot write the golden %s: %s\n", check.golden.c_str(),
                         golden.Reason().c_str());
        } else {
            std::fprintf(stderr, "drev: cannot write %s: %s\n", rendererFileName.c_str(),
                         rendererFile.Reason().c_str());
        }
        return COMPARE_IO_ERROR;
    }
    std::fprintf(stderr, "drev: updated the golden %s\n", check.golden.c_str());
    return COMPARE_MATCH;
}

// The second line of a failure when the golden comes from another GL.
void ReportOtherRenderer(const std::string& golden, const RendererInfo& renderer) {
    const RendererInfo made = GoldenRenderer(golden);
    if (made.renderer.empty() && made.version.empty()) {
        std::fprintf(stderr, "drev: %s names no renderer; this picture was drawn by %s\n",
                     RendererFileName(golden).c_str(), Describe(renderer).c_str());
    } else if (made.renderer != renderer.renderer || made.version != renderer.version) {
        std::fprintf(stderr,
                     "drev: the golden was made by another renderer (%s); this picture was drawn by %s\n",
                     Describe(made).c_str(), Describe(renderer).c_str());
    }
}

} // namespace

std::string RendererFileText(const RendererInfo& info) {
    return std::string(RENDERER_KEY) + info.renderer + "\n" + VERSION_KEY + info.version + "\n";
}

RendererInfo ParseRendererFile(const std::string& text) {
    RendererInfo info;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind(RENDERER_KEY, 0) == 0) {
            info.renderer = line.substr(std::strlen(RENDERER_KEY));
        } else if (line.rfind(VERSION_KEY, 0) == 0) {
            info.version = line.substr(std::strlen(VERSION_KEY));
        }
    }
    return info;
}

std::string RendererFileName(const std::string& golden) {
    return golden + RENDERER_FILE_SUFFIX;
}

std::string DiffFileName(const std::string& output) {
    const std::string extension = ".png";
    if (output.size() > extension.size() &&
        output.compare(output.size() - extension.size(), extension.size(), extension) == 0) {
        return output.substr(0, output.size() - extension.size()) + "-diff.png";
    }
    return output + "-diff.png";
}

int CompareWithGolden(const RgbImage& picture, const std::vector<unsigned char>& png,
                      const RendererInfo& renderer, const GoldenCheck& check) {
    RgbImage golden;
    std::string error;
    if (!ReadPng(check.golden, golden, error)) {
        if (check.update) {
            return Update(png, renderer, check);
        }
        std::fprintf(stderr, "drev: cannot read the golden %s: %s\n", check.golden.c_str(), error.c_str());
        return COMPARE_IO_ERROR;
    }
    if (golden.width != picture.width || golden.height != picture.height) {
        if (check.update) {
            return Update(png, renderer, check);
        }
        std::fprintf(stderr, "drev: %s is %dx%d but the golden %s is %dx%d\n", check.output.c_str(),
                     picture.width, picture.height, check.golden.c_str(), golden.width, golden.height);
        return COMPARE_FAILED;
    }
    const ImageDifference difference = CompareImages(picture, golden, check.tolerance);
    if (difference.differingPixels <= check.maxPixels) {
        return COMPARE_MATCH;
    }
    if (check.update) {
        return Update(png, renderer, check);
    }
    const std::string diffFile = DiffFileName(check.output);
    std::fprintf(
        stderr,
        "drev: %s differs from the golden %s: %lld pixels differ by more than %d (at most %lld may); "
        "the largest channel difference is %d\n",
        check.output.c_str(), check.golden.c_str(), difference.differingPixels, check.tolerance,
        check.maxPixels, difference.largestChannelDifference);
    ReportOtherRenderer(check.golden, renderer);
    if (!WritePng(diffFile, DifferenceImage(picture, golden, check.tolerance), error)) {
        std::fprintf(stderr, "drev: cannot write %s: %s\n", diffFile.c_str(), error.c_str());
        return COMPARE_IO_ERROR;
    }
    std::fprintf(stderr, "drev: the differing pixels are marked in red in %s\n", diffFile.c_str());
    return COMPARE_FAILED;
}
