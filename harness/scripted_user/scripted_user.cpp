// The scripted user: plays one queued script per dialog that opens and acts through the same input
// messages on both dialog managers, so that USER32's own notifications reach the procedure.
#include "harness/scripted_user/scripted_user.h"

#include <deque>
#include <map>

#include "harness/dialog_driver.h"

namespace scripted {

enum class Phase { Playing, Played };

struct User::State {
    std::deque<Script> scripts;
    std::map<HWND, Phase> dialogs;
    int opened = 0;
    int abandoned = 0;
};

namespace {

User::State* attachedState = nullptr;

void giveUp(User::State& state, HWND dialog) {
    ++state.abandoned;
    DialogDriver::closeMenu();
    DialogHost::endDialog(dialog, kAbandoned);
}

// A dialog seen for the first time gets the next script; one whose script has run and that is
// still open with nothing left to handle is abandoned; one whose script is running (it opened the
// dialog in front) is left alone.
void onDialogWaiting(HWND dialog, void*) {
    User::State* state = attachedState;
    if (state == nullptr) return;
    auto known = state->dialogs.find(dialog);
    if (known != state->dialogs.end()) {
        if (known->second == Phase::Played) giveUp(*state, dialog);
        return;
    }
    ++state->opened;
    if (state->scripts.empty()) {
        state->dialogs[dialog] = Phase::Played;
        giveUp(*state, dialog);
        return;
    }
    Script script = std::move(state->scripts.front());
    state->scripts.pop_front();
    state->dialogs[dialog] = Phase::Playing;
    Dialog running(dialog);
    script(running);
    if (attachedState == state) state->dialogs[dialog] = Phase::Played;
}

LPARAM pointParam(const RECT& rect) {
    return MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

// The item is scrolled into view first, as a person would, then pressed and released at its middle
// (and pressed again for a double click). A position the list does not hold is not clicked.
void pressListItem(HWND dialog, int listId, int index, bool twice) {
    HWND list = DialogHost::getDlgItem(dialog, listId);
    if (list == nullptr || index < 0 || index >= DialogHost::sendMessage(list, LB_GETCOUNT, 0, 0)) return;
    RECT item{};
    DialogHost::sendMessage(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    if (item.top < 0 || item.bottom > DialogDriver::clientRect(list).bottom - DialogDriver::clientRect(list).top) {
        DialogHost::sendMessage(list, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
        DialogHost::sendMessage(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    }
    DialogHost::sendMessage(list, WM_LBUTTONDOWN, MK_LBUTTON, pointParam(item));
    DialogHost::sendMessage(list, WM_LBUTTONUP, 0, pointParam(item));
    if (!twice) return;
    DialogHost::sendMessage(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    DialogHost::sendMessage(list, WM_LBUTTONDBLCLK, MK_LBUTTON, pointParam(item));
    DialogHost::sendMessage(list, WM_LBUTTONUP, 0, pointParam(item));
}

// Keys go to the focused window, as the keyboard sends them, or to the dialog when nothing of it
// has the focus.
void pressKey(HWND dialog, WPARAM key) {
    HWND focus = DialogDriver::focus();
    HWND target = DialogDriver::controlHolding(focus, dialog) != nullptr ? focus : dialog;
    DialogDriver::postMessage(target, WM_KEYDOWN, key, 1);
}

}  // namespace

User::User() : state_(new State) {
    attachedState = state_;
    DialogDriver::attachUser(onDialogWaiting, nullptr);
}

User::~User() {
    DialogDriver::attachUser(nullptr, nullptr);
    if (attachedState == state_) attachedState = nullptr;
    delete state_;
}

User& User::then(Script script) {
    state_->scripts.push_back(std::move(script));
    return *this;
}

int User::dialogsOpened() const { return state_->opened; }
int User::scriptsLeft() const { return static_cast<int>(state_->scripts.size()); }
int User::dialogsAbandoned() const { return state_->abandoned; }

// A disabled control takes no click from a person, though USER32's BM_CLICK would still click it.
void Dialog::click(int id) {
    HWND button = DialogHost::getDlgItem(handle_, id);
    if (button != nullptr && (DialogDriver::style(button) & WS_DISABLED) == 0)
        DialogHost::sendMessage(button, BM_CLICK, 0, 0);
}

void Dialog::type(int id, const std::string& text) {
    HWND field = DialogHost::getDlgItem(handle_, id);
    if (field == nullptr) return;
    if (DialogDriver::controlHolding(DialogDriver::focus(), handle_) != field) DialogHost::setFocus(field);
    if (DialogDriver::isComboBox(field)) DialogHost::sendMessage(field, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
    else DialogHost::sendMessage(field, EM_SETSEL, 0, -1);
    if (DialogHost::sendMessage(field, WM_GETTEXTLENGTH, 0, 0) > 0) DialogHost::sendMessage(field, WM_CHAR, VK_BACK, 1);
    for (char key : text) DialogHost::sendMessage(field, WM_CHAR, static_cast<unsigned char>(key), 1);
}

void Dialog::clickListItem(int listId, int index) { pressListItem(handle_, listId, index, false); }

void Dialog::clickListItem(int listId, const std::string& text) {
    std::vector<std::string> items = listItems(listId);
    for (size_t index = 0; index < items.size(); ++index) {
        if (items[index] == text) {
            clickListItem(listId, static_cast<int>(index));
            return;
        }
    }
}

void Dialog::doubleClickListItem(int listId, int index) { pressListItem(handle_, listId, index, true); }

void Dialog::pressEnter() { pressKey(handle_, VK_RETURN); }

void Dialog::pressEscape() { pressKey(handle_, VK_ESCAPE); }

void Dialog::closeBox() {
    if (hasCloseBox()) DialogDriver::postMessage(handle_, WM_SYSCOMMAND, SC_CLOSE, 0);
}

std::string Dialog::text(int id) const {
    if (id == 0) return title();
    HWND control = DialogHost::getDlgItem(handle_, id);
    return control != nullptr ? DialogDriver::text(control) : std::string();
}

std::string Dialog::title() const { return DialogDriver::text(handle_); }

bool Dialog::checked(int id) const { return DialogDriver::isChecked(DialogHost::getDlgItem(handle_, id)); }

std::vector<std::string> Dialog::listItems(int listId) const {
    return DialogDriver::items(DialogHost::getDlgItem(handle_, listId));
}

int Dialog::listSelection(int listId) const { return DialogDriver::selectedItem(DialogHost::getDlgItem(handle_, listId)); }

LPARAM Dialog::listItemData(int listId, int index) const {
    return DialogDriver::itemData(DialogHost::getDlgItem(handle_, listId), index);
}

bool Dialog::hasControl(int id) const { return DialogHost::getDlgItem(handle_, id) != nullptr; }

DWORD Dialog::style(int id) const {
    HWND window = id == 0 ? handle_ : DialogHost::getDlgItem(handle_, id);
    return window != nullptr ? DialogDriver::style(window) : 0;
}

bool Dialog::hasCloseBox() const {
    DWORD dialogStyle = style(0);
    return (dialogStyle & WS_SYSMENU) != 0 && (dialogStyle & WS_CAPTION) == WS_CAPTION;
}

RECT Dialog::windowRect() const { return DialogDriver::windowRect(handle_); }

int Dialog::focusedId() const {
    HWND control = DialogDriver::controlHolding(DialogDriver::focus(), handle_);
    return control != nullptr ? DialogDriver::controlId(control) : 0;
}

}  // namespace scripted
