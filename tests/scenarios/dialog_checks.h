// Checks written in C++ rather than in the scenario language, for answers that are numbers and
// rectangles: run inside a scenario template's WM_INITDIALOG, then by its user.
#pragma once

#include <functional>

#include "harness/scripted_user/scripted_user.h"
#include "platform/win32_types.h"

namespace scenario {

HINSTANCE scenarioModule();  // the suite's templates (scenario_dialogs.rc), linked into the program

// Runs `templateId` owned by `owner`: `during` in WM_INITDIALOG (which answers TRUE), `then` once
// the dialog shows, after which the user presses Escape, which ends it with 0 (the result is
// returned). Returns the result; `dialog` receives the handle, dead by then.
INT_PTR runChecks(int templateId, const std::function<void(HWND)>& during, const scripted::Script& then,
                  HWND owner = nullptr, HWND* dialog = nullptr);

}  // namespace scenario
