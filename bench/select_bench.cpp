// UI::select with thousands of strings, the user clicking the last one in the sorted list and OK.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/host_data.h"
#include <UIResource/UIResource.h>
#include "resources/resource_ids.h"
#include "platform/scripted_user/scripted_user.h"

namespace {

void selectLastItem(benchmark::State& state) {
    long count = static_cast<long>(state.range(0));
    std::vector<std::string> names = benchdata::scrambledNames("Item", count);
    std::vector<const char*> items;
    std::vector<long> itemData;
    for (long i = 0; i < count; ++i) {
        items.push_back(names[static_cast<size_t>(i)].c_str());
        itemData.push_back(i);
    }
    long expected = benchdata::lastInSortedOrder(names);
    scripted::User user;
    long chosen = -1;
    for (auto _ : state) {
        user.then([count](scripted::Dialog& dialog) {
            dialog.clickListItem(IDC_SELECTION_LIST, static_cast<int>(count - 1));
            dialog.click(IDOK);
        });
        chosen = UI::select(nullptr, "Materials", "Use", items.data(), itemData.data(), count, -1);
    }
    if (chosen != expected || user.dialogsAbandoned() > 0) state.SkipWithError("the last item was not chosen");
}

}  // namespace

BENCHMARK(selectLastItem)->Arg(1000)->Arg(10000)->Arg(30000)->Unit(benchmark::kMillisecond);
