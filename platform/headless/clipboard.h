// The clipboard of the headless dialog manager, for text (CF_TEXT) only, kept as USER32 keeps it: a
// window opens it, emptying it while open clears it, data is set and read while it is open, and it
// is closed again. A front end can hand it a store of its own (the clipboard of the desktop it shows
// the dialogs on); otherwise the manager holds the text itself.
#pragma once

#include <string>

#include "platform/win32_types.h"

namespace headless {

// OpenClipboard: fails while it is open for another window. CloseClipboard: fails when not open.
BOOL openClipboard(HWND owner);
BOOL closeClipboard();
// EmptyClipboard, and SetClipboardData / GetClipboardData for CF_TEXT: all fail when the clipboard
// is not open, the last two also for any other format and when it holds no text.
BOOL emptyClipboard();
BOOL setClipboardText(UINT format, const std::string& text);
BOOL getClipboardText(UINT format, std::string& text);
// IsClipboardFormatAvailable: whether it holds text of `format`, open or not.
BOOL isClipboardFormatAvailable(UINT format);

// Where the text is kept instead of the manager: `read` gives the text held (false when none),
// `write` replaces it (an empty text when the clipboard was emptied). Null functions give the
// keeping back to the manager, empty.
struct ClipboardStore {
    bool (*read)(std::string& text, void* context) = nullptr;
    void (*write)(const std::string& text, void* context) = nullptr;
    void* context = nullptr;
};
void connectClipboardStore(const ClipboardStore& store);

}  // namespace headless
