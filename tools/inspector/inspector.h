// The `uiresource` command line: list, show, render, font, text and extract.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace uitools {

enum ExitStatus { kExitDone = 0, kExitFailed = 1, kExitUsage = 2 };

// Runs one command line (without the program's name). Returns kExitDone, kExitFailed when the
// command cannot be carried out (unknown resource, unreadable or malformed input, unwritable
// output) or kExitUsage for a command line that makes no sense; every failure says why on `err`.
int runInspector(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace uitools
