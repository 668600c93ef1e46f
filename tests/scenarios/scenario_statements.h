// The statements scenarios are written in: a procedure's actions (set-text, send, add, end, ...),
// a user's (click, type, key, ...) and the checks of both (expect ...).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/win32_types.h"
#include "tests/scenarios/scenario_language.h"

namespace scenario {

struct StatementContext {
    HWND dialog = nullptr;                  // the dialog the statement acts in
    std::vector<std::string>* log = nullptr;  // its procedure's log, for notes
    // Runs the scenario's next dialog, owned by this one; -1 when there is none, a failure if `required`.
    std::function<INT_PTR(bool required)> openNext;
};

enum class Outcome {
    Done,    // done at once
    Posted,  // posted input that the dialog's loop handles once the user returns
    Failed,  // `error` says why
};

Outcome performStatement(const Statement& statement, StatementContext& context, std::string& error);

}  // namespace scenario
