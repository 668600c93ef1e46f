// The sample host's operations, callbacks and reports.
#include "tools/demo/editor.h"

#include <algorithm>
#include <cstdio>

#include "harness/dialog_driver.h"
#include "harness/scripted_user/scripted_user.h"
#include "tools/demo/translator_procedure.h"

namespace demo {

namespace {

constexpr short kEditorTag = 7;  // the host's own tag for the mesh editor, handed back to onApply

std::string resultMeaning(long result) {
    switch (result) {
        case 1: return "1 (OK)";
        case 0: return "0 (Cancel)";
        case -1: return "-1 (the dialog could not be created)";
        case scripted::kAbandoned: return std::to_string(result) + " (left open by the script and ended from outside)";
        default: return std::to_string(result);
    }
}

void listTranslators(Transcript& transcript, const char* when, const std::vector<std::string>& translators) {
    transcript.say(std::string("translators ") + when + ": " + std::to_string(translators.size()));
    for (const std::string& entry : translators) transcript.say("  " + entry);
}

bool contains(const std::vector<std::string>& list, const std::string& entry) {
    return std::find(list.begin(), list.end(), entry) != list.end();
}

// Entries added ("+") and removed ("-"), or that the same entries were put in another order.
std::vector<std::string> translatorChanges(const std::vector<std::string>& before, const std::vector<std::string>& after) {
    std::vector<std::string> lines;
    for (const std::string& entry : after) {
        if (!contains(before, entry)) lines.push_back("translator added: " + entry);
    }
    for (const std::string& entry : before) {
        if (!contains(after, entry)) lines.push_back("translator removed: " + entry);
    }
    if (lines.empty() && before != after) lines.push_back("translators put in another order");
    return lines;
}

}  // namespace

Editor* Editor::open_ = nullptr;

Editor::Editor(Scene& scene, Transcript& transcript) : scene_(scene), transcript_(transcript) {}

long Editor::run(StepCommand command, Mesh* mesh, HWND owner, const char* exitLink) {
    lastChanges_.clear();
    MeshCopy before = mesh != nullptr ? copyMesh(*mesh) : MeshCopy{};
    if (mesh != nullptr) {
        transcript_.say("mesh before:");
        for (const std::string& line : describeMesh(before, scene_)) transcript_.say("  " + line);
    }
    long result = 0;
    switch (command) {
        case StepCommand::Rename: result = rename(*mesh, owner); break;
        case StepCommand::PickMaterial: result = pickMaterial(*mesh, owner); break;
        case StepCommand::Edit: result = editMesh(*mesh, owner); break;
        case StepCommand::MaterialProperties: result = UI::displayMaterialProperties(owner); break;
        case StepCommand::Translator: result = translators(owner); break;
        case StepCommand::Exit: result = UI::createExitApplicationDialog("Leaving the Sample Editor", exitLink); break;
    }
    std::string meaning = command == StepCommand::PickMaterial ? std::to_string(result) : resultMeaning(result);
    transcript_.say("result: " + meaning);
    lastChanges_.insert(lastChanges_.begin(), std::string(stepWord(command)) + ": " + meaning);
    if (result == -1 && command != StepCommand::PickMaterial) transcript_.say("why: " + DialogDriver::lastDialogFailure());
    if (mesh != nullptr) reportMeshAfter(command, before, *mesh);
    return result;
}

long Editor::rename(Mesh& mesh, HWND owner) {
    char name[UIRESOURCE_MESH_NAME_CAPACITY] = "";
    long result = UI::rename(owner, mesh.name, name, sizeof name, -1, -1);
    if (result == 1) std::snprintf(mesh.name, sizeof mesh.name, "%s", name);
    return result;
}

long Editor::pickMaterial(Mesh& mesh, HWND owner) {
    long chosen = chooseMaterial(mesh.fakeShadowMaterial, owner);
    mesh.fakeShadowMaterial = static_cast<int16_t>(chosen);
    return chosen;
}

long Editor::editMesh(Mesh& mesh, HWND owner) {
    WindowNode parent{owner};
    liveMesh_ = &mesh;
    liveSeen_ = copyMesh(mesh);
    liveChanged_ = false;
    open_ = this;
    long result = createMeshEditorDialog(&parent, &mesh, kEditorTag, onApply, chooseMaterialCallback,
                                         lookupMaterialCallback);
    open_ = nullptr;
    liveMesh_ = nullptr;
    return result;
}

long Editor::translators(HWND owner) {
    std::vector<std::string> before = scene_.translators;
    listTranslators(transcript_, "before", scene_.translators);
    setTranslatorList(&scene_.translators);
    long result = UI::createButtonTranslatorDialog(translatorProcedure, owner);
    setTranslatorList(nullptr);
    listTranslators(transcript_, "after", scene_.translators);
    for (const std::string& line : translatorChanges(before, scene_.translators)) lastChanges_.push_back(line);
    return result;
}

long Editor::chooseMaterial(long current, HWND owner) {
    transcript_.say("host: chooseMaterial(" + std::to_string(current) + ") shows the material list");
    std::vector<const char*> names;
    std::vector<long> ids;
    for (size_t i = 0; i < scene_.materials.size(); ++i) {
        names.push_back(scene_.materials[i].name);
        ids.push_back(static_cast<long>(i));
    }
    long chosen = UI::select(owner, "Fake Shadow Material", "Use", names.data(), ids.data(),
                             static_cast<long>(names.size()), current);
    long answer = chosen == -1 ? current : chosen;
    transcript_.say("host: chooseMaterial returns " + std::to_string(answer) +
                    (chosen == -1 ? " (no choice: unchanged)" : ""));
    return answer;
}

void Editor::reportLiveChanges() {
    if (liveMesh_ == nullptr) return;
    MeshCopy now = copyMesh(*liveMesh_);
    for (const std::string& line : diffMesh(liveSeen_, now, scene_)) {
        transcript_.say("  mesh now: " + line);
        liveChanged_ = true;
    }
    liveSeen_ = now;
}

void Editor::reportMeshAfter(StepCommand command, const MeshCopy& before, const Mesh& mesh) {
    std::vector<std::string> changes = diffMesh(before, copyMesh(mesh), scene_);
    bool rolledBack = changes.empty() && command == StepCommand::Edit && liveChanged_;
    if (changes.empty()) {
        transcript_.say(std::string("mesh after: unchanged") +
                        (rolledBack ? " (Cancel rolled back every change the dialog made)" : ""));
    } else {
        transcript_.say("mesh after, changed:");
    }
    for (const std::string& line : changes) transcript_.say("  " + line);
    lastChanges_.insert(lastChanges_.end(), changes.begin(), changes.end());
}

long Editor::onApply(const char* text, short tag) {
    if (open_ == nullptr) return 0;
    open_->transcript_.say(std::string("host: onApply(") + (text ? "\"" + std::string(text) + "\"" : "null") +
                           ", tag " + std::to_string(tag) + ") keeps the changes");
    return 0;
}

// The material list belongs to the mesh editor, the dialog in front when it asks.
long Editor::chooseMaterialCallback(long current) {
    return open_ != nullptr ? open_->chooseMaterial(current, DialogDriver::activeDialog()) : current;
}

Material* Editor::lookupMaterialCallback(short id) {
    return open_ != nullptr ? findMaterial(open_->scene_, static_cast<unsigned short>(id)) : nullptr;
}

}  // namespace demo
