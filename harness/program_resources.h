// The compiled resources linked into the running program by uiresource_link_resources()
// (cmake/Windres.cmake): a program's or a test's own dialog templates, as a module for
// DialogBoxParamA. On Windows they are the executable's own resources; on Linux the program
// carries the .res image and registers it with the headless dialog manager once.
#pragma once

#include <string>

#include "harness/dialog_driver.h"

#ifndef _WIN32
extern "C" const unsigned char uiresource_program_res_begin[];
extern "C" const unsigned char uiresource_program_res_end[];
#endif

// Null (with `error` saying why) when the resources cannot be used.
inline HINSTANCE programModule(std::string& error) {
#ifdef _WIN32
    error.clear();
    return GetModuleHandleA(nullptr);
#else
    static std::string registrationError;
    static HINSTANCE module = DialogDriver::registerResources(
        uiresource_program_res_begin, static_cast<size_t>(uiresource_program_res_end - uiresource_program_res_begin),
        registrationError);
    error = registrationError;
    return module;
#endif
}
