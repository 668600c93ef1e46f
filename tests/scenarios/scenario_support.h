// The scenario suite's harness: the module holding its test templates, and a dialog procedure
// that records the messages it receives (WM_INITDIALOG, WM_COMMAND, WM_CLOSE) so that tests compare
// the order and content of notifications, the same on both dialog managers.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/dialog_host.h"
#include "tests/scenarios/scenario_ids.h"
#include "tests/support/scripted_user.h"

namespace scenario {

// The test program's own templates: the executable's resources on Windows, a registered module on
// Linux.
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

// Log entries, as the recorder writes them.
std::string init(int focusId);                 // WM_INITDIALOG with the control it proposes for focus
std::string command(int id, int code);         // WM_COMMAND from control `id` (its handle as lParam)
std::string commandWithoutControl(int id, int code);  // ... with a null lParam
std::string close();                           // WM_CLOSE

// The log without the focus notifications (EN_SETFOCUS, LBN_SETFOCUS, ... and their KILLFOCUS).
std::vector<std::string> withoutFocusNotes(const std::vector<std::string>& log);

std::string textOf(HWND dialog, int id);

// SendMessage to control `id`; LB_ADDSTRING of each text to list box `id`.
LRESULT sendTo(HWND dialog, int id, UINT message, WPARAM wordParam = 0, LPARAM longParam = 0);
LRESULT addString(HWND dialog, int id, const char* text);

}  // namespace scenario
