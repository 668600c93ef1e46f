// The scenario runner: a recording dialog procedure, a user who takes one step at a time whenever
// the dialog waits (so posted keys are handled before the next step, as a person's are), and the
// actions and checks scenarios are written in.
#include "tests/scenarios/scenario_runner.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <UIResource/UIResource.h>

#include "harness/dialog_driver.h"
#include "harness/program_resources.h"
#include "harness/scripted_user/scripted_user.h"
#include "tests/scenarios/scenario_entries.h"
#include "tests/scenarios/scenario_names.h"
#include "tests/scenarios/scenario_statements.h"

namespace scenario {

namespace {

// Wine's ntdll says what it is; Windows' has no such export.
bool runningUnderWine() {
#ifdef _WIN32
    static const bool wine = GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
    return wine;
#else
    return false;
#endif
}

struct OpenDialog {
    const Section* section = nullptr;
    HWND handle = nullptr;
    bool ended = false;  // its handle may be another dialog's by now
    std::vector<std::string> log;
    size_t nextStep = 0;
};

class Run {
public:
    explicit Run(const Scenario& scenario) : scenario_(scenario), dialogs_(scenario.sections.size()) {
        for (size_t i = 0; i < dialogs_.size(); ++i) dialogs_[i].section = &scenario.sections[i];
    }

    void play() {
        INT_PTR result = playUnchecked();
        checkResult(dialogs_[0], result);
        for (OpenDialog& dialog : dialogs_) checkEnd(dialog);
    }

    std::vector<std::string> record() {
        INT_PTR result = playUnchecked();
        std::vector<std::string> lines;
        for (const OpenDialog& dialog : dialogs_) lines.insert(lines.end(), dialog.log.begin(), dialog.log.end());
        lines.push_back("result " + std::to_string(result));
        return lines;
    }

    static INT_PTR CALLBACK procedure(HWND dialog, UINT message, WPARAM wordParam, LPARAM longParam) {
        return current_ != nullptr ? current_->receive(dialog, message, wordParam, longParam) : FALSE;
    }

private:
    // ---- Opening and checking --------------------------------------------------------------------

    INT_PTR playUnchecked() {
        current_ = this;
        // Each scenario starts as a host's thread with nothing focused: on Windows the desktop
        // stand-in the driver puts behind the dialogs may have kept the focus the last dialog left.
        DialogHost::setFocus(nullptr);
        DialogDriver::attachUser(onWaiting, this);
        INT_PTR result = open(0, nullptr);
        while (opened_ < dialogs_.size() && dialogs_[opened_].section->afterPrevious) {
            size_t next = opened_;
            checkResult(dialogs_[next], open(next, nullptr));
        }
        DialogDriver::attachUser(nullptr, nullptr);
        current_ = nullptr;
        return result;
    }

    // Opens section `index`'s dialog owned by `owner`: its template with the recording procedure,
    // or its library entry. The dialog is bound to the section when it first shows.
    INT_PTR open(size_t index, HWND owner) {
        OpenDialog& dialog = dialogs_[index];
        opening_ = index;
        opened_ = index + 1;
        const bool withRecordingProcedure = dialog.section->call.words.empty();
        INT_PTR result = withRecordingProcedure ? openTemplate(*dialog.section, owner) : callEntryOf(dialog, owner);
        dialog.ended = true;
        return result;
    }

    INT_PTR openTemplate(const Section& section, HWND owner) {
        long long templateId = 0;
        if (!valueOf(section.templateName, templateId)) fail(section.line, "no template named " + section.templateName);
        std::string error;
        HINSTANCE module = section.library ? getUIResourceAppInstance() : programModule(error);
        if (module == nullptr) fail(section.line, "the scenario templates cannot be used: " + error);
        return DialogHost::dialogBoxParam(module, static_cast<WORD>(templateId), owner, procedure, 0);
    }

