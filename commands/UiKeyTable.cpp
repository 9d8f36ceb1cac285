#include "UiKeyTable.h"

namespace {

constexpr const char* NO_DEFAULT = "";
constexpr const char* ANY_NUMBER = "any number";
constexpr const char* KEPT_COLOUR = "Kept for programs that use it; the toolkit draws nothing with it.";
constexpr const char* COLOUR_RANGE = "each 0 to 1 (not clamped); 0 0 0 0 keeps the colour as it was";
constexpr const char* FONT_DEFAULT = "\"default.krf\"";
constexpr const char* FONT_RANGE =
    "a .krf file, looked up in the UI file's folder, then among the shipped fonts";

constexpr UiKeyInfo Section(const char* name, UiBlock opens, const char* meaning) {
    return {UiBlock::File, name, UiKeyKind::Section, opens, NO_DEFAULT, NO_DEFAULT, meaning, false};
}

constexpr UiKeyInfo Key(UiBlock block, const char* name, UiKeyKind kind, const char* defaultValue,
                        const char* range, const char* meaning) {
    return {block, name, kind, UiBlock::Other, defaultValue, range, meaning, false};
}

constexpr UiKeyInfo Placement(const char* name, const char* meaning) {
    return {UiBlock::Item, name, UiKeyKind::Number, UiBlock::Other, "0", ANY_NUMBER, meaning, true};
}

constexpr UiKeyInfo Colour(const char* name, const char* defaultValue, const char* meaning) {
    return Key(UiBlock::ColorTable, name, UiKeyKind::Color, defaultValue, COLOUR_RANGE, meaning);
}

constexpr UiKeyInfo Font(const char* name, const char* meaning) {
    return Key(UiBlock::FontTable, name, UiKeyKind::FontFile, FONT_DEFAULT, FONT_RANGE, meaning);
}

const UiKeyInfo KEYS[] = {
    Section(
        "uiFontTable", UiBlock::FontTable,
        "The fonts of slots 1 to 5: Label writes the captions, Text the value texts; Title, Small and Mono "
        "are loaded for programs that use them. A missing or unloadable entry keeps the default font and "
        "is reported; the load goes on."),
    Section(
        "uiColorTable", UiBlock::ColorTable,
        "The fourteen colours every widget draws with, each [ red green blue alpha ]. All fourteen must be "
        "there: a missing or malformed entry stops the load."),
    Section("uiWindow", UiBlock::Item,
            "`uiWindow \"name\" \"Application\" { ... }` makes a top-level window; under a window it makes a "
            "plain child. A window must come before its children."),
    Section("uiBevel", UiBlock::Item,
            "A child of a window: `uiBevel \"name\" \"window\" { ... }`. Not clickable."),
    Section("uiLabel", UiBlock::Item,
            "A child of a window: `uiLabel \"name\" \"window\" { ... }`. Not clickable."),
    Section("uiButton", UiBlock::Item,
            "A clickable child of a window: `uiButton \"name\" \"window\" { ... }`. Hover, press, focus and "
            "typing reach it."),

    Placement("Left",
              "The left edge in pixels; a child's is relative to its window. A widget that sticks out of "
              "its window (a window out of the 800 x 600 area) is pulled back, and that is reported."),
    Placement("Top", "The top edge in pixels, y growing downwards; a child's is relative to its window."),
    Placement("Width", "The width in pixels; an item without it is 0 wide."),
    Placement("Height", "The height in pixels; an item without it is 0 high."),
    {UiBlock::Item, "Style", UiKeyKind::Block, UiBlock::Style, "Aspect 3, Fill 12 (raised, flat fill)",
     "a block { Shape Fill Aspect Contour Border DoPath }",
     "How the widget is drawn. An empty Style block gives Aspect 1 and Fill 12; a Style that is not a "
     "block is reported and gives Aspect 1.",
     false},
    {UiBlock::Item, "Animation", UiKeyKind::Block, UiBlock::Animation, "none: drawn from the first frame",
     "a block { Type Wait Duration DoFade DoPath StartX StartY }",
     "How the widget appears. An animated widget shows its caption and value text once its animation has "
     "ended.",
     false},

    Key(UiBlock::Style, "Shape", UiKeyKind::Number, "0", "whole numbers (a fraction is cut off)",
        "Kept in the style; nothing is drawn from it."),
    Key(UiBlock::Style, "Fill", UiKeyKind::Number, "12", "whole numbers 1 to 12 (a fraction is cut off)",
        "The shading of the Base colour inside the frame: 2 diagonal, dark top left; 3 diagonal, bright top "
        "left; "
        "4 horizontal, dark right; 5 horizontal, bright right; 6 vertical, bright top; 7 vertical, dark top; "
        "8 horizontal band; 9 vertical band; 12 flat. 1, 10, 11 and any other value: no fill."),
    Key(UiBlock::Style, "Aspect", UiKeyKind::Number, "1 (3 without a Style block)",
        "whole numbers 1 to 7 (a fraction is cut off)",
        "The frame, in the Light and Dark colours: 1 flat, 2 frame, 3 raised, 4 sunken, 5 shadow, 6 "
        "underline, "
        "7 groove. Any value outside 2 to 7 is flat."),
    Key(UiBlock::Style, "Contour", UiKeyKind::Boolean, "false", "true or false (a number is ignored)",
        "A dashed outline 6 pixels inside the frame, in the Contour colour."),
    Key(UiBlock::Style, "Border", UiKeyKind::Boolean, "false", "true or false (a number is ignored)",
        "A solid outline around the widget, in the Border colour."),
    Key(UiBlock::Style, "DoPath", UiKeyKind::Boolean, "false", "true or false (a number is ignored)",
        "Draws the widget highlighted (Base doubled in brightness); on a button the highlight then follows "
        "the mouse."),

    Key(UiBlock::Animation, "Type", UiKeyKind::Number, "0", "whole numbers 0 to 6 (a fraction is cut off)",
        "0 appear, 1 roll X, 2 roll Y, 3 roll XY, 4 stretch X, 5 stretch Y, 6 stretch XY. Another value is "
        "reset to 0 when the animation runs, and that is reported."),
    Key(UiBlock::Animation, "Wait", UiKeyKind::Number, "0", "whole milliseconds",
        "How long the widget waits before it first shows; it is not drawn while it waits."),
    Key(UiBlock::Animation, "Duration", UiKeyKind::Number, "0", "whole milliseconds",
        "How long the animation runs; 0 shows the widget as soon as its wait ends."),
    Key(UiBlock::Animation, "DoFade", UiKeyKind::Boolean, "false", "true or false (a number is ignored)",
        "Fades the widget in: the alpha of every colour rises with the animation's progress."),
    Key(UiBlock::Animation, "DoPath", UiKeyKind::Boolean, "false", "true or false (a number is ignored)",
        "Flies the widget in along a straight line from StartX, StartY to its place."),
    Key(UiBlock::Animation, "StartX", UiKeyKind::Number, "0", ANY_NUMBER,
        "Where a DoPath animation starts, in pixels relative to the window."),
    Key(UiBlock::Animation, "StartY", UiKeyKind::Number, "0", ANY_NUMBER,
        "Where a DoPath animation starts, in pixels relative to the window."),

    Font("Label", "Slot 1: the font of every caption."),
    Font("Text", "Slot 2: the font of every value text."),
    Font("Title", "Slot 3, for programs that use it."),
    Font("Small", "Slot 4, for programs that use it."),
    Font("Mono", "Slot 5, for programs that use it."),

    Colour("None", "[ 0 0 0 0 ]", KEPT_COLOUR),
    Colour("Base", "[ 0.7 0.7 0.5 0.8 ]", "Every fill; doubled in brightness on a highlighted widget."),
    Colour("Dark", "[ 0.4 0.5 0.6 0.8 ]",
           "The dark side of frames (raised, sunken, shadow, underline, groove)."),
    Colour("Light", "[ 0.7 0.1 0.7 0.8 ]", "The light side of frames (raised, sunken, underline, groove)."),
    Colour("Highlight", "[ 1.0 0.5 0.8 0.8 ]", KEPT_COLOUR),
    Colour("BarBase", "[ 0 0.6 0.6 0.8 ]", KEPT_COLOUR),
    Colour("BarDark", "[ 0.5 0.5 0.1 0.8 ]", KEPT_COLOUR),
    Colour("BarLight", "[ 0.4 0.4 0.6 0.8 ]", KEPT_COLOUR),
    Colour("Title", "[ 0.7 0.7 0.7 0.8 ]", KEPT_COLOUR),
    Colour("Text", "[ 0.9 0.9 0.9 0.8 ]", "Captions and value texts."),
    Colour("Caption", "[ 0.5 0.5 0.5 0.8 ]", KEPT_COLOUR),
    Colour("Contour", "[ 1.0 0.3 0 0.8 ]", "The dashed inner outline of Style Contour true."),
    Colour("Border", "[ 0 0 0.9 0.8 ]", "The solid outline of Style Border true."),
    Colour("ActBorder", "[ 0.1 0.1 0.1 0.8 ]", KEPT_COLOUR),
};

const char* BlockName(UiBlock block) {
    switch (block) {
    case UiBlock::File:
        return "section";
    case UiBlock::Item:
        return "widget item";
    case UiBlock::Style:
        return "Style";
    case UiBlock::Animation:
        return "Animation";
    case UiBlock::FontTable:
        return "uiFontTable";
    case UiBlock::ColorTable:
        return "uiColorTable";
    case UiBlock::Other:
        break;
    }
    return "block";
}

const char* KindName(UiKeyKind kind) {
    switch (kind) {
    case UiKeyKind::Section:
        return "section";
    case UiKeyKind::Number:
        return "number";
    case UiKeyKind::Boolean:
        return "true or false";
    case UiKeyKind::FontFile:
        return "font file name (a string)";
    case UiKeyKind::Color:
        return "colour [ red green blue alpha ]";
    case UiKeyKind::Block:
        return "block";
    }
    return "";
}

} // namespace

