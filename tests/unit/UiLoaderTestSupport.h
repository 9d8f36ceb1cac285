// Shared by the UI loader tests: each case runs in its own working directory, holding a small
// default font ("default.krf"), with a fresh log in verbose mode ("ERROR   : message" lines,
// every type written), a reset recording GL and a new context as the bench makes it. Load writes a UI file
// "test.ui" and loads it; Logged gives the log lines written since the last Load.
#pragma once

#include "BenchContext.h"
#include "FileText.h"
#include "KrfWriter.h"
#include "Log.h"
#include "RecordingGL.h"
#include "TempDir.h"
#include <vanui/uiContext.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using Lines = std::vector<std::string>;

// An 8 x 8 sheet with one glyph; the name tells fonts apart ("<name> 12 8x8").
inline void WriteTestFont(const std::string& path, const std::string& name) {
    KrfFont font;
    font.name = name;
    font.width = 8;
    font.height = 8;
    font.entries = {{'A', 0, 0, 4}};
    font.image = KrfPattern(64);
    WriteKrf(path, font);
}

class UiLoaderTestBase : public ::testing::Test {
protected:
    UiLoaderTestBase() {
        RecordingGL::Reset();
        WriteTestFont("default.krf", "Default");
        drev::InitLog();
        drev::SetLogMode(drev::LOG_MODE_VERBOSE);
        drev::SetLogThreshold(drev::LOG_TYPE_DEBUG);
        context = BenchContext();
    }

    bool Load(const std::string& text) {
        WriteFileText("test.ui", text);
        logStart = ReadFileLines("app.log").size();
        return context->LoadUiFile("test.ui");
    }

    Lines Logged() const {
        Lines lines = ReadFileLines("app.log");
        return Lines(lines.begin() + static_cast<long>(logStart), lines.end());
    }

    uiWidget& Child(size_t window, size_t child) const {
        return *context->Window(window)->Child(child);
    }

    TempDir dir;
    std::unique_ptr<uiContext> context;
    size_t logStart = 0;
};
