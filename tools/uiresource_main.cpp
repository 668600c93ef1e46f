// The `uiresource` program: the resource inspector's command line.
#include <iostream>
#include <string>
#include <vector>

#include "tools/inspector/inspector.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return uitools::runInspector(args, std::cout, std::cerr);
}
