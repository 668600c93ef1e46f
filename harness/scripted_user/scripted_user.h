// A scripted user for tests and the demo: drives running modal dialogs as a person would, with
// keystrokes, clicks and the close box, on the headless dialog manager (Linux) or on the real
// dialog manager under Wine (Windows). The same scripts run on both.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/win32_types.h"

namespace scripted {

class Dialog;

// What the user does with one dialog. It runs once the dialog has opened (after WM_INITDIALOG),
// inside the dialog's modal loop.
using Script = std::function<void(Dialog&)>;

// The result a dialog ends with when its script returned without ending it: the user gives up
// and the dialog is ended from outside, so a faulty test fails instead of hanging.
constexpr INT_PTR kAbandoned = -7;

// Attaches for its lifetime (one at a time). Scripts are played in the order they were queued,
// one per dialog that opens, nested dialogs included: a dialog opened from inside another's
// script takes the next script at once.
class User {
public:
    User();
    ~User();
    User(const User&) = delete;
    User& operator=(const User&) = delete;

    // Queues the script for the next dialog that opens.
    User& then(Script script);

    int dialogsOpened() const;      // dialogs that opened while attached
    int scriptsLeft() const;        // queued scripts no dialog has taken yet
    int dialogsAbandoned() const;   // dialogs whose script returned without ending them

    struct State;

private:
    State* state_;
};

// The dialog in front of the user. Actions take effect at once, with the notifications the real
// controls send, except pressEnter, pressEscape and closeBox: those are keystrokes and clicks the
// modal loop handles after the script returns, so they end a script.
class Dialog {
public:
    explicit Dialog(HWND handle) : handle_(handle) {}
    HWND handle() const { return handle_; }

    // Clicks a push button or check box (an auto check box toggles and reports BN_CLICKED); a
    // disabled one takes no click.
    void click(int id);
    // Gives the control the focus, selects all its text and types `text` key by key over it;
    // an ES_NUMBER field refuses non-digit keys. An empty text just deletes what was there.
    void type(int id, const std::string& text);
    // Clicks or double-clicks a list entry, by position or by its (first matching) text.
    void clickListItem(int listId, int index);
    void clickListItem(int listId, const std::string& text);
    void doubleClickListItem(int listId, int index);
    void pressEnter();
    void pressEscape();
    void closeBox();  // does nothing when the dialog has no close box, as for a person

    std::string text(int id) const;  // control text (an id of 0 reads the title)
    std::string title() const;
    bool checked(int id) const;
    std::vector<std::string> listItems(int listId) const;
    int listSelection(int listId) const;  // -1 when nothing is selected
    LPARAM listItemData(int listId, int index) const;
    bool hasControl(int id) const;
    DWORD style(int id) const;  // window style of a control (an id of 0: the dialog's)
    bool hasCloseBox() const;
    RECT windowRect() const;  // screen coordinates
    int focusedId() const;    // id of the control that has the keyboard focus; 0 when none has

private:
    HWND handle_;
};

}  // namespace scripted
