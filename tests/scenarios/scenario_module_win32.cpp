// The scenario templates on Windows: linked into the test program itself.
#include "tests/scenarios/scenario_support.h"

namespace scenario {

HINSTANCE testModule() { return GetModuleHandleA(nullptr); }

}  // namespace scenario
