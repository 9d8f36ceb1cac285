// A widget of the two-level tree: a rectangle placed relative to its parent window, with a
// style, an optional animation, a caption and a value text. Widget kinds do not differ by
// class: what makes a bevel, a label or a button look and act differently is its style and
// the clickable flag. A top-level window is a uiGroup, which adds ordered children.
//
// The context (uiContext) owns the windows, a window owns its children, and a widget owns its
// animation record; the pointers to the context, the parent and the colour tables are
// borrowed. Update runs once per frame on every visible widget, windows first, in file order.
#pragma once

#include "uiAnimation.h"
#include "uiRect.h"
#include "uiStyle.h"
#include "uiValueText.h"

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

    // The per-frame step; clock is the animation time in milliseconds.
    virtual void Update(const double& clock);
    virtual void HighlightOn();
    virtual void HighlightOff();

    // Calls the hook of the slot with this widget's block; an empty slot or a slot outside
    // 0..7 calls nothing. True when a hook was called.
    bool CallHook(int slot);

    // Replaces rect and recomputes localBox from it.
    void SetRect(const uiRectF& newRect);

    // True when the point lies strictly inside screenBox (edges excluded) and the widget was
    // drawn in its place on its last update: a widget waiting for or running its animation
    // has a stale screenBox and is never hit.
    bool HitTest(int x, int y) const;
    // The sunken look of a held button (Aspect 4) and the raised look of a released one (3).
    void SetPressedLook();
    void SetReleasedLook();

    // Drawing with the working colour set as last refreshed; the origin (ox, oy) is added to
    // rect, ex and ey are the stretch or roll extents. A widget without a working set draws
    // nothing.
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

private:
    void KeepInside(double ox, double oy);
    void DrawInPlace(double ox, double oy);
    void Animate(const double& clock, double ox, double oy);
    void StartAnimation(const double& clock, double ox, double oy);
    void RunAnimation(double ox, double oy);
    void SetExtents();

    // A right or bottom edge that one correction could not bring back (a placement beyond the
    // 32-bit range) is reported once, not on every frame; SetRect forgets it.
    bool leftStuck = false;
    bool topStuck = false;
};

// A child widget for the type codes of uiWindow, uiBevel, uiLabel and uiButton (the button
// clickable), with every field at its initial value; null for any other code. Top-level
// windows are uiGroup objects, made by the loader.
std::unique_ptr<uiWidget> CreateWidget(int typeCode);
