// Frames of the UI test window drawn off-screen exactly as `drev render --scene` draws them:
// Mesa's EGL surfaceless platform with llvmpipe (OffscreenGL, which keeps llvmpipe's linear
// rasterizer off as render does), an 800 x 600 pbuffer, no X server, and each backend render
// has: the GL 1.1 backend in a compatibility context, the shader backend in an OpenGL 3.2 core
// and in an OpenGL ES 2.0 context. The file is loaded by UiTestFile, moved to its settled moment
// by the frames render draws before it, and then the settled frame is drawn again and again:
// the frame begun as the window begins it, the scene recorded into a cleared draw list, its
// submission by the backend, glFinish, so the frame is complete when its time is taken.
// llvmpipe rasterizes on its own threads, so the time is wall time.
//
// Counters split a frame into recording (the toolkit's CPU work), submitting (the backend's
// GL calls, which llvmpipe turns into binned triangles on the calling thread) and finishing
// (rasterizing the bins). After the timed frames the picture is read back: its differing
// pixels against the golden image show the benchmark draws what users see.
//
// Like drev, the benchmark keeps the renderer's freed memory for the next frame (KeepFrameMemory);
// run it with --glibc-malloc-defaults to leave glibc's trim and mmap thresholds as they are.
#include "BenchSupport.h"

#include "FrameMemory.h"
#include "FrameRenderer.h"
#include "ImageCompare.h"
#include "OffscreenGL.h"
#include "PngFile.h"
#include "ProblemLog.h"
#include "UiTestFile.h"
#include "UiTestFrames.h"
#include "UiTestScene.h"
#include <vanui/uiFont.h>

#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// The process's resident high-water mark so far; Linux gives ru_maxrss in kilobytes.
double PeakResidentMB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// Resident memory now, from the second field of /proc/self/statm (pages).
double ResidentMB() {
    std::ifstream statm("/proc/self/statm");
    long long sizePages = 0;
    long long residentPages = 0;
    statm >> sizePages >> residentPages;
    return static_cast<double>(residentPages) * static_cast<double>(sysconf(_SC_PAGESIZE)) /
           (1024.0 * 1024.0);
}

// Milliseconds spent in each part of the frames drawn so far.
struct FrameParts {
    double record = 0.0;
    double submit = 0.0;
    double finish = 0.0;
};

// The off-screen context of a backend and the backend's renderer in it.
struct Offscreen {
    OffscreenGL gl;
    std::unique_ptr<FrameRenderer> renderer;

    // False, with the reason in error, when the context or the renderer can't be had.
    bool Open(RenderBackend backend, std::string& error) {
        if (!gl.Open(UI_TEST_WIDTH, UI_TEST_HEIGHT, OffscreenContextFor(backend), error)) {
            return false;
        }
        glViewport(0, 0, UI_TEST_WIDTH, UI_TEST_HEIGHT);
        renderer = OpenFrameRenderer(backend, error);
        return renderer != nullptr;
    }
};

// A UI file with the sample font, drawn as render draws it at its settled moment.
class SettledScene {
public:
    SettledScene(const std::string& fileName, FrameRenderer& renderer)
        : renderer(renderer), file(fileName, &renderer.Textures()), font(file.OpenSampleFont()),
          frames(file, font.get(), true), moment(SettledFrameTime(file.Context())) {}

    // False, with the reason in error, when the file or its sample font did not load or either
    // reported a problem.
    bool Ready(std::string& error) {
        const std::vector<std::string> problems = TakeProblems();
        if (!file.Loaded()) {
            error = "the UI file did not load: " + file.ErrorLine();
        } else if (!font || !font->IsLoaded()) {
            error = "the sample font default.krf did not load";
        } else if (!problems.empty()) {
            error = "loading reported: " + problems.front();
        }
        return error.empty();
    }

    // The frames render draws before the settled one: they move the animations and the sample
    // text to where render's picture has them.
    void Settle() {
        frames.PlayUpTo(moment, renderer);
        glFinish();
    }

    void DrawFrame(FrameParts& parts) {
        const Clock::time_point start = Clock::now();
        frames.Record(moment);
        const Clock::time_point recorded = Clock::now();
        renderer.Begin(FramePicture::UiTest);
        renderer.Submit(frames.List());
        const Clock::time_point submitted = Clock::now();
        glFinish();
        const Clock::time_point finished = Clock::now();
        parts.record += Milliseconds(start, recorded);
        parts.submit += Milliseconds(recorded, submitted);
        parts.finish += Milliseconds(submitted, finished);
    }

    size_t Vertices() const { return frames.List().Vertices().size(); }
    size_t Draws() const { return frames.List().Commands().size(); }
    double Moment() const { return moment; }

private:
    FrameRenderer& renderer;
    UiTestFile file;
    std::unique_ptr<uiFont> font;
    UiTestFrames frames;
    double moment;
};

