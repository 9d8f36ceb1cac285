// The value reader against JSON parsers on the same tree. Each benchmark reads the whole
// generated file into a value tree and releases it; bytes per second count the bytes of its
// own format, items per second the widget items, which are the same for all three.
#include "LargeUiFile.h"
#include "MemoryStream.h"
#include "Parser.h"

#include <benchmark/benchmark.h>
#include <nlohmann/json.hpp>
#include <rapidjson/document.h>

#include <cstdio>

using namespace drev;

namespace {

const LargeUiShape SHAPE;

const std::string& UiText() {
    static const std::string text = MakeLargeUiText(SHAPE);
    return text;
}

const std::string& UiJson() {
    static const std::string json = MakeLargeUiJson(SHAPE);
    return json;
}

// The loader's section loop without applying anything: the section's type name, for an item
// its name and parent strings, then the section's value. Returns the number of sections, or
// -1 when the input could not be read.
int ReadSections(const std::string& text) {
    MemoryStream input(text);
    Tokenizer tokenizer(input);
    Parser parser(tokenizer);
    int sections = 0;
    while (tokenizer.NextToken() != TOKEN_END) {
        if (tokenizer.TokenKind() != TOKEN_NAME) {
            return -1;
        }
        const std::string type = tokenizer.TextValue();
        if (type != "uiColorTable" && type != "uiFontTable") {
            if (tokenizer.NextToken() != TOKEN_STRING || tokenizer.NextToken() != TOKEN_STRING) {
                return -1;
            }
        }
        std::unique_ptr<Value> value = parser.ReadValue();
        if (!value) {
            return -1;
        }
        benchmark::DoNotOptimize(value.get());
        ++sections;
    }
    return sections;
}

void SetRates(benchmark::State& state, size_t bytes) {
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
    state.SetItemsProcessed(state.iterations() * LargeUiItemCount(SHAPE));
    state.counters["file_bytes"] = static_cast<double>(bytes);
}

void BM_ValueReader(benchmark::State& state) {
    const std::string& text = UiText();
    for (auto _ : state) {
        const int sections = ReadSections(text);
        if (sections != LargeUiItemCount(SHAPE) + 1) {
            state.SkipWithError("the generated UI file did not read");
            return;
        }
    }
    SetRates(state, text.size());
}
BENCHMARK(BM_ValueReader)->Unit(benchmark::kMillisecond);

void BM_NlohmannJson(benchmark::State& state) {
    const std::string& json = UiJson();
    for (auto _ : state) {
        nlohmann::json tree = nlohmann::json::parse(json, nullptr, false);
        if (tree.is_discarded() || tree["items"].size() != static_cast<size_t>(LargeUiItemCount(SHAPE))) {
            state.SkipWithError("the generated JSON did not parse");
            return;
        }
        benchmark::DoNotOptimize(tree);
    }
    SetRates(state, json.size());
}
BENCHMARK(BM_NlohmannJson)->Unit(benchmark::kMillisecond);

void BM_RapidJson(benchmark::State& state) {
    const std::string& json = UiJson();
    for (auto _ : state) {
        rapidjson::Document tree;
        tree.Parse(json.c_str(), json.size());
        if (tree.HasParseError() || tree["items"].Size() != static_cast<unsigned>(LargeUiItemCount(SHAPE))) {
            state.SkipWithError("the generated JSON did not parse");
            return;
        }
        benchmark::DoNotOptimize(tree);
    }
    SetRates(state, json.size());
}
BENCHMARK(BM_RapidJson)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
