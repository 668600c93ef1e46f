// The sample host's steps, its callbacks and the transcript and pictures of a run.
#include "tools/demo/demo_session.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "platform/scripted_user/scripted_user.h"
#include "tools/demo/demo_actions.h"
#include "platform/dialog_driver.h"
#include "tools/demo/translator_procedure.h"
#include "tools/render/dialog_painter.h"
#include "tools/render/file_bytes.h"
#include "tools/render/module_font.h"

namespace demo {

namespace {

constexpr short kEditorTag = 7;
constexpr const char* kLink = "https://www.example.com/";  // opened when the user accepts the exit dialog  // the host's own tag for the mesh editor, handed back to onApply

Session* activeSession = nullptr;

long onApplyCallback(const char* text, short tag) {
    activeSession->applied(text, tag);
    return 0;
}
long chooseMaterialCallback(long current) { return activeSession->chooseMaterial(current); }
Material* lookupMaterialCallback(short id) { return activeSession->lookupMaterial(id); }
void closingCallback(HWND dialog, void* context) { static_cast<Session*>(context)->dialogClosing(dialog); }

std::string slugOf(const std::string& title) {
    std::string slug;
    for (char c : title) {
        if (std::isalnum(static_cast<unsigned char>(c))) slug += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        else if (!slug.empty() && slug.back() != '-') slug += '-';
    }
    while (!slug.empty() && slug.back() == '-') slug.pop_back();
    return slug.substr(0, 40).empty() ? "dialog" : slug.substr(0, 40);
}

std::string resultMeaning(long result) {
    switch (result) {
        case 1: return "1 (OK)";
        case 0: return "0 (Cancel)";
        case -1: return "-1 (the dialog could not be created)";
        case scripted::kAbandoned: return std::to_string(result) + " (left open by the script and ended from outside)";
        default: return std::to_string(result);
    }
}

}  // namespace

Session::Session(const SessionOptions& options, std::ostream& transcript) : options_(options), out_(transcript) {
    buildScene(scene_);
    std::string error;
    fontLoaded_ = uitools::loadModuleFont(font_, error);
    if (!fontLoaded_) out_ << "note: no pictures will be drawn: " << error << "\n";
    std::error_code ignored;
    std::filesystem::create_directories(options_.pictureDir, ignored);
    activeSession = this;
    DialogDriver::observeClosing(closingCallback, this);
}

Session::~Session() {
    DialogDriver::observeClosing(nullptr, nullptr);
    activeSession = nullptr;
}

int Session::play(const DemoScript& script) {
    for (const Step& step : script.steps) runStep(step);
    out_ << "\n" << script.steps.size() << " steps, " << pictures_.size() << " pictures, " << problems_
         << " problems\n";
    return problems_;
}

std::string Session::indent() const { return std::string(2 * (1 + openDialogs_.size()), ' '); }

void Session::say(const std::string& line) { out_ << indent() << line << "\n"; }

void Session::problem(const std::string& message) {
    ++problems_;
    say("PROBLEM: " + message);
}

void Session::runStep(const Step& step) {
    out_ << "\n== run " << step.command << (step.argument.empty() ? "" : " \"" + step.argument + "\"") << "  (line "
         << step.line << ")\n";
    bool needsMesh = false;
    isStepCommand(step.command, needsMesh);
    Mesh* mesh = needsMesh ? findMesh(scene_, step.argument) : nullptr;
    if (needsMesh && mesh == nullptr) {
        problem("line " + std::to_string(step.line) + ": the scene has no mesh \"" + step.argument +
                "\" (it has \"Boulder\", \"Oak Tree\" and \"Guard\")");
        return;
    }
    std::unique_ptr<scripted::User> user = options_.scripted ? queueBlocks(step) : nullptr;
    MeshCopy before = mesh ? copyMesh(*mesh) : MeshCopy{};
    if (mesh) {
        say("mesh before:");
        for (const std::string& line : describeMesh(before, scene_)) say("  " + line);
    }
    long result = executeStep(step, mesh);
    say("result: " + (step.command == "pick-material" ? std::to_string(result) : resultMeaning(result)));
    if (mesh) reportMeshAfter(step, before, *mesh);
    if (user && user->scriptsLeft() > 0) {
        problem(std::to_string(user->scriptsLeft()) + " dialog block(s) of line " + std::to_string(step.line) +
                "'s step found no dialog to act in");
    }
    if (user && user->dialogsAbandoned() > 0) problem("a dialog was left open by its block and ended from outside");
}

// One script for each dialog block, in the order the dialogs will open.
std::unique_ptr<scripted::User> Session::queueBlocks(const Step& step) {
    auto user = std::make_unique<scripted::User>();
    for (const DialogBlock& block : step.dialogs) {
        user->then([this, &block](scripted::Dialog& dialog) {
            dialogOpened(dialog.handle(), dialog.title(), block);
            for (const Action& action : block.actions) performAction(*this, dialog, action);
        });
    }
    return user;
}

void Session::reportMeshAfter(const Step& step, const MeshCopy& before, const Mesh& mesh) {
    std::vector<std::string> changes = diffMesh(before, copyMesh(mesh), scene_);
    bool rolledBack = changes.empty() && step.command == "edit" && liveChanged_;
    if (changes.empty()) {
        say(std::string("mesh after: unchanged") + (rolledBack ? " (Cancel rolled back every change the dialog made)" : ""));
    } else {
        say("mesh after, changed:");
    }
    for (const std::string& line : changes) say("  " + line);
}

long Session::executeStep(const Step& step, Mesh* mesh) {
    if (step.command == "rename") {
        char name[UIRESOURCE_MESH_NAME_CAPACITY] = "";
        long result = UI::rename(nullptr, mesh->name, name, sizeof name, -1, -1);
        if (result == 1) std::snprintf(mesh->name, sizeof mesh->name, "%s", name);
        return result;
    }
    if (step.command == "pick-material") {
        long chosen = chooseMaterial(mesh->fakeShadowMaterial);
        mesh->fakeShadowMaterial = static_cast<int16_t>(chosen);
        return chosen;
    }
    if (step.command == "edit") return runMeshEditor(*mesh);
    if (step.command == "material-properties") return UI::displayMaterialProperties(nullptr);
    if (step.command == "translator") return runTranslator();
    // A scripted run passes no link, so accepting opens nothing.
    return UI::createExitApplicationDialog("Leaving the Sample Editor", options_.scripted ? nullptr : kLink);
}

long Session::runMeshEditor(Mesh& mesh) {
    WindowNode owner{nullptr};
    liveMesh_ = &mesh;
    liveSeen_ = copyMesh(mesh);
    liveChanged_ = false;
    long result = createMeshEditorDialog(&owner, &mesh, kEditorTag, onApplyCallback, chooseMaterialCallback,
                                         lookupMaterialCallback);
    liveMesh_ = nullptr;
    return result;
}

long Session::runTranslator() {
    say("translators before: " + std::to_string(scene_.translators.size()));
    for (const std::string& entry : scene_.translators) say("  " + entry);
    setTranslatorList(&scene_.translators);
    long result = UI::createButtonTranslatorDialog(translatorProcedure, nullptr);
    setTranslatorList(nullptr);
    say("translators after: " + std::to_string(scene_.translators.size()));
    for (const std::string& entry : scene_.translators) say("  " + entry);
    return result;
}

long Session::chooseMaterial(long current) {
    say("host: chooseMaterial(" + std::to_string(current) + ") shows the material list");
    std::vector<const char*> names;
    std::vector<long> ids;
    for (size_t i = 0; i < scene_.materials.size(); ++i) {
        names.push_back(scene_.materials[i].name);
        ids.push_back(static_cast<long>(i));
    }
    long chosen = UI::select(nullptr, "Fake Shadow Material", "Use", names.data(), ids.data(),
                             static_cast<long>(names.size()), current);
    long answer = chosen == -1 ? current : chosen;
    say("host: chooseMaterial returns " + std::to_string(answer) + (chosen == -1 ? " (no choice: unchanged)" : ""));
    return answer;
}

Material* Session::lookupMaterial(short id) { return findMaterial(scene_, static_cast<unsigned short>(id)); }

void Session::applied(const char* text, short tag) {
    say(std::string("host: onApply(") + (text ? "\"" + std::string(text) + "\"" : "null") + ", tag " +
        std::to_string(tag) + ") keeps the changes");
}

void Session::dialogOpened(HWND dialog, const std::string& title, const DialogBlock& block) {
    say("opened \"" + title + "\"");
    openDialogs_.push_back(dialog);
    if (!block.expectedTitle.empty() && title.find(block.expectedTitle) == std::string::npos) {
        problem("line " + std::to_string(block.line) + ": expected a dialog titled \"" + block.expectedTitle + "\"");
    }
}

void Session::played(const Action&, HWND) {
    if (liveMesh_ == nullptr) return;
    MeshCopy now = copyMesh(*liveMesh_);
    for (const std::string& line : diffMesh(liveSeen_, now, scene_)) {
        say("  mesh now: " + line);
        liveChanged_ = true;
    }
    liveSeen_ = now;
}

void Session::dialogClosing(HWND dialog) {
    uitools::DialogView view;
    std::string picture;
    if (fontLoaded_ && uitools::viewOfLiveDialog(dialog, view)) {
        char number[8];
        std::snprintf(number, sizeof number, "%02zu-", pictures_.size() + 1);
        picture = options_.pictureDir + "/" + number + slugOf(view.title) + ".png";
        std::vector<uint8_t> png = uitools::paintDialog(view, font_).encodePng();
        std::string error = picture + ": cannot be drawn";
        if (png.empty() || !uitools::writeFileBytes(picture, png.data(), png.size(), error)) {
            problem("the picture " + error);
            picture.clear();
        }
    }
    if (!picture.empty()) pictures_.push_back(picture);
    auto open = std::find(openDialogs_.begin(), openDialogs_.end(), dialog);
    if (open != openDialogs_.end()) openDialogs_.erase(open);
    say("closed \"" + view.title + "\"" + (picture.empty() ? "" : "; picture " + picture));
}

}  // namespace demo
