// Shared by the widget runtime tests: the loader test base (own working directory with a test
// font, verbose log, recording GL, a new context) plus a drawing area of 800 x 600 and a clock
// the test sets by hand.
#pragma once

#include "UiLoaderTestSupport.h"
#include "uiInternal.h"
#include <vanui/uiGLBackend.h>

#include <algorithm>

#include <memory>
#include <vector>

// Reads whatever the test last stored.
class ManualTimer : public uiClock {
public:
    explicit ManualTimer(const long double& seconds) : seconds(seconds) {}
    double Seconds() override { return static_cast<double>(seconds); }

private:
    const long double& seconds;
};

// A filled rectangle as drawn: an untextured quad of one colour with axis-aligned sides, from its
// top-left corner clockwise.
struct DrawnRect {
    float x1, y1, x2, y2;
    float color[4];
};

inline std::vector<DrawnRect> DrawnRects() {
    std::vector<DrawnRect> rects;
    for (const RecordingGL::Batch& batch : RecordingGL::Batches()) {
        const std::vector<RecordingGL::Vertex>& v = batch.vertices;
        if (batch.mode != GL_QUADS || batch.texture != 0 || v[0].y != v[1].y || v[1].x != v[2].x ||
            v[2].y != v[3].y || v[3].x != v[0].x || !std::equal(v[0].color, v[0].color + 4, v[2].color)) {
            continue;
        }
        rects.push_back({v[0].x, v[0].y, v[2].x, v[2].y, {v[0].color[0], v[0].color[1], v[0].color[2], v[0].color[3]}});
    }
    return rects;
}

// The lines of text drawn: runs of textured glyph quads that share their top edge. A caption is
// two (its shadow and itself), a value text one.
inline size_t TextsDrawn() {
    size_t texts = 0;
    const RecordingGL::Batch* previous = nullptr;
    for (const RecordingGL::Batch& batch : RecordingGL::Batches()) {
        const bool glyph = batch.mode == GL_QUADS && batch.texture != 0;
        if (glyph && (previous == nullptr || previous->vertices[0].y != batch.vertices[0].y)) {
            ++texts;
        }
        previous = glyph ? &batch : nullptr;
    }
    return texts;
}

class UiRuntimeTestBase : public UiLoaderTestBase {
protected:
    // Text draws as glyph quads: the default font has a glyph for every code 0 to 255.
    UiRuntimeTestBase() {
        WriteKrf("default.krf", KrfEveryCodeFont());
        FreshContext();
    }

    // A new context on the test's clock, with a drawing area of 800 x 600.
    void FreshContext() {
        context = BenchContext();
        context->SetClock(std::make_unique<ManualTimer>(seconds));
        context->SetDrawingArea(800, 600);
    }

    // One frame with the timer ms milliseconds after an arbitrary point; the first Tick after a
    // start or a ResetClock makes the clock 0 whatever the timer reads.
    void TickAt(double ms) {
        seconds = 100.0L + static_cast<long double>(ms) / 1000.0L;
        frame.Clear();
        context->Tick(frame);
        Submit();
    }

    // One update of a single widget (a window with its children) with the given clock, drawn as
    // a Tick of its context would draw it and submitted on a fresh recording.
    void UpdateAt(uiWidget& widget, double clock) {
        frame.Clear();
        uiContextState& state = StateOf(*context);
        state.drawList = &frame;
        Node(widget).Update(clock);
        state.drawList = nullptr;
        Submit();
    }

    // A top-level window made by the test, appended to the tree as the loader appends one and
    // adopted by the context, its value text echoing as the loader sets it.
    uiWidgetNode& AddWindow(const std::string& name, const uiRectF& rect) {
        uiContextState& state = StateOf(*context);
        state.windows.push_back(std::make_unique<uiWidgetNode>(name, false));
        uiWidgetNode& window = *state.windows.back();
        window.valueText.SetText(name + "::val");
        window.SetRect(rect);
        window.Adopt(state);
        return window;
    }

    uiWidgetNode& AddChild(uiWidgetNode& window, const std::string& name, const uiRectF& rect, bool clickable) {
        uiWidgetNode& child = *window.AddChild(std::make_unique<uiWidgetNode>(name, clickable));
        child.valueText.SetText(name + "::val");
        child.SetRect(rect);
        return child;
    }

    void Submit() {
        RecordingGL::Reset();
        uiGLBackend::Submit(frame);
    }

    long double seconds = 100.0L;
    // The last frame's draw list, as submitted.
    uiDrawList frame;
};
