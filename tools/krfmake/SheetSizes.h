// The sheet sizes --size-auto tries: every power of two from MIN_AUTO_SIDE to MAX_AUTO_SIDE on
// each side, the texture sizes every OpenGL 1.1 accepts, smallest area first. Of two sizes
// with one area the squarer comes first, then the wider, whose longer rows waste less at
// their ends.
#pragma once

#include "SheetPacker.h"

#include <vector>

struct SheetSize {
    int width = 0;
    int height = 0;
};

constexpr int MIN_AUTO_SIDE = 16;
constexpr int MAX_AUTO_SIDE = 4096;

std::vector<SheetSize> AutoSheetSizes();

struct SheetChoice {
    SheetSize size;
    PackResult packed;
};

// Packs the cells on each size of AutoSheetSizes() in turn and takes the first that holds
// them all. False when none does; choice then holds the largest size and its packing.
bool ChooseAutoSheet(const std::vector<int>& widths, int lineHeight, int padding, SheetChoice& choice);
