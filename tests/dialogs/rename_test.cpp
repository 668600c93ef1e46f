// "Name Entry" as a user drives it: the offered name, the copy into the caller's buffer, placement,
// and every buffer the host may pass.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include <UIResource/UIResource.h>
#include "resources/resource_ids.h"
#include "platform/scripted_user/scripted_user.h"

namespace {

// A buffer with guard bytes behind the part the dialog is told about.
struct GuardedBuffer {
    static constexpr int kGuard = 16;
    char bytes[64 + kGuard];
    explicit GuardedBuffer(char fill = '#') { std::memset(bytes, fill, sizeof bytes); }
    bool untouchedFrom(int offset, char fill = '#') const {
        for (int i = offset; i < static_cast<int>(sizeof bytes); ++i)
            if (bytes[i] != fill) return false;
        return true;
    }
};

scripted::Script typeAndPressOk(const std::string& text) {
    return [text](scripted::Dialog& dialog) {
        dialog.type(IDC_NEW_NAME, text);
        dialog.click(IDOK);
    };
}

}  // namespace

TEST(Rename, OffersTheOldNameAndCopiesTheTypedOrOfferedNameOnOk) {
    char buffer[32] = "untouched";
    scripted::User user;
    user.then([](scripted::Dialog& dialog) {
        EXPECT_EQ(dialog.title(), "Name Entry");
        EXPECT_EQ(dialog.text(IDC_OLD_NAME), "Boulder 3");
        EXPECT_EQ(dialog.text(IDC_NEW_NAME), "Boulder 3");
        dialog.type(IDC_NEW_NAME, "Pebble");
        EXPECT_EQ(dialog.text(IDC_OLD_NAME), "Boulder 3");
        dialog.pressEnter();  // OK is the default button
    });
    user.then([](scripted::Dialog& dialog) { dialog.click(IDOK); });  // OK without typing
    EXPECT_EQ(UI::rename(nullptr, "Boulder 3", buffer, sizeof buffer, -1, -1), 1);
    EXPECT_STREQ(buffer, "Pebble");
    EXPECT_EQ(UI::rename(nullptr, "Tree", buffer, sizeof buffer, -1, -1), 1);
    EXPECT_STREQ(buffer, "Tree");
}

TEST(Rename, CancelAndEscapeReturnZeroAndLeaveTheBufferAlone) {
    GuardedBuffer buffer;
    scripted::User user;
    user.then([](scripted::Dialog& dialog) {
        dialog.type(IDC_NEW_NAME, "Changed");
        dialog.click(IDCANCEL);
    });
    user.then([](scripted::Dialog& dialog) {
        dialog.type(IDC_NEW_NAME, "Changed");
        dialog.pressEscape();
    });
    EXPECT_EQ(UI::rename(nullptr, "Old", buffer.bytes, 64, -1, -1), 0);
    EXPECT_EQ(UI::rename(nullptr, "Old", buffer.bytes, 64, -1, -1), 0);
    EXPECT_TRUE(buffer.untouchedFrom(0));
}

// "Name Entry" has neither system menu nor close box: a user looking for one finds nothing, and
// the dialog stays open until someone ends it.
TEST(Rename, HasNoCloseBox) {
    char buffer[8] = "";
    scripted::User user;
    user.then([](scripted::Dialog& dialog) {
        EXPECT_FALSE(dialog.hasCloseBox());
        EXPECT_EQ(dialog.style(0) & WS_SYSMENU, 0u);
        dialog.closeBox();
    });
    EXPECT_EQ(UI::rename(nullptr, "a", buffer, sizeof buffer, -1, -1), scripted::kAbandoned);
    EXPECT_EQ(user.dialogsAbandoned(), 1);
}

// The typed name is cut to size - 1 characters and a NUL, and nothing past the size is written;
// without a usable buffer the dialog still runs and writes nothing.
TEST(Rename, TypedNameIsCutToTheBufferAndNothingBeyondItIsWritten) {
    const struct {
        int size;
        bool nullBuffer;
        const char* stored;  // null: nothing written
    } cases[] = {{8, false, "ABCDEFG"}, {1, false, ""}, {0, false, nullptr}, {-20, false, nullptr}, {32, true, nullptr}};
    for (const auto& each : cases) {
        SCOPED_TRACE(each.size);
        GuardedBuffer buffer;
        scripted::User user;
        user.then(typeAndPressOk("ABCDEFGHIJKLMNOPQRST"));  // 20 characters
        EXPECT_EQ(UI::rename(nullptr, "x", each.nullBuffer ? nullptr : buffer.bytes, each.size, -1, -1), 1);
        EXPECT_STREQ(each.stored != nullptr ? buffer.bytes : nullptr, each.stored);
        EXPECT_TRUE(buffer.untouchedFrom(each.stored != nullptr ? each.size : 0));
    }
}

TEST(Rename, NullOldNameShowsAnEmptyName) {
    GuardedBuffer buffer;
    scripted::User user;
    user.then([](scripted::Dialog& dialog) {
        EXPECT_EQ(dialog.text(IDC_OLD_NAME), "");
        EXPECT_EQ(dialog.text(IDC_NEW_NAME), "");
        dialog.click(IDOK);
    });
    user.then(typeAndPressOk("Fresh"));
    EXPECT_EQ(UI::rename(nullptr, nullptr, buffer.bytes, 32, -1, -1), 1);
    EXPECT_STREQ(buffer.bytes, "");
    EXPECT_EQ(UI::rename(nullptr, nullptr, buffer.bytes, 32, -1, -1), 1);
    EXPECT_STREQ(buffer.bytes, "Fresh");
}

// x and y place the top-left corner; when either is -1 the dialog stays where the dialog manager
// put it, with the same size either way.
TEST(Rename, PlacesTheDialogOnlyWhenBothCoordinatesAreGiven) {
    char buffer[8] = "";
    RECT placed[4]{};
    scripted::User user;
    for (RECT& rect : placed) {
        user.then([&rect](scripted::Dialog& dialog) {
            rect = dialog.windowRect();
            dialog.click(IDCANCEL);
        });
    }
    UI::rename(nullptr, "a", buffer, sizeof buffer, -1, -1);
    UI::rename(nullptr, "a", buffer, sizeof buffer, -1, 123);
    UI::rename(nullptr, "a", buffer, sizeof buffer, 77, -1);
    UI::rename(nullptr, "a", buffer, sizeof buffer, 41, 53);
    const RECT& original = placed[0];
    for (int i : {1, 2}) {
        EXPECT_EQ(placed[i].left, original.left) << i;
        EXPECT_EQ(placed[i].top, original.top) << i;
    }
    EXPECT_EQ(placed[3].left, 41);
    EXPECT_EQ(placed[3].top, 53);
    EXPECT_EQ(placed[3].right - placed[3].left, original.right - original.left);
    EXPECT_EQ(placed[3].bottom - placed[3].top, original.bottom - original.top);
}
