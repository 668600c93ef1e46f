// The recording dialog procedure of the scenario suite.
#include "tests/scenarios/scenario_support.h"

#include "platform/program_resources.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>

namespace scenario {

namespace {

std::map<HWND, DialogRun*>& runsByDialog() {
    static std::map<HWND, DialogRun*> runs;
    return runs;
}

int idOfControl(HWND dialog, HWND control) {
    for (int id : {IDOK, IDCANCEL, IDC_TEXT, IDC_NUMBER, IDC_LABEL, IDC_CHECK_A, IDC_CHECK_B, IDC_PUSH, IDC_SORTED,
                   IDC_UNSORTED, IDC_QUIET, IDC_SORTED_COMBO, IDC_PLAIN_COMBO}) {
        if (control != nullptr && DialogHost::getDlgItem(dialog, id) == control) return id;
    }
    return 0;
}

void recordCommand(DialogRun& run, HWND dialog, WPARAM wordParam, LPARAM longParam) {
    int id = static_cast<short>(LOWORD(wordParam));
    int code = HIWORD(wordParam);
    HWND from = reinterpret_cast<HWND>(longParam);
    if (from == nullptr) run.log.push_back(commandWithoutControl(id, code));
    else if (from == DialogHost::getDlgItem(dialog, id)) run.log.push_back(command(id, code));
    else run.log.push_back("command " + std::to_string(id) + " " + std::to_string(code) + " from a stranger");
}

INT_PTR handleCommand(DialogRun& run, HWND dialog, WPARAM wordParam, LPARAM longParam) {
    recordCommand(run, dialog, wordParam, longParam);
    int id = static_cast<short>(LOWORD(wordParam));
    int code = HIWORD(wordParam);
    if (run.onCommand && run.onCommand(dialog, id, code)) return TRUE;
    if (run.endOnOkAndCancel && code == BN_CLICKED && (id == IDOK || id == IDCANCEL)) {
        DialogHost::endDialog(dialog, id == IDOK ? 1 : 0);
        return TRUE;
    }
    return FALSE;
}

INT_PTR CALLBACK recordingProcedure(HWND dialog, UINT message, WPARAM wordParam, LPARAM longParam) {
    if (message == WM_INITDIALOG) {
        DialogRun* run = reinterpret_cast<DialogRun*>(longParam);
        runsByDialog()[dialog] = run;
        run->dialog = dialog;
        run->log.push_back(init(idOfControl(dialog, reinterpret_cast<HWND>(wordParam))));
        return run->onInit ? run->onInit(dialog) : TRUE;
    }
    auto found = runsByDialog().find(dialog);
    if (found == runsByDialog().end()) return FALSE;
    DialogRun& run = *found->second;
    switch (message) {
    case WM_COMMAND: return handleCommand(run, dialog, wordParam, longParam);
    case WM_CLOSE: run.log.push_back(close()); return run.closeAnswer;
    case WM_DESTROY: runsByDialog().erase(found); return FALSE;
    default: return FALSE;
    }
}

}  // namespace

HINSTANCE testModule() {
    std::string error;
    HINSTANCE module = programModule(error);
    if (module == nullptr) ADD_FAILURE() << "the scenario templates cannot be used: " << error;
    return module;
}

INT_PTR runDialog(int templateId, DialogRun& run, HWND owner) {
    return DialogHost::dialogBoxParam(testModule(), static_cast<WORD>(templateId), owner, recordingProcedure,
                                      reinterpret_cast<LPARAM>(&run));
}

INT_PTR play(int templateId, DialogRun& run, scripted::Script script) {
    scripted::User user;
    user.then(std::move(script));
    return runDialog(templateId, run);
}

std::string init(int focusId) { return "init, focus offered to " + std::to_string(focusId); }

std::string command(int id, int code) { return "command " + std::to_string(id) + " " + std::to_string(code); }

std::string commandWithoutControl(int id, int code) { return command(id, code) + " without control"; }

std::string close() { return "close"; }

Log changes(int id, int count, int update, int change) {
    Log log;
    for (int i = 0; i < count; ++i) log.insert(log.end(), {command(id, update), command(id, change)});
    return log;
}

// Focus codes by the class of the control that sends them (the numbers overlap across classes).
bool isFocusNotification(int id, int code) {
    if (id == IDC_TEXT || id == IDC_NUMBER) return code == EN_SETFOCUS || code == EN_KILLFOCUS;
    if (id == IDC_SORTED || id == IDC_UNSORTED || id == IDC_QUIET) return code == LBN_SETFOCUS || code == LBN_KILLFOCUS;
    if (id == IDC_SORTED_COMBO || id == IDC_PLAIN_COMBO) return code == CBN_SETFOCUS || code == CBN_KILLFOCUS;
    return false;
}

Log withoutFocusNotes(const Log& log) {
    Log kept;
    for (const std::string& entry : log) {
        int id = 0, code = 0;
        bool isCommand = std::sscanf(entry.c_str(), "command %d %d", &id, &code) == 2;
        if (!isCommand || !isFocusNotification(id, code)) kept.push_back(entry);
    }
    return kept;
}

std::string textOf(HWND dialog, int id) {
    char buffer[256];
    DialogHost::getDlgItemText(dialog, id, buffer, sizeof buffer);
    return buffer;
}

LRESULT sendTo(HWND dialog, int id, UINT message, WPARAM wordParam, LPARAM longParam) {
    return DialogHost::sendMessage(DialogHost::getDlgItem(dialog, id), message, wordParam, longParam);
}

LRESULT addString(HWND dialog, int id, const char* text) {
    return sendTo(dialog, id, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
}

}  // namespace scenario
