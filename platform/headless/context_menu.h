// The context menu of a text field, as USER32's edit control pops it up (Wine's user32 edit.c and
// win32u menu.c were the reference): Undo, Cut, Copy, Paste, Delete and Select All, each greyed
// when it could do nothing, in a popup window (#32768) of its own that takes the keyboard and holds
// the mouse until an item is chosen or the menu is dismissed. USER32 runs the menu in a loop of its
// own inside WM_CONTEXTMENU; here the menu stays open between turns of the modal loop, and the
// command chosen reaches the field when it is chosen. One menu is open at a time.
#pragma once

#include <string>
#include <vector>

#include "platform/headless/window_table.h"

namespace headless {

// WM_CONTEXTMENU of a field: the field takes the focus (without selecting its text) and its menu
// opens with its top-left corner at the screen point packed in `point`, or at the field's middle
// for -1, -1 (Shift+F10), moved back onto the screen where it would leave it.
void openFieldMenu(Window& field, LPARAM point);

// The popup menu open now, or null.
HWND openMenuWindow();

// Closes the open menu, choosing nothing; the second only when it is `field`'s (which loses the
// focus: the menu goes with it).
void closeMenu();
void closeMenuOf(HWND field);

// The keys, characters and mouse messages the menu's window takes. Up and Down move the highlight
// (over greyed items too, round from either end), Home and End to either end; Enter, Space or an
// item's mnemonic choose, which closes the menu (on a greyed item without a command); Escape, Alt
// and F10 close it. A press and release of either button on an item chooses it (a greyed item
// stays open); a press outside the menu closes it and goes no further.
LRESULT menuProcedure(Window& menu, UINT message, WPARAM wordParam, LPARAM longParam);

struct MenuEntry {
    std::string text;        // with its '&' mnemonic mark; empty for a separator
    bool separator = false;
    bool greyed = false;
    bool highlighted = false;
    RECT rect{};             // screen pixels
};

// The open menu's entries, top first; empty when no menu is open.
std::vector<MenuEntry> openMenuEntries();

}  // namespace headless
