// Tick of 1,000 animated widgets (10 windows of 99 children) into a draw list that the GL
// backend submits to the recording GL layer set to discard every call: the toolkit's CPU time
// of one frame, recording and submitting included. The clock moves 16 ms a frame.
// Arg 0: every animation runs (rolling and stretching, fading, flying in), arg 1: every
// animation has finished, so each widget draws in place with its caption and value text.
#include "BenchSupport.h"
#include "HeapCounter.h"
#include "RecordingGL.h"
#include <vanui/uiGLBackend.h>

#include <benchmark/benchmark.h>

namespace {

const double FRAME_SECONDS = 0.016;

// One frame as a window draws it: record into the list, submit it.
void Frame(uiContext& context, uiDrawList& list) {
    list.Clear();
    context.Tick(list);
    uiGLBackend::Submit(list);
}

void BM_Tick(benchmark::State& state) {
    const bool finished = state.range(0) == 1;
    LargeUiShape shape;
    shape.windows = 10;
    shape.childrenPerWindow = 99;
    // Running: an animation long enough not to end during the benchmark. Finished: over
    // after a few frames.
    shape.duration = finished ? 1 : 1000000000;
    ManualTimer* timer = nullptr;
    std::unique_ptr<uiContext> context = MakeGeneratedContext(shape, timer);
    if (!context) {
        state.SkipWithError("the generated UI did not load");
        return;
    }
    uiDrawList list;
    // Past every Wait, so that the measured frames draw every widget.
    for (int frame = 0; frame < 20; ++frame) {
        Frame(*context, list);
        timer->seconds += FRAME_SECONDS;
    }
    HeapCounter::Start();
    Frame(*context, list);
    HeapCounter::Stop();
    state.counters["allocations"] = static_cast<double>(HeapCounter::Allocations());
    // What a frame writes: the list's vertices are most of the memory the frame touches.
    state.counters["vertex_kB"] = static_cast<double>(list.Vertices().size() * sizeof(uiDrawVertex)) / 1024.0;
    for (auto _ : state) {
        Frame(*context, list);
        timer->seconds += FRAME_SECONDS;
    }
    const int widgets = LargeUiItemCount(shape);
    state.SetItemsProcessed(state.iterations() * widgets);
    // Seconds per widget, printed with an SI prefix (n, u).
    state.counters["per_widget"] =
        benchmark::Counter(static_cast<double>(widgets),
                           benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.SetLabel(finished ? "finished: in place, caption and value text" : "running animations");
}
BENCHMARK(BM_Tick)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Tick of the shipped "vantora.ui" over the window's 200-frame cycle (55 ms a frame, then a
// restart of the clock), so that waiting, running and finished animations come in the mix the
// window shows. One frame with everything finished is counted first: the GL calls and draws
// (glDrawElements) the real GL receives every frame, and the heap blocks the frame asks for.
void BM_TickSampleUi(benchmark::State& state) {
    auto context = std::make_unique<uiContext>(ToolkitSettings());
    auto timer = std::make_unique<ManualTimer>();
    ManualTimer* clock = timer.get();
    context->SetClock(std::move(timer));
    if (!context->LoadUiFile("vantora.ui")) {
        state.SkipWithError("vantora.ui did not load");
        return;
    }
    context->SetDrawingArea(800, 600);
    uiDrawList list;
    for (int frame = 0; frame < 100; ++frame) {
        Frame(*context, list);
        clock->seconds += 0.055;
    }
    HeapCounter::Start();
    Frame(*context, list);
    HeapCounter::Stop();
    state.counters["allocations"] = static_cast<double>(HeapCounter::Allocations());
    RecordingGL::SetDiscard(false);
    RecordingGL::Reset();
    Frame(*context, list);
    state.counters["gl_calls"] = static_cast<double>(RecordingGL::Calls().size());
    state.counters["gl_draws"] = static_cast<double>(RecordingGL::CallsNamed("glDrawElements").size());
    RecordingGL::Reset();
    RecordingGL::SetDiscard(true);
    int frame = 0;
    for (auto _ : state) {
        Frame(*context, list);
        clock->seconds += 0.055;
        if (++frame == 200) {
            frame = 0;
            context->ResetClock();
        }
    }
    int widgets = 0;
    for (size_t window = 0; window < context->WindowCount(); ++window) {
        widgets += 1 + static_cast<int>(context->Window(window)->ChildCount());
    }
    state.counters["widgets"] = widgets;
}
BENCHMARK(BM_TickSampleUi)->Unit(benchmark::kMicrosecond);

} // namespace
