// The main window's procedure: it fills the lists from the scene and runs a step for each button.
#include "tools/demo/main_window.h"

#include "harness/dialog_driver.h"
#include "harness/program_resources.h"
#include "tools/demo/demo_window_ids.h"

namespace demo {

namespace {

struct MainWindow {
    Editor& editor;
    Transcript& transcript;
    const char* exitLink;
    bool busy = false;  // a step's dialog is running: the exit dialog has no owner to keep us disabled
};

MainWindow* shown = nullptr;

void fillList(HWND dialog, int id, const std::vector<std::string>& entries, int selection) {
    HWND list = DialogHost::getDlgItem(dialog, id);
    DialogHost::sendMessage(list, LB_RESETCONTENT, 0, 0);
    for (const std::string& entry : entries) DialogHost::sendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    if (selection >= 0) DialogHost::sendMessage(list, LB_SETCURSEL, static_cast<WPARAM>(selection), 0);
}

int selectedMesh(HWND dialog) {
    LRESULT selected = DialogHost::sendMessage(DialogHost::getDlgItem(dialog, IDC_DEMO_MESHES), LB_GETCURSEL, 0, 0);
    return selected >= 0 ? static_cast<int>(selected) : 0;
}

// The lists show the scene as it is now; the mesh list keeps its selection.
void showScene(HWND dialog, Scene& scene) {
    std::vector<std::string> meshes, materials;
    for (const Mesh& mesh : scene.meshes) meshes.emplace_back(mesh.name);
    for (const Material& material : scene.materials) materials.emplace_back(material.name);
    fillList(dialog, IDC_DEMO_MESHES, meshes, selectedMesh(dialog));
    fillList(dialog, IDC_DEMO_MATERIALS, materials, -1);
    fillList(dialog, IDC_DEMO_TRANSLATOR_LIST, scene.translators, -1);
}

void showChanges(HWND dialog, std::vector<std::string> lines) {
    if (lines.size() <= 1) lines.emplace_back("nothing changed");
    fillList(dialog, IDC_DEMO_CHANGES, lines, -1);
}

bool commandOfButton(int id, StepCommand& command) {
    switch (id) {
        case IDC_DEMO_RENAME: command = StepCommand::Rename; return true;
        case IDC_DEMO_PICK_MATERIAL: command = StepCommand::PickMaterial; return true;
        case IDC_DEMO_EDIT_MESH: command = StepCommand::Edit; return true;
        case IDC_DEMO_TRANSLATORS: command = StepCommand::Translator; return true;
        case IDC_DEMO_MATERIAL_FRAME: command = StepCommand::MaterialProperties; return true;
        case IDC_DEMO_EXIT: command = StepCommand::Exit; return true;
        default: return false;
    }
}

// A step as the transcript of a script tells it, its dialog owned by the main window.
void runStep(HWND dialog, StepCommand command) {
    MainWindow& window = *shown;
    if (window.busy) return;
    Scene& scene = window.editor.scene();
    Mesh* mesh = stepNeedsMesh(command) ? &scene.meshes[static_cast<size_t>(selectedMesh(dialog))] : nullptr;
    window.transcript.heading("== run " + std::string(stepWord(command)) +
                              (mesh != nullptr ? " \"" + std::string(mesh->name) + "\"" : ""));
    window.busy = true;
    long result = window.editor.run(command, mesh, dialog, window.exitLink);
    window.busy = false;
    showScene(dialog, scene);
    showChanges(dialog, window.editor.lastChanges());
    if (command == StepCommand::Exit && result == 1) DialogHost::endDialog(dialog, IDOK);
}

INT_PTR CALLBACK mainProcedure(HWND dialog, UINT message, WPARAM wordParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        showScene(dialog, shown->editor.scene());
        fillList(dialog, IDC_DEMO_CHANGES, {"No dialog has run yet."}, -1);
        return TRUE;
    }
    if (message != WM_COMMAND) return FALSE;
    int id = LOWORD(wordParam);
    StepCommand command = StepCommand::Rename;
    if (id == IDCANCEL) {
        DialogHost::endDialog(dialog, IDCANCEL);
    } else if (id == IDC_DEMO_MESHES && HIWORD(wordParam) == LBN_DBLCLK) {
        runStep(dialog, StepCommand::Edit);
    } else if (commandOfButton(id, command)) {
        runStep(dialog, command);
    }
    return TRUE;
}

}  // namespace

bool runMainWindow(Editor& editor, Transcript& transcript, const char* exitLink, std::string& error) {
    HINSTANCE module = programModule(error);
    if (module == nullptr) return false;
    MainWindow window{editor, transcript, exitLink};
    shown = &window;
    INT_PTR result = DialogHost::dialogBoxParam(module, IDD_DEMO_MAIN, nullptr, mainProcedure, 0);
    shown = nullptr;
    if (result == -1) error = "the main window cannot be shown: " + DialogDriver::lastDialogFailure();
    return result != -1;
}

}  // namespace demo
