// LoadUiFile of the large generated UI file into a fresh context, per widget item, and the
// heap the load takes at its peak. The context is built and destroyed outside the timed part:
// its construction loads the default font into the font table, which the font benchmark times.
#include "BenchSupport.h"
#include "HeapCounter.h"
#include "RecordingGL.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <malloc.h>
#include <unistd.h>

namespace {

const LargeUiShape SHAPE;

const double MEGABYTE = 1024.0 * 1024.0;

// The generated file in a private temporary directory, removed at exit.
class GeneratedFile {
public:
    GeneratedFile() {
        char pattern[] = "/tmp/drev-bench-XXXXXX";
        if (mkdtemp(pattern) == nullptr) {
            return;
        }
        directory = pattern;
        path = directory + "/large.ui";
        const std::string text = MakeLargeUiText(SHAPE);
        std::ofstream out(path, std::ios::binary);
        out << text;
        size = out ? text.size() : 0;
    }
    ~GeneratedFile() {
        if (!path.empty()) {
            unlink(path.c_str());
            rmdir(directory.c_str());
        }
    }

    std::string directory;
    std::string path;
    size_t size = 0;
};

const GeneratedFile& LargeFile() {
    static const GeneratedFile file;
    return file;
}

struct HeapUse {
    double contextBytes = 0.0;
    double loadPeakBytes = 0.0;
    double retainedBytes = 0.0;
    // The same as glibc's own statistics see it, as a check of the counting.
    double retainedMallinfoBytes = 0.0;
};

// One load outside the timing, the only code run with the heap counted: the heap of the empty
// context, the peak the load adds on top of it, and what the loaded tree keeps.
HeapUse MeasureHeap(const std::string& path) {
    HeapUse use;
    HeapCounter::Start();
    auto context = std::make_unique<uiContext>(ToolkitSettings());
    const size_t built = HeapCounter::CurrentBytes();
    HeapCounter::ResetPeak();
    const size_t mallinfoBefore = mallinfo2().uordblks;
    context->LoadUiFile(path);
    use.retainedMallinfoBytes =
        static_cast<double>(mallinfo2().uordblks) - static_cast<double>(mallinfoBefore);
    use.contextBytes = static_cast<double>(built);
    use.loadPeakBytes = static_cast<double>(HeapCounter::PeakBytes() - built);
    use.retainedBytes = static_cast<double>(HeapCounter::CurrentBytes() - built);
    HeapCounter::Stop();
    return use;
}

void BM_LoadUiFile(benchmark::State& state) {
    const GeneratedFile& file = LargeFile();
    if (file.size == 0) {
        state.SkipWithError("cannot write the generated UI file");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        auto context = std::make_unique<uiContext>(ToolkitSettings());
        state.ResumeTiming();
        const bool loaded = context->LoadUiFile(file.path);
        state.PauseTiming();
        if (!loaded || context->WindowCount() != static_cast<size_t>(SHAPE.windows)) {
            state.SkipWithError("the generated UI file did not load");
            return;
        }
        context.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * LargeUiItemCount(SHAPE));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * file.size));
    const HeapUse heap = MeasureHeap(file.path);
    // A load of a 10,000-item file allocates; a counter that saw nothing, or kept more than its
    // peak, is not counting what the toolkit allocates.
    if (heap.loadPeakBytes <= 0.0 || heap.retainedBytes <= 0.0 || heap.retainedBytes > heap.loadPeakBytes) {
        state.SkipWithError("the heap counter did not see the load's allocations");
        return;
    }
    state.counters["file_MB"] = static_cast<double>(file.size) / MEGABYTE;
    state.counters["context_MB"] = heap.contextBytes / MEGABYTE;
    state.counters["load_peak_MB"] = heap.loadPeakBytes / MEGABYTE;
    state.counters["retained_MB"] = heap.retainedBytes / MEGABYTE;
    state.counters["retained_MB_mallinfo"] = heap.retainedMallinfoBytes / MEGABYTE;
}
BENCHMARK(BM_LoadUiFile)->Unit(benchmark::kMillisecond);

} // namespace
