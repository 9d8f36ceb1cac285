// What a program that embeds the toolkit never sees of a widget and a context, for the toolkit's
// tests: the animation bookkeeping, the colour tables and context the loader wires into each
// widget, the per-frame step of one widget, and the clock's start. Nothing of the toolkit itself
// goes through here.
#pragma once

#include <vanui/uiContext.h>

#include <memory>

struct uiWidgetInternals {
    // One update of the widget alone, drawing into the list as a Tick of its context would.
    static void Update(uiWidget& widget, double clock, uiDrawList& list) {
        uiDrawList* const ticking = widget.context != nullptr ? widget.context->drawList : nullptr;
        if (widget.context != nullptr) {
            widget.context->drawList = &list;
        }
        widget.Update(clock);
        if (widget.context != nullptr) {
            widget.context->drawList = ticking;
        }
    }
    static uiWidget* AddChild(uiGroup& window, std::unique_ptr<uiWidget> child) {
        return window.AddChild(std::move(child));
    }
    static void SetName(uiWidget& widget, const std::string& name) { widget.name = name; }
    static void SetClickable(uiWidget& widget, bool on) { widget.clickable = on; }
    static void SetAnimation(uiWidget& widget, std::unique_ptr<uiAnimation> animation) {
        widget.animation = std::move(animation);
    }
    static uiAnimation* MutableAnimation(uiWidget& widget) { return widget.animation.get(); }

    static uiContext* Context(const uiWidget& widget) { return widget.context; }
    static const uiColorTable* ColorTable(const uiWidget& widget) { return widget.colorTable; }
    static uiColorTable* WorkColors(const uiWidget& widget) { return widget.workColors; }
    // Wires a widget made by a test to the context, as the loader wires the widgets it makes.
    static void Attach(uiWidget& widget, uiContext& context) {
        widget.context = &context;
        widget.colorTable = &context.colorTable;
        widget.workColors = &context.workColors;
    }

    static float Progress(const uiWidget& widget) { return widget.animProgress; }
    static float ExtentX(const uiWidget& widget) { return widget.extentX; }
    static float ExtentY(const uiWidget& widget) { return widget.extentY; }
    static float Fade(const uiWidget& widget) { return widget.fade; }
    static double AnimationTime(const uiWidget& widget) { return widget.animTime; }
    static double AnimationStart(const uiWidget& widget) { return widget.animStart; }
    static bool AnimationStarted(const uiWidget& widget) { return widget.animStarted; }
    static const uiRectI& LocalBox(const uiWidget& widget) { return widget.localBox; }

    static uiColorTable& WorkColors(uiContext& context) { return context.workColors; }
    // A window made by a test, appended to the context's tree as the loader appends one.
    static uiGroup& AddWindow(uiContext& context, std::unique_ptr<uiGroup> window) {
        context.windows.push_back(std::move(window));
        return *context.windows.back();
    }
    // Forgets the hovered and pressed widgets, as a new context starts.
    static void ForgetInputTargets(uiContext& context) {
        context.hovered = nullptr;
        context.pressed = nullptr;
    }
    static bool ClockStarted(const uiContext& context) { return context.clockStarted; }
    static bool HasClock(const uiContext& context) { return context.clock != nullptr; }
};
