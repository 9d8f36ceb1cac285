#include "LargeUiFile.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace {

// Windows are 780 x 580 at (10, 10), or the whole 800 x 600 area; children sit in a 10 x 10
// grid of 77 x 57 cells, so no placement needs a correction at run time.
const int GRID_COLUMNS = 10;
const int CELL_WIDTH = 77;
const int CELL_HEIGHT = 57;

const char* const CHILD_TYPES[] = {"uiLabel", "uiButton", "uiBevel", "uiWindow"};

struct ColorEntry {
    const char* name;
    const char* rgba;
};

const ColorEntry COLOR_TABLE[] = {
    {"None", "0 0 0 0"},           {"Base", "0.28 0.34 0.46 1"},    {"Dark", "0.08 0.1 0.16 1"},
    {"Light", "0.7 0.78 0.9 1"},   {"Highlight", "1 0.85 0.4 1"},   {"BarBase", "0.2 0.45 0.55 1"},
    {"BarDark", "0.1 0.25 0.3 1"}, {"BarLight", "0.55 0.8 0.85 1"}, {"Title", "0.95 0.9 0.7 1"},
    {"Text", "0.98 0.97 0.9 1"},   {"Caption", "0.8 0.8 0.8 1"},    {"Contour", "1 0.55 0.1 1"},
    {"Border", "1 0.85 0.2 1"},    {"ActBorder", "0.2 0.9 0.4 1"},
};

struct Item {
    const char* type;
    std::string name;
    std::string parent;
    int left, top, width, height;
    int aspect, fill;
    bool border;
    int animType, wait, duration;
    bool fade, path;
    double startX, startY;
};

std::vector<Item> MakeItems(const LargeUiShape& shape) {
    std::vector<Item> items;
    items.reserve(static_cast<size_t>(LargeUiItemCount(shape)));
    for (int w = 0; w < shape.windows; ++w) {
        const std::string window = "W" + std::to_string(w);
        const int margin = shape.fullSizeWindows ? 0 : 10;
        items.push_back({"uiWindow", window, "Application", margin, margin, 800 - 2 * margin,
                         600 - 2 * margin, 3, 1, false, 6, shape.wait, shape.duration, true, false, 0.0,
                         0.0});
        for (int c = 0; c < shape.childrenPerWindow; ++c) {
            const int cell = c % (GRID_COLUMNS * GRID_COLUMNS);
            items.push_back({CHILD_TYPES[c % 4], window + "I" + std::to_string(c), window,
                             4 + (cell % GRID_COLUMNS) * CELL_WIDTH, 4 + (cell / GRID_COLUMNS) * CELL_HEIGHT,
                             70, 50, 1 + c % 5, 1 + c % 12, c % 2 == 0, c % 7, shape.wait + c % 10 * 10,
                             shape.duration, c % 3 == 0, c % 5 == 0, 12.5 * (c % 4), 7.25 * (c % 3)});
        }
    }
    return items;
}

const char* Truth(bool on) {
    return on ? "true" : "false";
}

void Append(std::string& out, const char* format, ...) __attribute__((format(printf, 2, 3)));

void Append(std::string& out, const char* format, ...) {
    char line[512];
    va_list args;
    va_start(args, format);
    const int length = std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    if (length > 0) {
        out.append(line,
                   static_cast<size_t>(length) < sizeof line ? static_cast<size_t>(length) : sizeof line - 1);
    }
}

} // namespace

int LargeUiItemCount(const LargeUiShape& shape) {
    return shape.windows * (1 + shape.childrenPerWindow);
}

std::string MakeLargeUiText(const LargeUiShape& shape) {
    std::string out = "# Generated benchmark UI file\nuiColorTable {\n";
    for (const ColorEntry& entry : COLOR_TABLE) {
        Append(out, "    %s [ %s ]\n", entry.name, entry.rgba);
    }
    out += "}\n";
    for (const Item& item : MakeItems(shape)) {
        if (item.parent == "Application") {
            Append(out, "# window %s\n", item.name.c_str());
        }
        Append(out,
               "%s \"%s\" \"%s\" { Left %d Top %d Width %d Height %d Style { Aspect %d Fill %d Border %s } "
               "Animation { Type %d Wait %d Duration %d DoFade %s DoPath %s StartX %g StartY %g } }\n",
               item.type, item.name.c_str(), item.parent.c_str(), item.left, item.top, item.width,
               item.height, item.aspect, item.fill, Truth(item.border), item.animType, item.wait,
               item.duration, Truth(item.fade), Truth(item.path), item.startX, item.startY);
    }
    return out;
}

std::string MakeLargeUiJson(const LargeUiShape& shape) {
    std::string out = "{\"uiColorTable\":{";
    for (const ColorEntry& entry : COLOR_TABLE) {
        std::string rgba = entry.rgba;
        for (char& c : rgba) {
            c = c == ' ' ? ',' : c;
        }
        Append(out, "%s\"%s\":[%s]", &entry == COLOR_TABLE ? "" : ",", entry.name, rgba.c_str());
    }
    out += "},\"items\":[\n";
    bool first = true;
    for (const Item& item : MakeItems(shape)) {
        Append(out,
               "%s{\"type\":\"%s\",\"name\":\"%s\",\"parent\":\"%s\",\"Left\":%d,\"Top\":%d,\"Width\":%d,"
               "\"Height\":%d,\"Style\":{\"Aspect\":%d,\"Fill\":%d,\"Border\":%s},\"Animation\":{\"Type\":%d,"
               "\"Wait\":%d,\"Duration\":%d,\"DoFade\":%s,\"DoPath\":%s,\"StartX\":%g,\"StartY\":%g}}\n",
               first ? "" : ",", item.type, item.name.c_str(), item.parent.c_str(), item.left, item.top,
               item.width, item.height, item.aspect, item.fill, Truth(item.border), item.animType, item.wait,
               item.duration, Truth(item.fade), Truth(item.path), item.startX, item.startY);
        first = false;
    }
    out += "]}\n";
    return out;
}
