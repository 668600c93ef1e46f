// A small program for the exit dialog's shell test: started through the real shell, it writes how
// it was asked to show itself into a marker file beside it and signals the waiting test.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "tests/dialogs/shell_marker.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    char* name = std::strrchr(path, '\\');
    if (name == nullptr) return 1;
    std::strcpy(name + 1, kShellMarkerFile);
    if (FILE* marker = std::fopen(path, "w")) {
        bool showGiven = (startup.dwFlags & STARTF_USESHOWWINDOW) != 0;
        std::fprintf(marker, "%d\n", showGiven ? startup.wShowWindow : -1);
        std::fclose(marker);
    }
    if (HANDLE done = OpenEventA(EVENT_MODIFY_STATE, FALSE, kShellMarkerEvent)) {
        SetEvent(done);
        CloseHandle(done);
    }
    return 0;
}
