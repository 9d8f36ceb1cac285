#include "SheetSizes.h"

#include <algorithm>
#include <tuple>

namespace {

// How far a size is from square, counted in doublings.
int Elongation(const SheetSize& size) {
    int steps = 0;
    for (int a = std::min(size.width, size.height), b = std::max(size.width, size.height); a < b; a *= 2) {
        ++steps;
    }
    return steps;
}

} // namespace

std::vector<SheetSize> AutoSheetSizes() {
    std::vector<SheetSize> sizes;
    for (int width = MIN_AUTO_SIDE; width <= MAX_AUTO_SIDE; width *= 2) {
        for (int height = MIN_AUTO_SIDE; height <= MAX_AUTO_SIDE; height *= 2) {
            sizes.push_back({width, height});
        }
    }
    std::sort(sizes.begin(), sizes.end(), [](const SheetSize& a, const SheetSize& b) {
        return std::make_tuple(static_cast<long>(a.width) * a.height, Elongation(a), -a.width) <
               std::make_tuple(static_cast<long>(b.width) * b.height, Elongation(b), -b.width);
    });
    return sizes;
}

bool ChooseAutoSheet(const std::vector<int>& widths, int lineHeight, int padding, SheetChoice& choice) {
    // Sizes smaller than the cells' area, or narrower than the widest cell, can't hold them
    // and are passed over unpacked: packing thousands of cells on each size would take long.
    long long area = 0;
    int widest = 0;
    for (const int width : widths) {
        area += static_cast<long long>(std::max(width, 1)) * lineHeight;
        widest = std::max(widest, width);
    }
    for (const SheetSize& size : AutoSheetSizes()) {
        if (static_cast<long long>(size.width) * size.height < area || size.width < widest ||
            size.height < lineHeight) {
            continue;
        }
        choice.size = size;
        choice.packed = SheetPacker(size.width, size.height, lineHeight, padding).Pack(widths);
        if (choice.packed.fits) {
            return true;
        }
    }
    choice.size = {MAX_AUTO_SIDE, MAX_AUTO_SIDE};
    choice.packed = SheetPacker(MAX_AUTO_SIDE, MAX_AUTO_SIDE, lineHeight, padding).Pack(widths);
    return false;
}
