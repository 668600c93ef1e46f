// `differential_run`: plays random scenarios on the dialog manager of the build and prints what
// each dialog procedure received and every snapshot, one block per seed, for run-differential.sh to
// compare between the headless manager and USER32 under Wine.
//
// usage: differential_run FIRST_SEED COUNT [STEPS]   prints the logs
//        differential_run --scenario SEED [STEPS]     prints the scenario of one seed
//        differential_run --play FILE                 prints the logs of a file's scenarios
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <iostream>
#include <string>
#include <vector>

#include "tests/differential/random_scenario.h"
#include "tests/scenarios/scenario_runner.h"

namespace {

constexpr int kDefaultSteps = 12;

bool readNumber(const char* text, unsigned long long& value) {
    char* end = nullptr;
    value = std::strtoull(text, &end, 10);
    return end != text && *end == '\0';
}

void printLog(const scenario::Scenario& played) {
    for (const std::string& line : scenario::recordScenario(played)) std::cout << "  " << line << "\n";
}

int playFile(const char* path) {
    std::ifstream stream(path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
    std::vector<scenario::Scenario> parsed;
    std::string error;
    if (!stream || !scenario::parseScenarios(text, path, parsed, error)) {
        std::cerr << "differential_run: " << (error.empty() ? std::string(path) + ": cannot be read" : error) << "\n";
        return 2;
    }
    for (const scenario::Scenario& each : parsed) {
        std::cout << "scenario " << each.title << "\n";
        printLog(each);
    }
    return 0;
}

int playSeeds(unsigned long long first, unsigned long long count, int steps) {
    for (unsigned long long seed = first; seed < first + count; ++seed) {
        std::vector<scenario::Scenario> parsed;
        std::string error;
        std::string text = differential::randomScenario(seed, steps);
        std::cout << "sequence " << seed << "\n";
        if (!scenario::parseScenarios(text, "seed " + std::to_string(seed), parsed, error)) {
            std::cerr << "differential_run: " << error << "\n";
            return 2;
        }
        printLog(parsed.front());
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--play") return playFile(argv[2]);
    unsigned long long first = 0, count = 0, steps = kDefaultSteps;
    bool oneScenario = argc >= 3 && std::string(argv[1]) == "--scenario";
    int at = oneScenario ? 2 : 1;
    bool ok = argc >= at + 1 && readNumber(argv[at], first) && (oneScenario || (argc >= 3 && readNumber(argv[2], count)));
    if (ok && argc > 3) ok = readNumber(argv[3], steps) && argc == 4;
    if (!ok || steps == 0 || steps > 1000) {
        std::cerr << "usage: differential_run FIRST_SEED COUNT [STEPS] | differential_run --scenario SEED [STEPS]\n";
        return 2;
    }
    if (oneScenario) {
        std::cout << differential::randomScenario(first, static_cast<int>(steps));
        return 0;
    }
    return playSeeds(first, count, static_cast<int>(steps));
}