std::vector<const UiKeyInfo*> UiKeysOf(UiBlock block) {
    std::vector<const UiKeyInfo*> keys;
    for (const UiKeyInfo& key : KEYS) {
        if (key.block == block) {
            keys.push_back(&key);
        }
    }
    return keys;
}

const UiKeyInfo* FindUiKey(UiBlock block, std::string_view name) {
    for (const UiKeyInfo& key : KEYS) {
        if (key.block == block && name == key.name) {
            return &key;
        }
    }
    return nullptr;
}

// A section whose type name the table does not know is read as a widget item all the same.
UiBlock InnerBlock(UiBlock outer, std::string_view key) {
    const UiKeyInfo* info = FindUiKey(outer, key);
    if (info != nullptr) {
        return info->opens;
    }
    return outer == UiBlock::File ? UiBlock::Item : UiBlock::Other;
}

std::string DescribeUiKey(const UiKeyInfo& key) {
    std::string text = std::string("**") + key.name + "** (" + BlockName(key.block) + ")";
    if (key.kind != UiKeyKind::Section) {
        text += std::string(": ") + KindName(key.kind);
        if (*key.defaultValue != '\0') {
            text += std::string(", default ") + key.defaultValue;
        }
        if (*key.range != '\0') {
            text += std::string("; ") + key.range;
        }
    }
    return text + "\n\n" + key.meaning;
}
