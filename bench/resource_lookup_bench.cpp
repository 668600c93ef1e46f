// getResourceData per call for each data resource, with the name as an integer id and as a text.
#include <benchmark/benchmark.h>

#include <UIResource/UIResource.h>
#include "resources/resource_ids.h"

namespace {

void lookUp(benchmark::State& state, const char* name, const char* type) {
    char* data = nullptr;
    long size = 0;
    for (auto _ : state) {
        size = getResourceData(name, type, &data);
        benchmark::DoNotOptimize(data);
        benchmark::DoNotOptimize(size);
    }
    if (size <= 0) state.SkipWithError("resource not found");
}

void getResourceDataById(benchmark::State& state, unsigned short id, const char* type) {
    lookUp(state, getResourceStringFromInt(id), type);
}

void getResourceDataByText(benchmark::State& state, const char* name, const char* type) { lookUp(state, name, type); }

}  // namespace

BENCHMARK_CAPTURE(getResourceDataById, FONTDATA_107, IDR_FONT_ATLAS, "FONTDATA");
BENCHMARK_CAPTURE(getResourceDataByText, FONTDATA_107, "#107", "FONTDATA");
BENCHMARK_CAPTURE(getResourceDataById, FONTSIZE_108, IDR_FONT_ADVANCES, "FONTSIZE");
BENCHMARK_CAPTURE(getResourceDataByText, FONTSIZE_108, "#108", "FONTSIZE");
BENCHMARK_CAPTURE(getResourceDataById, MOUSE_POINTER_TEXTURE_111, IDR_MOUSE_POINTER, "MOUSE_POINTER_TEXTURE");
BENCHMARK_CAPTURE(getResourceDataByText, MOUSE_POINTER_TEXTURE_111, "#111", "MOUSE_POINTER_TEXTURE");
