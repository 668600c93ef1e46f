// The exit dialog with the real shell under Wine: an accepted link, cut to 255 characters, starts
// the program it names, maximised.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>

#include <UIResource/UIResource.h>
#include "tests/dialogs/shell_marker.h"
#include "platform/scripted_user/scripted_user.h"

namespace {

std::string besideThisProgram(const char* name) {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string text = path;
    return text.substr(0, text.rfind('\\') + 1) + name;
}

// A path of exactly 255 characters to a copy of the marker program, followed by text that is no
// part of any file name, so only a link cut at 255 names a program.
std::string overlongLinkToMarkerCopy() {
    std::string directory = besideThisProgram("");
    std::string copy = directory + std::string(255 - directory.size() - 4, 'm') + ".exe";
    if (!CopyFileA(besideThisProgram(kShellMarkerProgram).c_str(), copy.c_str(), FALSE)) return "";
    return copy + std::string(45, 'x');
}

// Waits until the marker program has run, then reads the show command it was given.
int showCommandTheMarkerReceived(HANDLE done) {
    // Generous: a program starting under Wine takes about a second.
    if (WaitForSingleObject(done, 120000) != WAIT_OBJECT_0) return -100;
    int showCommand = -200;
    if (FILE* marker = std::fopen(besideThisProgram(kShellMarkerFile).c_str(), "r")) {
        if (std::fscanf(marker, "%d", &showCommand) != 1) showCommand = -300;
        std::fclose(marker);
    }
    return showCommand;
}

int acceptLinkAndWaitForMarker(const std::string& link) {
    DeleteFileA(besideThisProgram(kShellMarkerFile).c_str());
    HANDLE done = CreateEventA(nullptr, TRUE, FALSE, kShellMarkerEvent);
    scripted::User user;
    user.then([](scripted::Dialog& dialog) { dialog.click(IDOK); });
    EXPECT_EQ(UI::createExitApplicationDialog(nullptr, link.c_str()), 1);
    int showCommand = showCommandTheMarkerReceived(done);
    CloseHandle(done);
    return showCommand;
}

}  // namespace

TEST(ExitDialogRealShell, AcceptedLinkStartsTheProgramItNamesMaximised) {
    EXPECT_EQ(acceptLinkAndWaitForMarker(besideThisProgram(kShellMarkerProgram)), SW_SHOWMAXIMIZED);
}

TEST(ExitDialogRealShell, OverlongLinkIsHandedOverCutTo255Characters) {
    std::string link = overlongLinkToMarkerCopy();
    ASSERT_EQ(link.size(), 300u);
    EXPECT_EQ(acceptLinkAndWaitForMarker(link), SW_SHOWMAXIMIZED);
    DeleteFileA(link.substr(0, 255).c_str());
}
