// createMeshEditorDialog on meshes with many animations: open, change the selected animation's
// speed, Cancel, which rolls every animation back.
#include <benchmark/benchmark.h>

#include <algorithm>

#include "bench/host_data.h"
#include <UIResource/UIResource.h>
#include "resources/resource_ids.h"
#include "harness/scripted_user/scripted_user.h"

namespace {

Material* noMaterial(short) { return nullptr; }

void meshEditorChangeSpeedAndCancel(benchmark::State& state) {
    benchdata::MeshWithAnimations host;
    benchdata::fillMesh(host, static_cast<long>(state.range(0)));
    WindowNode parent{nullptr};
    scripted::User user;
    long result = -1;
    for (auto _ : state) {
        user.then([](scripted::Dialog& dialog) {
            dialog.type(IDC_ANIMATION_SPEED, "45");
            dialog.click(IDCANCEL);
        });
        result = createMeshEditorDialog(&parent, &host.mesh, 0, nullptr, nullptr, &noMaterial);
    }
    bool rolledBack = std::all_of(host.animations.begin(), host.animations.end(),
                                  [](const MeshAnimation& animation) { return animation.speed == 30; });
    if (result != 0 || !rolledBack || user.dialogsAbandoned() > 0) state.SkipWithError("not cancelled and rolled back");
}

}  // namespace

BENCHMARK(meshEditorChangeSpeedAndCancel)->Arg(10)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);
