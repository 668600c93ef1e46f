// "Name Entry" as a user drives it: the offered name, the copy into the caller's buffer, placement,
// and every buffer the host may pass.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>

#include <UIResource/UIResource.h>
#include "resources/resource_ids.h"
#include "harness/scripted_user/scripted_user.h"

namespace {

using Ending = void (*)(scripted::Dialog&);
void clickOk(scripted::Dialog& dialog) { dialog.click(IDOK); }
void pressEnter(scripted::Dialog& dialog) { dialog.pressEnter(); }  // OK is the default button
void clickCancel(scripted::Dialog& dialog) { dialog.click(IDCANCEL); }
void pressEscape(scripted::Dialog& dialog) { dialog.pressEscape(); }
void clickCloseBox(scripted::Dialog& dialog) { dialog.closeBox(); }

}  // namespace

// The old name is shown and offered as the new one; OK copies what the field holds, cut to
// size - 1 characters and a NUL, and writes nothing past the size. Every other ending, a size
// below 1 or no buffer writes nothing (the dialog still runs). There is no close box: a user
// looking for one finds nothing, and the dialog stays open until someone ends it. Opened with
// nothing focused, the setup hook's focus does not count and the dialog manager gives it to the
// first tab stop, OK; opened from a focused control (the mesh editor's material chooser) the new
// name keeps it.
TEST(Rename, OffersTheOldNameAndCopiesTheNewNameOnlyOnOkAndOnlyIntoTheBuffer) {
    const char* kLong = "ABCDEFGHIJKLMNOPQRST";
    const struct {
        const char* oldName;
        const char* typed;  // null: nothing typed
        Ending ending;
        long size;
        bool noBuffer;
        long result;
        const char* stored;  // null: nothing written
    } sessions[] = {{"Boulder 3", "Pebble", pressEnter, 32, false, 1, "Pebble"},
                    {"Tree", nullptr, clickOk, 32, false, 1, "Tree"},
                    {nullptr, nullptr, clickOk, 32, false, 1, ""},
                    {"Old", "Changed", clickCancel, 32, false, 0, nullptr},
                    {"Old", "Changed", pressEscape, 32, false, 0, nullptr},
                    {"Old", nullptr, clickCloseBox, 32, false, scripted::kAbandoned, nullptr},
                    {"x", kLong, clickOk, 8, false, 1, "ABCDEFG"},
                    {"x", kLong, clickOk, 1, false, 1, ""},
                    {"x", kLong, clickOk, 0, false, 1, nullptr},
                    {"x", kLong, clickOk, -20, false, 1, nullptr},
                    {"x", kLong, clickOk, 32, true, 1, nullptr}};
    for (const auto& session : sessions) {
        SCOPED_TRACE(&session - sessions);
        char buffer[48];
        std::memset(buffer, '#', sizeof buffer);
        scripted::User user;
        user.then([&session](scripted::Dialog& dialog) {
            const char* offered = session.oldName != nullptr ? session.oldName : "";
            EXPECT_EQ(dialog.title(), "Name Entry");
            EXPECT_EQ(dialog.focusedId(), IDOK);
            EXPECT_EQ(dialog.text(IDC_NEW_NAME), offered);
            if (session.typed != nullptr) dialog.type(IDC_NEW_NAME, session.typed);
            EXPECT_EQ(dialog.text(IDC_OLD_NAME), offered);
            EXPECT_FALSE(dialog.hasCloseBox());
            session.ending(dialog);
        });
        char* given = session.noBuffer ? nullptr : buffer;
        EXPECT_EQ(UI::rename(nullptr, session.oldName, given, session.size, -1, -1), session.result);
        EXPECT_STREQ(session.stored != nullptr ? buffer : nullptr, session.stored);
        const size_t written = session.stored != nullptr ? session.size : 0;
        EXPECT_EQ(std::string(buffer + written, sizeof buffer - written), std::string(sizeof buffer - written, '#'));
    }
}

// x and y place the top-left corner, keeping the size; when either is -1 the dialog stays where
// the dialog manager put it. Opened over the centred exit dialog, it starts away from 0, 0.
TEST(Rename, PlacesTheDialogOnlyWhenBothCoordinatesAreGiven) {
    const POINT asked[] = {{-1, -1}, {-1, 123}, {77, -1}, {41, 53}};
    RECT placed[4]{};
    scripted::User user;
    user.then([&](scripted::Dialog& exit) {
        for (int i = 0; i < 4; ++i) {
            user.then([&rect = placed[i]](scripted::Dialog& dialog) {
                rect = dialog.windowRect();
                dialog.click(IDCANCEL);
            });
            char buffer[8] = "";
            EXPECT_EQ(UI::rename(exit.handle(), "a", buffer, sizeof buffer, asked[i].x, asked[i].y), 0);
        }
        exit.click(IDCANCEL);
    });
    EXPECT_EQ(UI::createExitApplicationDialog(nullptr, nullptr), 0);
    auto cornerAndSize = [](const RECT& r) {
        return std::array<LONG, 4>{r.left, r.top, r.right - r.left, r.bottom - r.top};
    };
    const auto original = cornerAndSize(placed[0]);
    EXPECT_TRUE(original[0] > 0 && original[1] > 0);
    for (int i : {1, 2}) EXPECT_EQ(cornerAndSize(placed[i]), original) << i;
    EXPECT_EQ(cornerAndSize(placed[3]), (std::array<LONG, 4>{41, 53, original[2], original[3]}));
}
