// Loading "default.krf" and drawing text with it into a draw list, so that the numbers are the
// toolkit's own CPU time and no driver's.
#include "BenchSupport.h"
#include "RecordingGL.h"
#include <vanui/uiFont.h>

#include <benchmark/benchmark.h>

namespace {

const char* const FONT_FILE = "default.krf";
// 64 printable characters, as a caption or a line of value text would hold them.
const std::string SAMPLE = "The quick brown fox jumps over the lazy dog 0123456789 (vanui)!?";

void BM_FontLoad(benchmark::State& state) {
    for (auto _ : state) {
        uiFont font(FONT_FILE, &ToolkitTextures(), &Silence());
        if (!font.IsLoaded()) {
            state.SkipWithError("default.krf did not load");
            return;
        }
        benchmark::DoNotOptimize(font.GetGlyphCount());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FontLoad)->Unit(benchmark::kMicrosecond);

// Plain text (arg 0), and italic with underline and spacing (arg 1), which adds a line per glyph.
void BM_DrawText(benchmark::State& state) {
    static const uiColor white(1.0f, 1.0f, 1.0f, 1.0f);
    static const uiColor red(1.0f, 0.0f, 0.0f, 1.0f);
    uiFont font(FONT_FILE, &ToolkitTextures(), &Silence());
    if (!font.IsLoaded()) {
        state.SkipWithError("default.krf did not load");
        return;
    }
    if (state.range(0) == 1) {
        font.SetItalic(true);
        font.SetUnderline(true);
        font.SetSpacing(0.1f);
        font.SetColors(&white, &red);
    } else {
        font.SetColor(&white);
    }
    // A frame's list keeps its buffers: Clear between lines, as a frame does.
    uiDrawList list;
    for (auto _ : state) {
        list.Clear();
        font.Bind(list);
        benchmark::DoNotOptimize(font.DrawText(SAMPLE, 40.0f, 260.0f));
    }
    font.Unbind();
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(SAMPLE.size()));
    state.SetLabel(state.range(0) == 1 ? "italic+underline, 2 colours" : "plain");
}
BENCHMARK(BM_DrawText)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
