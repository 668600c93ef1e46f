// Every scenario of the suite's .scn files, each a test of its own, run on the dialog manager of
// the build: the headless one natively, USER32 under Wine.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

#include "tests/scenarios/scenario_runner.h"

namespace {

class ScenarioTest : public ::testing::Test {
public:
    explicit ScenarioTest(scenario::Scenario scenario) : scenario_(std::move(scenario)) {}
    void TestBody() override { scenario::runScenario(scenario_); }

private:
    scenario::Scenario scenario_;
};

// A test name from the scenario's file and title: letters and digits, words joined.
std::string testName(const scenario::Scenario& scenario) {
    std::string name;
    bool capital = true;
    for (char c : scenario.title) {
        if (!std::isalnum(static_cast<unsigned char>(c))) {
            capital = true;
            continue;
        }
        name += capital ? static_cast<char>(std::toupper(static_cast<unsigned char>(c))) : c;
        capital = false;
    }
    return name;
}

std::string suiteName(const std::string& file) {
    std::string stem = file.substr(file.find_last_of("/\\") + 1);
    return testName(scenario::Scenario{stem.substr(0, stem.find('.')), file, 0, {}});
}

void registerFile(const std::string& file) {
    std::ifstream stream(file, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
    std::vector<scenario::Scenario> scenarios;
    std::string error;
    if (!stream || !scenario::parseScenarios(text, file, scenarios, error)) {
        if (error.empty()) error = file + ": cannot be read";
        ::testing::RegisterTest("ScenarioFiles", suiteName(file).c_str(), nullptr, nullptr, __FILE__, __LINE__,
                                [error]() -> ::testing::Test* { return new ScenarioTest(scenario::Scenario{error, "", 0, {}}); });
        return;
    }
    for (const scenario::Scenario& each : scenarios) {
        ::testing::RegisterTest(suiteName(file).c_str(), testName(each).c_str(), nullptr, nullptr, file.c_str(),
                                each.line, [each]() -> ::testing::Test* { return new ScenarioTest(each); });
    }
}

// The files the build names, separated by '|'.
const bool registered = [] {
    std::stringstream files(SCENARIO_FILES);
    std::string file;
    while (std::getline(files, file, '|')) registerFile(file);
    return true;
}();

}  // namespace
