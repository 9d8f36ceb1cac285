// Shared by the font tests: each case runs in its own working directory with a fresh log
// (plain lines, every type written) and a reset recording GL. SampleFont is the font most
// cases draw with: line height 16, nominal width 10, a 256 x 128 sheet, glyphs A (10 pixels),
// B (12), the Latin-1 letter 0xE9 (9) and the code 0xFFE9 (7).
#pragma once

#include "BenchContext.h"
#include "FileText.h"
#include "KrfWriter.h"
#include "Log.h"
#include "RecordingGL.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class FontTestBase : public ::testing::Test {
protected:
    FontTestBase() {
        drev::InitLog();
        drev::SetLogThreshold(drev::LOG_TYPE_DEBUG);
        logStart = ReadFileLines("app.log").size();
        RecordingGL::Reset();
    }

    std::vector<std::string> NewLogLines() const {
        std::vector<std::string> lines = ReadFileLines("app.log");
        return std::vector<std::string>(lines.begin() + static_cast<long>(logStart), lines.end());
    }

    TempDir dir;
    size_t logStart = 0;
};

inline KrfFont SampleFont() {
    KrfFont font;
    font.entries = {{'A', 1, 1, 10}, {'B', 11, 1, 12}, {0xE9, 23, 1, 9}, {0xFFE9, 32, 1, 7}};
    font.image = KrfPattern(256 * 128);
    return font;
}
