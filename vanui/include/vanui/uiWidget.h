// A widget of the two-level tree: a rectangle placed relative to its parent window, with a
// style, an optional animation, a caption and a value text. Widget kinds do not differ by
// class: what makes a bevel, a label or a button look and act differently is its style and
// the clickable flag. A top-level window is a uiGroup, which adds ordered children.
//
// Widgets are made by the context's loader from a UI file; a program reads and changes them
// through the context (FindWidget, Windows) between frames. The context owns the windows, a
// window owns its children, and a widget owns its animation record. Every frame the context
// updates each visible widget, windows first, in file order: the widget keeps itself inside its
// parent, advances its animation and draws itself.
//
// Hooks: eight slots of functions the widget calls with its block (value text and integer box)
// when the context's input reaches it: slot 0 and 5 when it takes the focus, slot 1 when it loses
// it. A hook may change the value text; it must not destroy widgets.
#pragma once

#include <vanui/uiAnimation.h>
#include <vanui/uiRect.h>
#include <vanui/uiStyle.h>
#include <vanui/uiValueText.h>

#include <array>
#include <functional>
#include <memory>
#include <string>

class uiColorTable;
class uiContext;
class uiGroup;

// The code of an item's type name, as the UI file's first token of a section gives it.
enum uiTypeCode {
    UITYPE_NONE = 0,
    UITYPE_COLORTABLE = 4,
    UITYPE_FONTTABLE = 5,
    UITYPE_WINDOW = 7,
    UITYPE_BEVEL = 8,
    UITYPE_LABEL = 9,
    UITYPE_BUTTON = 10,
    UITYPE_TEXT = 15,
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

    uiWidget() = default;
    virtual ~uiWidget() = default;
    uiWidget(const uiWidget&) = delete;
    uiWidget& operator=(const uiWidget&) = delete;

    // The item name of the UI file.
    const std::string& Name() const { return name; }
    // Drawn above the widget once it stands in its place; the item name at first.
    const std::string& Caption() const { return caption; }
    void SetCaption(const std::string& text) { caption = text; }
    // 1 left, 2 centred, 3 right, above the widget; the value text's cell of a three-by-three grid,
    // 1 top left to 9 bottom right (5 centred). Other codes are taken as 1 and 5.
    int CaptionAlign() const { return captionAlign; }
    void SetCaptionAlign(int align) { captionAlign = align; }
    int ValueAlign() const { return valueAlign; }
    void SetValueAlign(int align) { valueAlign = align; }

    // The placement, relative to the parent window (a window's is absolute).
    const uiRectF& Rect() const { return rect; }
    // Replaces the placement and recomputes the integer box from it.
    void SetRect(const uiRectF& newRect);
    // Where the widget was last drawn in its place, in picture pixels.
    const uiRectI& ScreenBox() const { return screenBox; }
    const uiStyle& Style() const { return style; }
    void SetStyle(const uiStyle& newStyle) { style = newStyle; }
    // The highlight flag of the style: the Base colour drawn twice as bright.
    virtual void HighlightOn();
    virtual void HighlightOff();

    // A hidden widget is neither updated nor drawn; a hidden window hides its children.
    bool IsVisible() const { return visible; }
    void SetVisible(bool on) { visible = on; }
    // Buttons are clickable: the context's input hovers, presses and focuses them.
    bool IsClickable() const { return clickable; }
    // The animation record, or null for a widget without one.
    const uiAnimation* Animation() const { return animation.get(); }
    // The window the widget belongs to; null for a top-level window.
    uiGroup* Parent() const { return parent; }

    // Sets the hook of a slot 0..7 (other slots are ignored); an empty function clears it.
    void SetHook(int slot, uiHook hook);
    // Calls the hook of the slot with this widget's block; an empty slot or a slot outside
    // 0..7 calls nothing. True when a hook was called.
    bool CallHook(int slot);

    // True when the widget was drawn in its place on its last update: a widget waiting for or
    // running its animation is not (and its screen box is not yet where it will stand).
    bool IsPlaced() const { return placed; }
    // True when the point lies strictly inside the screen box (edges excluded) of a placed widget.
    bool HitTest(int x, int y) const;

protected:
    // The per-frame step; clock is the animation time in milliseconds.
    virtual void Update(const double& clock);

private:
    friend class uiContext;
    friend class uiGroup;
    friend class uiLoader;
    friend struct uiWidgetInternals;

    void KeepInside(double ox, double oy);
    void DrawInPlace(double ox, double oy);
    void Animate(const double& clock, double ox, double oy);
    void StartAnimation(const double& clock, double ox, double oy);
    void RunAnimation(double ox, double oy);
    void SetExtents();
    // The sunken look of a held button (Aspect 4) and the raised look of a released one (3).
    void SetPressedLook();
    void SetReleasedLook();
    // Drawing with the working colour set as last refreshed; the origin (ox, oy) is added to
    // rect, ex and ey are the stretch or roll extents.
    void Draw(float ox, float oy);
    void DrawStretch(float ox, float oy, float ex, float ey);
    void DrawRoll(float ox, float oy, float ex, float ey);
    // The caption above screenBox with the font of slot 1, the value text inside it with the
    // font of slot 2, both in the working set's Text colour; an empty slot draws nothing.
    void DrawCaption();
    void DrawValueText();

    uiContext* context = nullptr;
    uiGroup* parent = nullptr;
    std::string name;
    uiRectF rect{0.0f, 0.0f, 10.0f, 10.0f};
    uiRectI screenBox{0, 0, 10, 10};
    uiStyle style;
    const uiColorTable* colorTable = nullptr;
    uiColorTable* workColors = nullptr;
    bool visible = true;
    bool clickable = false;
    std::unique_ptr<uiAnimation> animation;
    float animProgress = 0.0f;
    float pathDX = 0.0f;
    float pathDY = 0.0f;
    float extentX = 0.0f;
    float extentY = 0.0f;
    float fade = 0.0f;
    double animTime = 0.0;
    double animStart = 0.0;
    double animLast = 0.0;
    bool animStarted = false;
    std::string caption;
    int captionAlign = 1;
    int valueAlign = 5;
    std::array<uiHook, HOOK_COUNT> hooks;
    // Set on each update that draws the widget in its place (and updates screenBox), cleared
    // while its animation waits or runs.
    bool placed = false;
    // A right or bottom edge that one correction could not bring back (a placement beyond the
    // 32-bit range) is reported once, not on every frame; SetRect forgets it.
    bool leftStuck = false;
    bool topStuck = false;
};
