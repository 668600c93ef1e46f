// The `uiresource` program: the resource inspector's command line.
#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#endif

#include "tools/inspector/inspector.h"

namespace {

// The inspector reads its arguments as UTF-8. Windows hands a program its arguments in the ANSI
// code page, so there they are taken from the wide command line instead.
std::vector<std::string> utf8Arguments(int argc, char** argv) {
#ifdef _WIN32
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide != nullptr) {
        std::vector<std::string> arguments;
        for (int i = 1; i < count; ++i) {
            int size = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
            std::string argument(static_cast<size_t>(size > 0 ? size : 1), '\0');
            WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, &argument[0], size, nullptr, nullptr);
            argument.resize(argument.size() - 1);
            arguments.push_back(argument);
        }
        LocalFree(wide);
        return arguments;
    }
#endif
    return std::vector<std::string>(argv + 1, argv + argc);
}

}  // namespace

int main(int argc, char** argv) { return uitools::runInspector(utf8Arguments(argc, argv), std::cout, std::cerr); }
