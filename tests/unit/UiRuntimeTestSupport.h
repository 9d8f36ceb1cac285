// Shared by the widget runtime tests: the loader test base (own working directory with a test
// font, verbose log, recording GL, a new context) plus a drawing area of 800 x 600 and a clock
// the test sets by hand.
#pragma once

#include "UiLoaderTestSupport.h"
#include "uiWidgetInternals.h"

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

// A filled rectangle as drawn (glRectf) with the colour last sent before it.
struct DrawnRect {
    float x1, y1, x2, y2;
    float color[4];
};

inline std::vector<DrawnRect> DrawnRects() {
    std::vector<DrawnRect> rects;
    float color[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    for (const RecordingGL::Call& call : RecordingGL::Calls()) {
        if (call.name == "glColor4fv") {
            for (int i = 0; i < 4; ++i) {
                color[i] = static_cast<float>(call.args[static_cast<size_t>(i)]);
            }
        } else if (call.name == "glRectf") {
            rects.push_back({static_cast<float>(call.args[0]),
                             static_cast<float>(call.args[1]),
                             static_cast<float>(call.args[2]),
                             static_cast<float>(call.args[3]),
                             {color[0], color[1], color[2], color[3]}});
        }
    }
    return rects;
}

// Every text drawing binds its font's texture once.
inline size_t TextsDrawn() {
    return RecordingGL::CallsNamed("glBindTexture").size();
}

class UiRuntimeTestBase : public UiLoaderTestBase {
protected:
    UiRuntimeTestBase() { FreshContext(); }

    // A new context on the test's clock, with a drawing area of 800 x 600.
    void FreshContext() {
        context = std::make_unique<uiContext>();
        context->SetClock(std::make_unique<ManualTimer>(seconds));
        context->SetDrawingArea(800, 600);
    }

    // One frame with the timer ms milliseconds after an arbitrary point; the first Tick after a
    // start or a ResetClock makes the clock 0 whatever the timer reads.
    void TickAt(double ms) {
        seconds = 100.0L + static_cast<long double>(ms) / 1000.0L;
        RecordingGL::Reset();
        context->Tick();
    }

    // One update of a single widget with the given clock, on a fresh recording.
    static void UpdateAt(uiWidget& widget, double clock) {
        RecordingGL::Reset();
        uiWidgetInternals::Update(widget, clock);
    }

    long double seconds = 100.0L;
};
