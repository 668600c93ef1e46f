// Opening and closing each of the module's templates, the user pressing Escape as soon as the
// dialog shows. Each runs through the function the module offers for it; a template only the host
// opens (121) runs with a procedure of the host's kind, as does the host-driven 119.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/host_data.h"
#include <UIResource/UIResource.h>
#include "platform/dialog_host.h"
#include "resources/module_resources.h"
#include "harness/scripted_user/scripted_user.h"

namespace {

long openNameEntry() {
    char name[32] = "";
    return UI::rename(nullptr, "Crate", name, sizeof name, -1, -1);
}

long openListSelection() {
    const char* items[] = {"Stone", "Bark", "Moss"};
    const long data[] = {1, 2, 3};
    long chosen = UI::select(nullptr, "Materials", "Use", items, data, 3, -1);
    return chosen == -1 ? 0 : 1;
}

long openEditMesh() {
#ifdef UIRESOURCE_BENCH_MESH_EDITOR
    static benchdata::MeshWithAnimations host;
    if (host.animations.empty()) benchdata::fillMesh(host, 3);
    WindowNode parent{nullptr};
    return createMeshEditorDialog(&parent, &host.mesh, 0, nullptr, nullptr, nullptr);
#else
    return -1;  // reported as an error until the library has the mesh editor
#endif
}

long openTemplate(int templateId) {
    switch (templateId) {
        case IDD_NAME_ENTRY: return openNameEntry();
        case IDD_LIST_SELECTION: return openListSelection();
        case IDD_MATERIAL_PROPERTIES: return UI::displayMaterialProperties(nullptr);
        case IDD_EDIT_MESH: return openEditMesh();
        case IDD_EDIT_TRANSLATOR: return UI::createButtonTranslatorDialog(&benchdata::cancellingProcedure, nullptr);
        case IDD_EXIT_APPLICATION: return UI::createExitApplicationDialog(nullptr, "");
        default:
            return static_cast<long>(DialogHost::dialogBoxParam(getUIResourceAppInstance(), static_cast<WORD>(templateId),
                                                                nullptr, &benchdata::cancellingProcedure, 0));
    }
}

void openAndClose(benchmark::State& state, int templateId) {
    scripted::User user;
    long result = -1;
    for (auto _ : state) {
        user.then([](scripted::Dialog& dialog) { dialog.pressEscape(); });
        result = openTemplate(templateId);
    }
    if (result != 0 || user.dialogsAbandoned() > 0) state.SkipWithError("the dialog did not end with Cancel");
}

// One row a template of the module, "openAndClose/template_109".
[[maybe_unused]] const bool kRegistered = [] {
    for (uint16_t id : uires::moduleResourceIds(uires::ResourceKind::Dialog)) {
        std::string name = "openAndClose/template_" + std::to_string(id);
        benchmark::RegisterBenchmark(name.c_str(), openAndClose, int{id})->Unit(benchmark::kMicrosecond);
    }
    return true;
}();

}  // namespace
