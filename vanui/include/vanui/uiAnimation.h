// How a widget appears: after Wait milliseconds it runs for Duration milliseconds, rolling or
// stretching by Type, fading in with DoFade and moving from (StartX, StartY), relative to its
// parent, to its place with DoPath. The loader fills the record from an item's Animation block
// without checking ranges; the widget that owns it interprets the values every frame.
#pragma once

enum uiAnimationType {
    UIANIMT_NONE = 0,
    UIANIMT_ROLLX = 1,
    UIANIMT_ROLLY = 2,
    UIANIMT_ROLLXY = 3,
    UIANIMT_STRETCHX = 4,
    UIANIMT_STRETCHY = 5,
    UIANIMT_STRETCHXY = 6,
};

struct uiAnimation {
    int Type = UIANIMT_NONE;
    int Wait = 0;
    int Duration = 0;
    bool DoFade = false;
    bool DoPath = false;
    float StartX = 0.0f;
    float StartY = 0.0f;
};
