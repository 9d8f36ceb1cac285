// A widget of the two-level tree: a rectangle placed relative to its parent window, with a
// style, an optional animation, a caption and a value text. Widget kinds do not differ by
// class: what makes a bevel, a label or a button look and act differently is its style and
// the clickable flag. A top-level window is a uiGroup, which adds ordered children.
//
// Widgets are made by the context's loader from a UI file; a program reads and changes them
// through the context (FindWidget, Window) between frames. The context owns the windows, a
// window owns its children, and a widget owns its animation record; a widget pointer stays valid
// until its context is destroyed. Every frame the context updates each visible widget, windows
// first, in file order: the widget keeps itself inside its parent, advances its animation and
// draws itself.
//
// Hooks: eight slots of functions the widget calls with its block (value text and integer box)
// when the context's input reaches it: UIHOOK_TAKE_FOCUS and then UIHOOK_AFTER_FOCUS when it
// takes the focus, UIHOOK_LOSE_FOCUS when it loses it. A hook may change the value text; it must
// not destroy widgets.
#pragma once

#include <vanui/uiAnimation.h>
#include <vanui/uiRect.h>
#include <vanui/uiStyle.h>
#include <vanui/uiValueText.h>

#include <functional>
#include <string>

class uiGroup;

// The hook slots the context's input calls; slots 2, 3, 4, 6 and 7 are the program's own.
enum uiHookSlot : int {
    UIHOOK_TAKE_FOCUS = 0,
    UIHOOK_LOSE_FOCUS = 1,
    UIHOOK_AFTER_FOCUS = 5,
};

// Where a text stands. The value text takes any of the nine cells of a three-by-three grid over
// the widget; the caption stands above the widget, left, centred or right (the first three).
// Any other code is taken as UIALIGN_TOP_LEFT for a caption and UIALIGN_CENTER for a value text.
enum uiAlign : int {
    UIALIGN_TOP_LEFT = 1,
    UIALIGN_TOP = 2,
    UIALIGN_TOP_RIGHT = 3,
    UIALIGN_LEFT = 4,
    UIALIGN_CENTER = 5,
    UIALIGN_RIGHT = 6,
    UIALIGN_BOTTOM_LEFT = 7,
    UIALIGN_BOTTOM = 8,
    UIALIGN_BOTTOM_RIGHT = 9,
};

// The part of a widget that its event hooks see: the value text and the integer box.
struct uiWidgetBlock {
    uiValueText valueText;
    uiRectI localBox;
};

using uiHook = std::function<void(uiWidgetBlock*)>;

class uiWidget : public uiWidgetBlock {
public:
    static constexpr int HOOK_COUNT = 8;

    uiWidget(const uiWidget&) = delete;
    uiWidget& operator=(const uiWidget&) = delete;

    // The item name of the UI file.
    const std::string& Name() const;
    // Drawn above the widget once it stands in its place; the item name at first.
    const std::string& Caption() const;
    void SetCaption(const std::string& text);
    int CaptionAlign() const;
    void SetCaptionAlign(int align);
    int ValueAlign() const;
    void SetValueAlign(int align);

    // The placement, relative to the parent window (a window's is absolute).
    const uiRectF& Rect() const;
    // Replaces the placement and recomputes the integer box from it.
    void SetRect(const uiRectF& newRect);
    // Where the widget was last drawn in its place, in picture pixels.
    const uiRectI& ScreenBox() const;
    const uiStyle& Style() const;
    void SetStyle(const uiStyle& newStyle);
    // The highlight flag of the style: the Base colour drawn twice as bright.
    void HighlightOn();
    void HighlightOff();
    // The looks the context's input gives a clickable widget: sunken while the button is held on
    // it (UIASPECT_SUNKEN), raised once released (UIASPECT_RAISED).
    void SetPressedLook();
    void SetReleasedLook();

    // A hidden widget is neither updated nor drawn; a hidden window hides its children.
    bool IsVisible() const;
    void SetVisible(bool on);
    // Buttons are clickable: the context's input hovers, presses and focuses them.
    bool IsClickable() const;
    // The animation record, or null for a widget without one.
    const uiAnimation* Animation() const;
    // The window the widget belongs to; null for a top-level window.
    uiGroup* Parent() const;

    // Sets the hook of a slot 0..7; false (nothing set) for another slot. An empty function
    // clears the slot.
    bool SetHook(int slot, uiHook hook);
    // Calls the hook of the slot with this widget's block; an empty slot or a slot outside
    // 0..7 calls nothing. True when a hook was called.
    bool CallHook(int slot);

    // True when the widget was drawn in its place on its last update: a widget waiting for or
    // running its animation is not (and its screen box is not yet where it will stand).
    bool IsPlaced() const;
    // True when the point lies strictly inside the screen box (edges excluded) of a placed widget.
    bool HitTest(int x, int y) const;

protected:
    // Only the toolkit makes widgets.
    uiWidget() = default;
    ~uiWidget() = default;
};
