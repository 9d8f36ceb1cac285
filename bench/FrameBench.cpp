// One frame of the UI test window on a real GLUT window (run under Xvfb, where Mesa draws in
// software): clear, projection and blending, the backdrop triangle, Tick of the context loaded
// from "vantora.ui", the sample line and glyph sheet of "default.krf" recorded into the frame's
// draw list, its submission by the GL backend, swap, and glFinish so
// that the frame is complete when its time is taken. The 50 ms sleep of the window is left
// out. The animation clock moves 55 ms a frame (the sleep plus a few milliseconds of drawing)
// and restarts every 200 frames, as in the window, so the frames go through the same mix of
// waiting, running and finished animations.
#include "BenchSupport.h"
#include "FrameMemory.h"
#include "UiTestScene.h"

#include <vanui/uiGLBackend.h>

#include <GL/freeglut.h>
#include <GL/glu.h>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>

namespace {

const long double FRAME_SECONDS = 0.055L;

struct Scene {
    std::unique_ptr<uiContext> context;
    std::unique_ptr<uiFont> font;
    ManualTimer* timer = nullptr;
    UiTestFrameState frame;
    uiDrawList list;
};

Scene* scene = nullptr;

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

void Advance() {
    AdvanceUiTestFrame(*scene->context, scene->frame);
    scene->timer->seconds += FRAME_SECONDS;
}

// Seconds spent in each part of the frames run so far.
struct FrameParts {
    double setup = 0.0;
    double tick = 0.0;
    double sample = 0.0;
    double submit = 0.0;
    double present = 0.0;
};

void DrawFrame(FrameParts& parts) {
    const Clock::time_point start = Clock::now();
    glClearColor(0.1f, 0.5f, 0.5f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluOrtho2D(0.0, 800.0, 600.0, 0.0);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    scene->list.Clear();
    DrawUiTestBackdrop(scene->list);
    const Clock::time_point ticked = Clock::now();
    scene->context->Tick(scene->list);
    const Clock::time_point drawn = Clock::now();
    DrawUiTestSample(scene->list, *scene->font, scene->frame.textOffset);
    const Clock::time_point sampled = Clock::now();
    uiGLBackend::Submit(scene->list);
    const Clock::time_point submitted = Clock::now();
    glutSwapBuffers();
    glFinish();
    glutMainLoopEvent();
    const Clock::time_point presented = Clock::now();
    Advance();
    parts.setup += Seconds(start, ticked);
    parts.tick += Seconds(ticked, drawn);
    parts.sample += Seconds(drawn, sampled);
    parts.submit += Seconds(sampled, submitted);
    parts.present += Seconds(submitted, presented);
}

void BM_UiTestFrame(benchmark::State& state) {
    FrameParts parts;
    for (auto _ : state) {
        DrawFrame(parts);
    }
    const double frames = static_cast<double>(state.iterations());
    state.counters["backdrop_ms"] = parts.setup / frames * 1000.0;
    state.counters["tick_ms"] = parts.tick / frames * 1000.0;
    state.counters["sample_ms"] = parts.sample / frames * 1000.0;
    state.counters["submit_ms"] = parts.submit / frames * 1000.0;
    state.counters["swap_finish_ms"] = parts.present / frames * 1000.0;
    state.SetItemsProcessed(state.iterations());
    state.SetLabel(reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
}
BENCHMARK(BM_UiTestFrame)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

// The floor under every frame: clear, swap and finish with nothing drawn, so that the frame's
// own share can be told from what the software renderer and the X server take per frame.
void BM_EmptyFrame(benchmark::State& state) {
    for (auto _ : state) {
        glClearColor(0.1f, 0.5f, 0.5f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        glutSwapBuffers();
        glFinish();
        glutMainLoopEvent();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EmptyFrame)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

// The window is drawn by the benchmark loop, not by GLUT's main loop; an expose event only
// needs a callback to go to.
void IgnoreDisplay() {}

bool OpenWindow(int& argc, char** argv) {
    glutInitWindowPosition(0, 0);
    glutInitWindowSize(800, 600);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInit(&argc, argv);
    if (glutCreateWindow("DREV frame benchmark") <= 0) {
        return false;
    }
    glutDisplayFunc(IgnoreDisplay);
    glutMainLoopEvent();
    return true;
}

} // namespace

// As drev does, before the GL exists.
int main(int argc, char** argv) {
    KeepFrameMemory();
    benchmark::Initialize(&argc, argv);
    if (!EnterDataDirectory() || !OpenWindow(argc, argv)) {
        return 1;
    }
    Scene frameScene;
    scene = &frameScene;
    frameScene.font = std::make_unique<uiFont>("default.krf", &ToolkitTextures(), &Silence());
    frameScene.context = std::make_unique<uiContext>(ToolkitSettings());
    auto timer = std::make_unique<ManualTimer>();
    frameScene.timer = timer.get();
    frameScene.context->SetClock(std::move(timer));
    if (!frameScene.font->IsLoaded() || !frameScene.context->LoadUiFile("vantora.ui")) {
        std::fprintf(stderr, "default.krf or vantora.ui did not load\n");
        return 1;
    }
    frameScene.context->SetDrawingArea(800, 600);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