    INT_PTR callEntryOf(OpenDialog& dialog, HWND owner) {
        StatementContext context{owner, &dialog.log, nextOf(dialog)};
        INT_PTR result = -1;
        std::string error;
        if (!callEntry(dialog.section->call, context, procedure, result, error)) fail(dialog.section->line, error);
        return result;
    }

    void checkResult(const OpenDialog& dialog, INT_PTR result) {
        long long expected = 0;
        if (dialog.section->checksResult && (!valueOf(dialog.section->result, expected) || expected != result))
            fail(dialog.section->line, "the dialog returned " + std::to_string(result) + ", not " + dialog.section->result);
    }

    void checkEnd(OpenDialog& dialog) {
        const Section& section = *dialog.section;
        if (dialog.nextStep < section.steps.size())
            fail(section.steps[dialog.nextStep].line, "the dialog ended before this step");
        if (!section.checksLog) return;
        std::vector<std::string> log = dialog.log;
        if (section.logWithoutFocus) log.erase(std::remove_if(log.begin(), log.end(), isFocusNote), log.end());
        if (log != section.log) fail(section.line, "the procedure received:\n" + joined(log) + "expected:\n" + joined(section.log));
    }

    static bool isFocusNote(const std::string& entry) {
        return entry.find("SETFOCUS") != std::string::npos || entry.find("KILLFOCUS") != std::string::npos;
    }

    static std::string joined(const std::vector<std::string>& lines) {
        std::string text;
        for (const std::string& line : lines) text += "    " + line + "\n";
        return text;
    }

    void fail(int line, const std::string& message) {
        ADD_FAILURE() << scenario_.file << ":" << line << ": " << message << "\n  (scenario \"" << scenario_.title << "\")";
    }

    static bool hasSetting(const OpenDialog& dialog, const std::string& setting) {
        const std::vector<std::string>& settings = dialog.section->settings;
        return std::find(settings.begin(), settings.end(), setting) != settings.end();
    }

    OpenDialog* dialogOf(HWND handle) {
        for (OpenDialog& dialog : dialogs_) {
            if (dialog.handle == handle && !dialog.ended) return &dialog;
        }
        return nullptr;
    }

    // The dialog being opened, if it has not shown yet.
    OpenDialog* opening() {
        OpenDialog& dialog = dialogs_[opening_];
        return dialog.handle == nullptr && !dialog.ended ? &dialog : nullptr;
    }

    // ---- The recording procedure -----------------------------------------------------------------

    INT_PTR receive(HWND handle, UINT message, WPARAM wordParam, LPARAM longParam) {
        if (message == WM_INITDIALOG) return initialise(handle, reinterpret_cast<HWND>(wordParam));
        OpenDialog* dialog = dialogOf(handle);
        if (dialog == nullptr) return FALSE;
        if (message == WM_CLOSE) {
            dialog->log.push_back("close");
            return hasSetting(*dialog, "close-answer TRUE");
        }
        if (message == WM_CONTEXTMENU) {
            HWND from = DialogDriver::controlHolding(reinterpret_cast<HWND>(wordParam), handle);
            dialog->log.push_back("context-menu " + (from != nullptr ? controlName(DialogDriver::controlId(from)) : "DIALOG"));
            return FALSE;
        }
        if (message != WM_COMMAND) return FALSE;
        int id = static_cast<short>(LOWORD(wordParam));
        int code = HIWORD(wordParam);
        HWND from = reinterpret_cast<HWND>(longParam);
        std::string codeName = notificationName(from != nullptr ? DialogDriver::className(from) : "BUTTON", code);
        dialog->log.push_back("command " + controlName(id) + " " + codeName + (from == nullptr ? " without control" : ""));
        for (const CommandRule& rule : dialog->section->rules) {
            if (rule.control != controlName(id) || (!rule.code.empty() && rule.code != codeName)) continue;
            for (const Statement& action : rule.actions) perform(*dialog, action);
            return TRUE;
        }
        if (code != BN_CLICKED || (id != IDOK && id != IDCANCEL) || hasSetting(*dialog, "keep-ok-cancel")) return FALSE;
        DialogHost::endDialog(handle, id == IDOK ? 1 : 0);
        return TRUE;
    }

