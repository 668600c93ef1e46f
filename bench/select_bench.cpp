// UI::select with thousands of strings, the user clicking the last one in the sorted list and OK;
// and the fill of such a list alone, with and without its redraw turned off.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/host_data.h"
#include <UIResource/UIResource.h>
#include "platform/dialog_host.h"
#include "resources/resource_ids.h"
#include "harness/scripted_user/scripted_user.h"

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

namespace {

// Filling list 1085 of template 102 with sorted strings while the dialog opens, as UI::select
// does, with and without turning the list's redraw off for the fill: the plain fill is the
// baseline of what WM_SETREDRAW saves on the real dialog manager.
struct ListFill {
    const std::vector<std::string>* names = nullptr;
    bool redrawPaused = false;
};
ListFill listFill;

INT_PTR CALLBACK fillingProcedure(HWND dialog, UINT message, WPARAM wordParam, LPARAM) {
    if (message == WM_COMMAND && LOWORD(wordParam) == IDCANCEL) {
        DialogHost::endDialog(dialog, 0);
        return TRUE;
    }
    if (message != WM_INITDIALOG) return FALSE;
    HWND list = DialogHost::getDlgItem(dialog, IDC_SELECTION_LIST);
    if (listFill.redrawPaused) DialogHost::sendMessage(list, WM_SETREDRAW, FALSE, 0);
    for (const std::string& name : *listFill.names)
        DialogHost::sendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    if (listFill.redrawPaused) DialogHost::sendMessage(list, WM_SETREDRAW, TRUE, 0);
    return TRUE;
}

void fillSortedList(benchmark::State& state, bool redrawPaused) {
    std::vector<std::string> names = benchdata::scrambledNames("Item", state.range(0));
    listFill = ListFill{&names, redrawPaused};
    scripted::User user;
    INT_PTR result = -1;
    for (auto _ : state) {
        user.then([](scripted::Dialog& dialog) { dialog.pressEscape(); });
        result = DialogHost::dialogBoxParam(getUIResourceAppInstance(), IDD_LIST_SELECTION, nullptr, &fillingProcedure, 0);
    }
    if (result != 0 || user.dialogsAbandoned() > 0) state.SkipWithError("the dialog did not end with Cancel");
}

}  // namespace

BENCHMARK_CAPTURE(fillSortedList, plain, false)->Arg(30000)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(fillSortedList, redrawOff, true)->Arg(30000)->Unit(benchmark::kMillisecond);
