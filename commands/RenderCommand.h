// drev render FILE -o OUT.png: one frame of a UI file (its widgets, or with --scene the whole UI
// test window) or of a font (the font test window's picture), drawn off-screen with the
// windows' own scene code, written as a PNG and, with --compare, checked against a golden one.
#pragma once

#include "InputKind.h"
#include "RenderBackend.h"

#include <string>

// A UI file (.ui) or a font (.krf), by the file name's extension in any case.

struct RenderOptions {
    std::string file;
    InputKind input = InputKind::Ui;
    std::string output;
    // The animation time in milliseconds; below 0 for the settled picture.
    long long atMs = -1;
    int width = 800;
    int height = 600;
    bool scene = false;
    RenderBackend backend = RenderBackend::GL1;
    // The golden picture to compare with; empty for no compare.
    std::string golden;
    int tolerance = 3;
    long long maxPixels = 0;
    bool update = false;
    // The application log's file; empty for none.
    std::string logFile;
};

// 0 when the picture was written (and matched or updated the golden); 1 when the compare failed
// or the input had errors (the picture is written all the same); 2 for an input that can't be
// read, an output that can't be written, a size the GL can't draw or no off-screen GL.
int RunRenderCommand(const RenderOptions& options);
