// A large UI description generated for the benchmarks: a colour table, then windows under
// "Application", each with a grid of children that all carry a Style and an Animation block.
// The same tree can be written as a UI file or as JSON, so that the value reader can be timed
// against JSON parsers on identical content.
#pragma once

#include <string>

struct LargeUiShape {
    int windows = 100;
    int childrenPerWindow = 100;
    // Wait and Duration of every animation, in milliseconds.
    int wait = 0;
    int duration = 600;
    // Windows of the whole 800 x 600 drawing area at (0, 0), all stacked on one another, instead
    // of the 780 x 580 cells at (10, 10); the children's grid is the same in both.
    bool fullSizeWindows = false;
};

// The tree as a UI file: one item per line, a comment line before each window.
std::string MakeLargeUiText(const LargeUiShape& shape);
// The same tree as compact JSON: { "uiColorTable": {...}, "items": [ {...}, ... ] }, each item
// with its type, name and parent next to the settings of the UI file.
std::string MakeLargeUiJson(const LargeUiShape& shape);
// Windows plus children.
int LargeUiItemCount(const LargeUiShape& shape);
