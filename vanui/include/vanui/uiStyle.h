// How a widget is drawn: a plain record copied by value. The UI file's Style block fills it;
// the drawing reads Fill, Aspect, Border and Contour, and the hover highlight sets highlight.
#pragma once

// Aspect: the frame around a widget. Any other value draws no frame, as UIASPECT_FLAT.
enum uiAspect : int {
    UIASPECT_FLAT = 1,
    UIASPECT_FRAME = 2,
    UIASPECT_RAISED = 3,
    UIASPECT_SUNKEN = 4,
    UIASPECT_SHADOW = 5,
    UIASPECT_UNDERLINE = 6,
    UIASPECT_GROOVE = 7,
};

// Fill: the shading of the Base colour inside the frame ("dark" is Base x 0.8, "bright" Base x
// 1.2). Any other value fills nothing, as UIFILL_NONE.
enum uiFill : int {
    UIFILL_NONE = 1,
    UIFILL_DIAGONAL_DARK_TOP_LEFT = 2,
    UIFILL_DIAGONAL_BRIGHT_TOP_LEFT = 3,
    UIFILL_HORIZONTAL_DARK_RIGHT = 4,
    UIFILL_HORIZONTAL_BRIGHT_RIGHT = 5,
    UIFILL_VERTICAL_BRIGHT_TOP = 6,
    UIFILL_VERTICAL_DARK_TOP = 7,
    UIFILL_HORIZONTAL_BAND = 8,
    UIFILL_VERTICAL_BAND = 9,
    UIFILL_FLAT = 12,
};

struct uiStyle {
    // Kept from the UI file; nothing is drawn differently for it.
    int Shape = 0;
    int Fill = UIFILL_FLAT;
    int Aspect = UIASPECT_FLAT;
    // A solid outline in the Border colour.
    bool Border = false;
    // A dashed inner outline in the Contour colour.
    bool Contour = false;
    // The Base colour drawn twice as bright (the UI file's DoPath key of a Style block).
    bool highlight = false;
};
