// The entry point of the toolkit benchmarks: they run in data/, where the fonts and
// "vantora.ui" are, and draw through the recording GL layer set to discard every call, so
// that what they time is the toolkit's own work.
#include "BenchSupport.h"
#include "RecordingGL.h"

#include <benchmark/benchmark.h>

int main(int argc, char** argv) {
    if (!EnterDataDirectory()) {
        return 1;
    }
    RecordingGL::SetDiscard(true);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