// Pixels of the last frame that differ from the golden image, or -1 without one.
double GoldenDifference(const OffscreenGL& gl, const char* golden) {
    RgbImage expected;
    std::string error;
    if (golden == nullptr || !ReadPng(golden, expected, error)) {
        return -1.0;
    }
    const RgbImage picture = gl.ReadPixels();
    if (picture.width != expected.width || picture.height != expected.height) {
        return -1.0;
    }
    return static_cast<double>(CompareImages(picture, expected, 0).differingPixels);
}

void RunFrames(benchmark::State& state, const Offscreen& offscreen, SettledScene& scene, const char* golden) {
    std::string error;
    if (!scene.Ready(error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    scene.Settle();
    FrameParts parts;
    for (auto _ : state) {
        scene.DrawFrame(parts);
    }
    const double frames = static_cast<double>(state.iterations());
    state.counters["record_ms"] = parts.record / frames;
    state.counters["submit_ms"] = parts.submit / frames;
    state.counters["finish_ms"] = parts.finish / frames;
    state.counters["vertices"] = static_cast<double>(scene.Vertices());
    state.counters["draws"] = static_cast<double>(scene.Draws());
    state.counters["settled_at_ms"] = scene.Moment();
    state.counters["golden_diff_pixels"] = GoldenDifference(offscreen.gl, golden);
    state.counters["peak_rss_MB"] = PeakResidentMB();
    state.counters["rss_MB"] = ResidentMB();
    state.SetLabel(offscreen.gl.Renderer() + ", " + offscreen.gl.Version());
}

// "vantora.ui" with the sample text and glyph sheet: the picture of the golden
// "vantora-scene-settled.png", which the GL 1.1 backend drew (the shader backend's pictures
// differ from it in a few hundred pixels at most).
void BM_SceneSettled(benchmark::State& state, RenderBackend backend) {
    Offscreen offscreen;
    std::string error;
    if (!offscreen.Open(backend, error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    SettledScene scene("vantora.ui", *offscreen.renderer);
    RunFrames(state, offscreen, scene, DREV_GOLDEN_DIR "/vantora-scene-settled.png");
}
BENCHMARK_CAPTURE(BM_SceneSettled, gl1, RenderBackend::GL1)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);
BENCHMARK_CAPTURE(BM_SceneSettled, gl3, RenderBackend::GL3)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);
BENCHMARK_CAPTURE(BM_SceneSettled, gles2, RenderBackend::GLES2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(1.0);

// 5,000 widgets: 50 windows of 100 widgets each (the window and 99 children), every window the
// whole 800 x 600 area and all of them stacked, written to a temporary folder and loaded from
// there, drawn by the GL 1.1 backend. Its sample font comes from DREV's shipped data/ folder, as
// render finds it.
void BM_LargeFile(benchmark::State& state) {
    Offscreen offscreen;
    std::string error;
    if (!offscreen.Open(RenderBackend::GL1, error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    LargeUiShape shape;
    shape.windows = 50;
    shape.childrenPerWindow = 99;
    shape.fullSizeWindows = true;
    char folder[] = "/tmp/drev-bench-XXXXXX";
    if (mkdtemp(folder) == nullptr) {
        state.SkipWithError("cannot make a temporary folder");
        return;
    }
    const std::string fileName = std::string(folder) + "/large.ui";
    {
        std::ofstream out(fileName, std::ios::binary);
        out << MakeLargeUiText(shape);
    }
    {
        SettledScene scene(fileName, *offscreen.renderer);
        RunFrames(state, offscreen, scene, nullptr);
    }
    std::remove(fileName.c_str());
    rmdir(folder);
    state.counters["widgets"] = LargeUiItemCount(shape);
}
BENCHMARK(BM_LargeFile)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

// Takes --glibc-malloc-defaults out of the arguments; true when it was there.
bool TakeMallocDefaultsFlag(int& argc, char** argv) {
    bool found = false;
    int kept = 0;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--glibc-malloc-defaults") == 0) {
            found = true;
        } else {
            argv[kept++] = argv[i];
        }
    }
    argc = kept;
    return found;
}

} // namespace

int main(int argc, char** argv) {
    // As drev does at its start, before any GL exists.
    const bool mallocDefaults = TakeMallocDefaultsFlag(argc, argv);
    if (!mallocDefaults) {
        KeepFrameMemory();
    }
    benchmark::Initialize(&argc, argv);
    benchmark::AddCustomContext("malloc_thresholds", mallocDefaults ? "glibc defaults" : "KeepFrameMemory");
    if (!EnterDataDirectory() || !StartProblemLog(std::string())) {
        return 1;
    }
    {
        // Every benchmark opens the context of its backend; this one finds whether there is any
        // off-screen GL at all, and sets LP_PERF as render does.
        OffscreenGL probe;
        std::string error;
        if (!probe.Open(UI_TEST_WIDTH, UI_TEST_HEIGHT, OffscreenContext::Compatibility, error)) {
            std::fprintf(stderr, "no off-screen GL: %s\n", error.c_str());
            return 1;
        }
        benchmark::AddCustomContext("gl_renderer", probe.Renderer());
    }
    benchmark::AddCustomContext("LP_PERF", std::getenv("LP_PERF") != nullptr ? std::getenv("LP_PERF") : "");
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
