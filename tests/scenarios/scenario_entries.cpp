// The library entries scenarios call, each reading its arguments from the words after its name.
#include "tests/scenarios/scenario_entries.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include <UIResource/UIResource.h>
#include "harness/dialog_driver.h"
#include "tests/scenarios/statement_words.h"

namespace scenario {

namespace {

struct Call {
    Words& words;
    StatementContext& context;
    DLGPROC hostProcedure;
};

std::string quoted(const char* text) { return text != nullptr ? "\"" + std::string(text) + "\"" : "null"; }

template <typename Value>
std::string formatted(const char* format, Value value) {
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// rename OLD buffer|null SIZE X Y. The buffer holds SIZE bytes and 16 more, all '#' at first, so a
// byte written past SIZE shows in the log.
INT_PTR rename(Call& call) {
    Words& words = call.words;
    const long size = static_cast<long>(words.value(4));
    const long x = static_cast<long>(words.value(5)), y = static_cast<long>(words.value(6));
    const char* oldName = words.textOrNull(2);
    if (words.size() != 7 || (words.text(3) != "buffer" && words.text(3) != "null"))
        words.fail("rename takes OLD buffer|null SIZE X Y");
    if (!words.ok()) return 0;
    std::string buffer(static_cast<size_t>(std::clamp(size, 0L, 4096L)) + 16, '#');
    char* newName = words.text(3) == "buffer" ? &buffer[0] : nullptr;
    INT_PTR result = UI::rename(call.context.dialog, oldName, newName, size, x, y);
    const size_t last = buffer.find_last_not_of('#');
    std::string report = last == std::string::npos ? "buffer untouched" : "buffer " + quoted(buffer.c_str());
    if (last != std::string::npos && static_cast<long>(last) >= size)
        report += formatted(" and past its %ld bytes", size);
    call.context.log->push_back(report);
    return result;
}

// select TITLE CAPTION INITIAL "text" DATA "text" DATA ...; a text may be null, and DATA `none`
// for every string passes no data array.
INT_PTR select(Call& call) {
    Words& words = call.words;
    std::vector<const char*> items;
    std::vector<long> data;
    bool noData = true;
    for (size_t i = 5; i + 1 < words.size(); i += 2) {
        items.push_back(words.textOrNull(i));
        noData = noData && words.text(i + 1) == "none";
        data.push_back(words.text(i + 1) == "none" ? 0 : static_cast<long>(words.value(i + 1)));
    }
    if (words.size() % 2 == 0) words.fail("select lists its strings in pairs: \"text\" DATA");
    const char *title = words.textOrNull(2), *caption = words.textOrNull(3);
    const long initial = static_cast<long>(words.value(4));
    if (!words.ok()) return 0;
    const long count = static_cast<long>(items.size());
    return UI::select(call.context.dialog, title, caption, items.data(), noData ? nullptr : data.data(), count, initial);
}

// createExitApplicationDialog TITLE LINK: what reaches the shell is logged, and nothing is opened.
INT_PTR exitDialog(Call& call) {
    const char *title = call.words.textOrNull(2), *link = call.words.textOrNull(3);
    if (!call.words.ok()) return 0;
    DialogDriver::recordShellRequests(true);
    INT_PTR result = UI::createExitApplicationDialog(title, link);
    for (const DialogDriver::ShellRequest& request : DialogDriver::shellRequests()) {
        std::string how = formatted(" shown %d", request.showCommand);
        if (request.showCommand == SW_SHOWMAXIMIZED) how = " maximised";
        if (!request.defaultVerbOnly) how += " with more than the default verb";
        call.context.log->push_back("shell " + quoted(request.file.c_str()) + how);
    }
    DialogDriver::recordShellRequests(false);
    return result;
}

// createButtonTranslatorDialog: the recording procedure is the host's.
INT_PTR translator(Call& call) { return UI::createButtonTranslatorDialog(call.hostProcedure, call.context.dialog); }

// ---- The mesh editor over a stand-in host -------------------------------------------------------

struct MeshHost {
    Mesh mesh{};
    std::vector<MeshAnimation> animations;
    StatementContext* context = nullptr;
};
MeshHost* meshHost = nullptr;  // the host callbacks have no context of their own

// onApply runs the scenario's next dialog, if there is one.
long applyEdits(const char* text, short tag) {
    meshHost->context->log->push_back("onApply " + quoted(text) + " " + std::to_string(tag));
    return static_cast<long>(meshHost->context->openNext(false));
}

// The material button runs the scenario's next dialog: its result is the new id, -1 keeps the old.
long chooseMaterial(long current) {
    meshHost->context->log->push_back("chooseMaterial " + std::to_string(current));
    INT_PTR chosen = meshHost->context->openNext(true);
    return chosen == -1 ? current : static_cast<long>(chosen);
}

// Materials 0 to 99 are named "Material N"; there are no others.
Material* lookupMaterial(short id) {
    static Material materials[100];
    if (id < 0 || id >= 100) return nullptr;
    std::snprintf(materials[id].name, sizeof materials[id].name, "Material %d", id);
    return &materials[id];
}

// What the editor left changed in the host's records, field by field: Cancel leaves nothing.
void logChanges(const MeshHost& before, const MeshHost& after, std::vector<std::string>& log) {
    auto changed = [&log](bool differs, const std::string& line) { if (differs) log.push_back(line); };
    const Mesh &was = before.mesh, &is = after.mesh;
    changed(is.MeshFlags != was.MeshFlags, formatted("mesh flags 0x%X", is.MeshFlags));
    for (int i = 0; i < 8; ++i)
        changed(is.lodRange[i] != was.lodRange[i], formatted("mesh lod %d ", i + 1) + formatted("%g", is.lodRange[i]));
    changed(is.fakeShadowMaterial != was.fakeShadowMaterial, formatted("mesh material %d", is.fakeShadowMaterial));
    changed(is.fakeShadowSize != was.fakeShadowSize, formatted("mesh size %g", is.fakeShadowSize));
    for (size_t i = 0; i < after.animations.size(); ++i) {
        const MeshAnimation &old = before.animations[i], &now = after.animations[i];
        const std::string animation = "animation " + std::string(now.name);
        changed(old.speed != now.speed, animation + formatted(" speed %d", now.speed));
        changed(old.AnimationFlags != now.AnimationFlags, animation + formatted(" flags 0x%X", now.AnimationFlags));
    }
}

// createMeshEditorDialog TAG FLAGS MATERIAL ["name" SPEED FLAGS]...: a mesh with LODs 10 to 80 and
// a fake shadow 1.5 in size, and its animations.
INT_PTR meshEditor(Call& call) {
    Words& words = call.words;
    MeshHost host{Mesh{}, {}, &call.context};
    host.mesh = Mesh{static_cast<uint32_t>(words.value(3)), 0, {10, 20, 30, 40, 50, 60, 70, 80},
                     static_cast<int16_t>(words.value(4)), 1.5f, nullptr, {}, "scenario mesh"};
    for (size_t i = 5; i + 2 < words.size(); i += 3) {
        host.animations.push_back(MeshAnimation{static_cast<uint32_t>(words.value(i + 2)), 0,
                                                static_cast<int32_t>(words.value(i + 1)), {}, {}, {}});
        std::snprintf(host.animations.back().name, sizeof host.animations.back().name, "%s", words.text(i).c_str());
    }
    if ((words.size() - 5) % 3 != 0) words.fail("each animation is \"name\" SPEED FLAGS");
    const short tag = static_cast<short>(words.value(2));
    if (!words.ok()) return 0;
    host.mesh.animationCount = static_cast<int32_t>(host.animations.size());
    host.mesh.animations = host.animations.empty() ? nullptr : host.animations.data();
    const MeshHost before = host;
    MeshHost* outer = std::exchange(meshHost, &host);
    WindowNode parent{call.context.dialog};
    INT_PTR result = createMeshEditorDialog(&parent, &host.mesh, tag, applyEdits, chooseMaterial, lookupMaterial);
    meshHost = outer;
    logChanges(before, host, *call.context.log);
    return result;
}

// ---- The table ------------------------------------------------------------------------------------

const struct {
    const char* name;
    INT_PTR (*call)(Call& call);
} kEntries[] = {
    {"rename", rename}, {"select", select}, {"createExitApplicationDialog", exitDialog},
    {"createButtonTranslatorDialog", translator}, {"createMeshEditorDialog", meshEditor},
};

// The entries that take nothing but an owner, read from the public header by the build.
const struct {
    const char* name;
    long (*call)(HWND owner);
} kOwnerOnlyEntries[] = {
#include "library_entries.inc"
};

}  // namespace

bool callEntry(const Statement& statement, StatementContext& context, DLGPROC hostProcedure, INT_PTR& result,
               std::string& error) {
    Words words(statement, error);
    Call call{words, context, hostProcedure};
    for (const auto& entry : kEntries) {
        if (words.text(1) == entry.name) result = entry.call(call);
        if (words.text(1) == entry.name) return words.ok();
    }
    for (const auto& entry : kOwnerOnlyEntries) {
        if (words.text(1) != entry.name) continue;
        if (words.size() != 2) words.fail(words.text(1) + " takes no arguments");
        if (words.ok()) result = entry.call(context.dialog);
        return words.ok();
    }
    words.fail("the library has no entry " + words.text(1) + " a scenario can call");
    return false;
}

}  // namespace scenario
