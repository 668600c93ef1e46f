// The fewest lines a Linux host needs to show a library dialog to a person: Name Entry in a
// window of its own. Prints the dialog's result and the name given, or why nothing was shown.
#include <UIResource/UIResource.h>
#include <UIResource/UIResourceDesktop.h>

#include <cstdio>

int main() {
    if (UIDesktop::showInOwnWindows(nullptr) != UIDESKTOP_DONE) {
        std::printf("no window: %s\n", UIDesktop::lastError());
        return 1;
    }
    char name[64] = "";
    long result = UI::rename(nullptr, "Boulder", name, sizeof name, -1, -1);
    std::printf("result %ld, name \"%s\"\n", result, name);
    return result == 1 ? 0 : 1;
}
