// The list of a drop-down combo box: dropping it below the box and rolling it up, and what the
// keys and the mouse do to it, as USER32's combo box does (Wine's combo.c). On Windows the list is
// a window of its own over everything else and the field an edit control inside the box; here
// the combo box is one window that keeps its list's state, and input reaches it for both.
#pragma once

#include "platform/headless/list_view.h"

namespace headless {

constexpr int kComboEdge = 2;          // the closed box's sunken edge
constexpr int kComboTextPadding = 4;   // what the field adds to its font's height

bool hasEditField(const Window& combo);
ListView comboListView(Window& combo);

// The item's text in the field, all of it selected; empty for no item.
void showItemInField(Window& combo, int index);
// A drop-down list box's text is always its selected item's.
void followSelection(Window& combo);
// What the field's text selects in the list: the first item it begins, with `select` false only
// the caret and the scrolling. Returns that item, or -1.
int selectFromField(Window& combo, bool select);

// CBN_DROPDOWN, then the list shows below the box (above it when the screen ends first).
void dropDown(Window& combo);
// CBN_SELENDOK or CBN_SELENDCANCEL, then CBN_CLOSEUP if the list was down.
void rollUp(Window& combo, bool chosen);

// The field's EN_UPDATE and EN_CHANGE, as the box passes them on: CBN_EDITUPDATE; then the list
// follows the text and CBN_EDITCHANGE.
void reportFieldUpdate(Window& combo);
void reportFieldChange(Window& combo);
// The list's selection changed by the user.
void reportListSelection(Window& combo);

LRESULT comboKeyDown(Window& combo, WPARAM key);
LRESULT comboSystemKeyDown(Window& combo, WPARAM key, LPARAM flags);
LRESULT comboCharacter(Window& combo, WPARAM character);
LRESULT comboWheel(Window& combo, WPARAM wordParam, LPARAM screenPoint);
LRESULT comboButtonDown(Window& combo, WPARAM keys, LPARAM point, bool twice);
LRESULT comboContextMenu(Window& combo, WPARAM from, LPARAM screenPoint);
LRESULT comboButtonUp(Window& combo, LPARAM point);
LRESULT comboMouseMove(Window& combo, LPARAM point);

}  // namespace headless