    INT_PTR initialise(HWND handle, HWND proposedFocus) {
        if (opening() == nullptr) {
            fail(scenario_.line, "a dialog opened that the scenario has no section for");
            DialogHost::endDialog(handle, -1);
            return FALSE;
        }
        OpenDialog& dialog = *opening();
        dialog.handle = handle;
        dialog.log.push_back("init " + (proposedFocus != nullptr ? controlName(DialogDriver::controlId(proposedFocus)) : "none"));
        for (const Statement& action : dialog.section->atInit) perform(dialog, action);
        return hasSetting(dialog, "init-answer FALSE") ? FALSE : TRUE;
    }

    // ---- The user --------------------------------------------------------------------------------

    static void onWaiting(HWND handle, void* run) { static_cast<Run*>(run)->takeSteps(handle); }

    // Steps run until one posts input, which the loop handles before it calls again; a dialog whose
    // steps are done and which is still open is given up, as the scripted user gives one up.
    void takeSteps(HWND handle) {
        OpenDialog* dialog = dialogOf(handle);
        if (dialog == nullptr && opening() != nullptr && !opening()->section->call.words.empty()) {
            dialog = opening();  // a library entry's dialog, whose procedure is the library's
            dialog->handle = handle;
        }
        if (dialog == nullptr || dialog->nextStep >= dialog->section->steps.size()) {
            DialogDriver::closeMenu();
            DialogHost::endDialog(handle, scripted::kAbandoned);
            return;
        }
        while (dialog->nextStep < dialog->section->steps.size()) {
            const Statement& step = dialog->section->steps[dialog->nextStep++];
            if (perform(*dialog, runningUnderWine() && !step.onWine.empty() ? step.onWine.front() : step)) return;
        }
    }

    // ---- Actions and checks ----------------------------------------------------------------------

    // Performs one statement; true when it posted input the dialog's loop must handle first.
    bool perform(OpenDialog& dialog, const Statement& statement) {
        StatementContext context{dialog.handle, &dialog.log, nextOf(dialog)};
        std::string error;
        Outcome outcome = performStatement(statement, context, error);
        if (outcome == Outcome::Failed) fail(statement.line, error);
        return outcome == Outcome::Posted;
    }

    std::function<INT_PTR(bool)> nextOf(OpenDialog& dialog) {
        return [this, &dialog](bool required) { return openNext(dialog, required); };
    }

    // `open`, or a host callback's dialog: the next section's, owned by this one.
    INT_PTR openNext(OpenDialog& owner, bool required) {
        size_t next = opened_;
        if (next >= dialogs_.size() || dialogs_[next].section->afterPrevious) {
            if (required) fail(scenario_.line, "open: the scenario has no further dialog section to open");
            return -1;
        }
        // A host callback that runs after its dialog has gone (onApply) opens the next one unowned.
        INT_PTR result = open(next, DialogDriver::isWindow(owner.handle) ? owner.handle : nullptr);
        checkResult(dialogs_[next], result);
        return result;
    }

    static Run* current_;
    const Scenario& scenario_;
    std::vector<OpenDialog> dialogs_;
    size_t opened_ = 0;   // sections opened so far
    size_t opening_ = 0;  // the section opened last
};

Run* Run::current_ = nullptr;

}  // namespace

void runScenario(const Scenario& scenario) {
    if (scenario.sections.empty()) {
        ADD_FAILURE() << scenario.title;  // a file that could not be read or parsed says why here
        return;
    }
    Run(scenario).play();
}

std::vector<std::string> recordScenario(const Scenario& scenario) {
    if (scenario.sections.empty()) return {"not played: " + scenario.title};
    return Run(scenario).record();
}

}  // namespace scenario
