// The C++ checks' dialog procedure and user.
#include "tests/scenarios/dialog_checks.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/dialog_host.h"
#include "harness/program_resources.h"

namespace scenario {

namespace {

// What one runChecks call asks of its dialog; calls nest when `during` opens another dialog.
struct Checks {
    const std::function<void(HWND)>* during;
    const scripted::Script* then;
    HWND* dialog;
};

std::vector<Checks> pending;
scripted::User* user = nullptr;

// The dialog's script is queued once WM_INITDIALOG is done, so that a dialog `during` opened and
// ended meanwhile has taken its own.
INT_PTR CALLBACK checkingProcedure(HWND dialog, UINT message, WPARAM wordParam, LPARAM) {
    if (message == WM_INITDIALOG && !pending.empty()) {
        Checks checks = pending.back();
        if (checks.dialog != nullptr) *checks.dialog = dialog;
        (*checks.during)(dialog);
        const scripted::Script& then = *checks.then;
        user->then([&then](scripted::Dialog& shown) {
            then(shown);
            shown.pressEscape();
        });
        return TRUE;
    }
    if (message == WM_COMMAND && LOWORD(wordParam) == IDCANCEL) return DialogHost::endDialog(dialog, 0);
    return FALSE;
}

}  // namespace

HINSTANCE scenarioModule() {
    std::string error;
    HINSTANCE module = programModule(error);
    if (module == nullptr) ADD_FAILURE() << "the scenario templates cannot be used: " << error;
    return module;
}

INT_PTR runChecks(int templateId, const std::function<void(HWND)>& during, const scripted::Script& then, HWND owner,
                  HWND* dialog) {
    std::unique_ptr<scripted::User> outermost;
    if (user == nullptr) {
        outermost = std::make_unique<scripted::User>();
        user = outermost.get();
    }
    pending.push_back(Checks{&during, &then, dialog});
    INT_PTR result = DialogHost::dialogBoxParam(scenarioModule(), static_cast<WORD>(templateId), owner,
                                                checkingProcedure, 0);
    pending.pop_back();
    if (outermost) user = nullptr;
    return result;
}

}  // namespace scenario
