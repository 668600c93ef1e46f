// Fuzzes the demo's script parser with the text of a script file.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_checks.h"
#include "tools/demo/demo_script.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    demo::DemoScript script;
    std::string error;
    bool accepted = demo::parseDemoScript(text, script, error);
    fuzzcheck::requireClearError(accepted, error);
    return 0;
}
