// The scenario templates on Linux: the compiled test resource file, registered as a module.
#include "tests/scenarios/scenario_support.h"

#include <fstream>
#include <iterator>
#include <vector>

#include "platform/headless/headless_support.h"

namespace scenario {

HINSTANCE testModule() {
    static HINSTANCE module = [] {
        std::ifstream file(SCENARIO_RES_PATH, std::ios::binary);
        std::vector<char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        return headless::registerResourceModule(bytes.data(), bytes.size());
    }();
    return module;
}

}  // namespace scenario
