// The library's dialog entries as scenarios call them (`call ENTRY ARGS...`, README.md): each runs
// with the arguments the words give, owned by the statement context's dialog, and logs what it
// wrote into the host's data.
#pragma once

#include "tests/scenarios/scenario_statements.h"

namespace scenario {

// `hostProcedure` stands for the host's own dialog procedure (the recording one); the context's
// openNext for a host callback that opens a dialog. False with `error` when the words name no
// entry or bad arguments.
bool callEntry(const Statement& call, StatementContext& context, DLGPROC hostProcedure, INT_PTR& result,
               std::string& error);

}  // namespace scenario
