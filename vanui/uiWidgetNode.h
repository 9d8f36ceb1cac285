// What a widget is inside the toolkit: every widget and window of a context is a uiWidgetNode,
// the one class behind the public uiWidget and uiGroup. It holds the widget's record, its
// animation bookkeeping and, for a top-level window, its children, and runs the per-frame step:
// keep the widget inside its parent or the drawing area, advance its animation through wait, run
// and finish, and draw it with the working colour set refreshed for it.
//
// The loader makes nodes and the context adopts them (context is null until then; a node without
// a context neither updates nor draws). Fields are the toolkit's to read and write directly.
#pragma once

#include "uiContextState.h"
#include <vanui/uiGroup.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

class uiWidgetNode final : public uiGroup {
public:
    uiWidgetNode(const std::string& itemName, bool isClickable);

    // The per-frame step; clock is the animation time in milliseconds. A window steps itself,
    // then each visible child, all with the same clock.
    void Update(double clock);
    // Takes the child, makes this window its parent and appends it; returns the child.
    uiWidgetNode* AddChild(std::unique_ptr<uiWidgetNode> child);
    // Wires the node, and a window's children, to the context that now holds it.
    void Adopt(uiContextState& owner);

    uiContextState* context = nullptr;
    uiWidgetNode* parent = nullptr;
    // The line of the UI file where the widget's item starts; 0 for a widget made otherwise.
    int sourceLine = 0;
    std::string name;
    uiRectF rect{0.0f, 0.0f, 10.0f, 10.0f};
    uiRectI screenBox{0, 0, 10, 10};
    uiStyle style;
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
    int captionAlign = UIALIGN_TOP_LEFT;
    int valueAlign = UIALIGN_CENTER;
    std::array<uiHook, HOOK_COUNT> hooks;
    // Set on each update that draws the widget in its place (and updates screenBox), cleared
    // while its animation waits or runs.
    bool placed = false;
    // A right or bottom edge that one correction could not bring back (a placement beyond the
    // 32-bit range) is reported once, not on every frame; a new placement forgets it.
    bool leftStuck = false;
    bool topStuck = false;
    std::vector<std::unique_ptr<uiWidgetNode>> children;

private:
    void Step(double clock);
    void KeepInside(double ox, double oy);
    void DrawInPlace(double ox, double oy);
    void Animate(double clock, double ox, double oy);
    void StartAnimation(double clock);
    void RunAnimation(double ox, double oy);
    void SetExtents();
    // Reports a correction the runtime made, at the widget's item.
    void ReportCorrection(const std::string& text);
    // The caption above screenBox with the font of slot 1, the value text inside it with the
    // font of slot 2, both in the working set's Text colour; an empty slot draws nothing, and so
    // does every drawing step outside a frame (no draw list).
    void DrawTexts();
};

// Every widget a context hands out is a node.
inline uiWidgetNode& Node(uiWidget& widget) {
    return static_cast<uiWidgetNode&>(widget);
}
inline const uiWidgetNode& Node(const uiWidget& widget) {
    return static_cast<const uiWidgetNode&>(widget);
}

namespace vanui {

// The first of the top-level windows with the name, or null.
uiWidgetNode* FindWindow(const std::vector<std::unique_ptr<uiWidgetNode>>& windows, const std::string& windowName);

} // namespace vanui
