// Random scenarios in the scenario language, for comparing the two dialog managers on input no one
// wrote by hand.
#pragma once

#include <cstdint>
#include <string>

namespace differential {

// The scenario of `seed`: a test template and `steps` random actions of a person, each followed
// by a snapshot of the dialog. The same seed gives the same text everywhere.
std::string randomScenario(uint64_t seed, int steps);

}  // namespace differential
