// getResourceData per call for each data resource, with the name as an integer id and as a text.
#include <benchmark/benchmark.h>

#include <string>

#include <UIResource/UIResource.h>
#include "resources/module_resources.h"

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

void getResourceDataByText(benchmark::State& state, std::string name, const char* type) {
    lookUp(state, name.c_str(), type);
}

// Two rows a data resource: "getResourceDataById/FONTDATA_107" and "getResourceDataByText/...".
[[maybe_unused]] const bool kRegistered = [] {
    for (const uires::ModuleResource& resource : uires::kModuleResources) {
        if (resource.kind != uires::ResourceKind::Data) continue;
        std::string row = std::string(resource.dataType) + "_" + std::to_string(resource.id);
        benchmark::RegisterBenchmark(("getResourceDataById/" + row).c_str(), getResourceDataById, resource.id,
                                     resource.dataType);
        benchmark::RegisterBenchmark(("getResourceDataByText/" + row).c_str(), getResourceDataByText,
                                     "#" + std::to_string(resource.id), resource.dataType);
    }
    return true;
}();

}  // namespace
