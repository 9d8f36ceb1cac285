// How a rendered picture differs from a golden one. A pixel differs when any of its three
// channels differs by more than the tolerance; the largest channel difference is over all
// pixels, differing or not. Both pictures must have the same size.
#pragma once

#include "RgbImage.h"

struct ImageDifference {
    long long differingPixels = 0;
    int largestChannelDifference = 0;
};

ImageDifference CompareImages(const RgbImage& picture, const RgbImage& golden, int tolerance);
// The picture dimmed to a third, with every differing pixel pure red: where to look.
RgbImage DifferenceImage(const RgbImage& picture, const RgbImage& golden, int tolerance);
