// The scenario suite's harness: the module holding its test templates, and a dialog procedure
// that records the messages it receives (WM_INITDIALOG, WM_COMMAND, WM_CLOSE) so that tests compare
// the order and content of notifications, the same on both dialog managers.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/dialog_host.h"
#include "tests/scenarios/scenario_ids.h"
#include "platform/scripted_user/scripted_user.h"

namespace scenario {

using Log = std::vector<std::string>;

// The suite's own templates, linked into the test program.
HINSTANCE testModule();

// One dialog run: what the recording procedure saw, and how it answers.
struct DialogRun {
    std::vector<std::string> log;
    // WM_INITDIALOG: the procedure's answer (TRUE asks for the default focus) after setup.
    std::function<INT_PTR(HWND dialog)> onInit;
    // WM_COMMAND before the default handling; true when handled.
    std::function<bool(HWND dialog, int id, int code)> onCommand;
    // WM_CLOSE: the procedure's answer; FALSE lets the dialog manager send the Cancel command.
    INT_PTR closeAnswer = FALSE;
    // Ends the dialog with 1 for IDOK and 0 for IDCANCEL when these commands arrive unhandled.
    bool endOnOkAndCancel = true;
    HWND dialog = nullptr;
};

// Runs template `templateId` with the recording procedure.
INT_PTR runDialog(int templateId, DialogRun& run, HWND owner = nullptr);
// ... with a scripted user attached for the run, who plays `script` in the dialog.
INT_PTR play(int templateId, DialogRun& run, scripted::Script script);

// Log entries, as the recorder writes them.
std::string init(int focusId);                 // WM_INITDIALOG with the control it proposes for focus
std::string command(int id, int code);         // WM_COMMAND from control `id` (its handle as lParam)
std::string commandWithoutControl(int id, int code);  // ... with a null lParam
std::string close();                           // WM_CLOSE
// `count` changes of edit-like control `id`: each an update then a change notification.
Log changes(int id, int count, int update = EN_UPDATE, int change = EN_CHANGE);

// The log without the focus notifications (EN_SETFOCUS, LBN_SETFOCUS, ... and their KILLFOCUS).
Log withoutFocusNotes(const Log& log);

std::string textOf(HWND dialog, int id);

// SendMessage to control `id`; LB_ADDSTRING of each text to list box `id`.
LRESULT sendTo(HWND dialog, int id, UINT message, WPARAM wordParam = 0, LPARAM longParam = 0);
LRESULT addString(HWND dialog, int id, const char* text);

}  // namespace scenario
