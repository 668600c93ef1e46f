// Runs scenarios on the dialog manager of the build: the headless one natively, USER32 under Wine.
#pragma once

#include "tests/scenarios/scenario_language.h"

namespace scenario {

// Opens the scenario's first dialog with the recording procedure, plays each dialog's steps as its
// user while it waits, and checks results, logs and every expectation; each difference is a test
// failure that names the scenario file and line.
void runScenario(const Scenario& scenario);

// Plays the scenario without checking it and returns what happened: each dialog's log in the
// order they opened, then "result N" of the first.
std::vector<std::string> recordScenario(const Scenario& scenario);

}  // namespace scenario
