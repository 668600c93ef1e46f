// The scenario statements, one small handler each, looked up in a table by their first word.
#include "tests/scenarios/scenario_statements.h"

#include "harness/dialog_driver.h"
#include "harness/scripted_user/scripted_user.h"
#include "tests/scenarios/dialog_state.h"
#include "tests/scenarios/scenario_names.h"
#include "tests/scenarios/statement_words.h"

namespace scenario {

Outcome checked(Words& words) { return words.ok() ? Outcome::Done : Outcome::Failed; }

Outcome answered(Words& words, long long actual) {
    long long expected = 0;
    if (words.answer(expected) && words.ok() && expected != actual)
        words.fail("the answer is " + std::to_string(actual) + ", not " + std::to_string(expected));
    return checked(words);
}

HWND windowNamed(Words& words, size_t i, HWND dialog) {
    if (words.text(i) == "DIALOG") return dialog;
    return DialogHost::getDlgItem(dialog, static_cast<int>(words.value(i)));
}

int idOf(Words& words, size_t i) { return static_cast<int>(words.value(i)); }

Measures measuresOf(HWND window) {
    Measures measures;
    measures.font = DialogDriver::fontHeight(window);
    measures.shown = DialogDriver::firstShownCharacter(window);
    std::string className = DialogDriver::className(window);
    UINT itemHeight = className == "LISTBOX" ? LB_GETITEMHEIGHT : className == "COMBOBOX" ? CB_GETITEMHEIGHT : 0;
    measures.row = itemHeight != 0 ? DialogHost::sendMessage(window, itemHeight, 0, 0) : measures.font;
    return measures;
}

namespace {

using Handler = Outcome (*)(Words& words, StatementContext& context);

// A word parameter or long parameter: a value, or a quoted text handed over as a pointer.
LPARAM parameter(Words& words, size_t i) {
    if (words.quoted(i)) return reinterpret_cast<LPARAM>(words.text(i).c_str());
    return i < words.operands() ? static_cast<LPARAM>(words.value(i)) : 0;
}

// ---- A procedure's actions (usable by the user too) ---------------------------------------------

Outcome setText(Words& words, StatementContext& context) {
    const char* text = words.textOrNull(2);
    if (words.text(1) == "TITLE") return answered(words, DialogHost::setWindowText(context.dialog, text));
    return answered(words, DialogHost::setDlgItemText(context.dialog, idOf(words, 1), text));
}

Outcome setInt(Words& words, StatementContext& context) {
    return answered(words, DialogHost::setDlgItemInt(context.dialog, idOf(words, 1), static_cast<int>(words.value(2))));
}

Outcome send(Words& words, StatementContext& context) {
    HWND window = windowNamed(words, 1, context.dialog);
    UINT message = static_cast<UINT>(words.value(2));
    WPARAM wordParam = static_cast<WPARAM>(parameter(words, 3));
    LPARAM longParam = parameter(words, 4);
    return words.ok() ? answered(words, DialogHost::sendMessage(window, message, wordParam, longParam)) : checked(words);
}

LRESULT addItem(HWND box, const char* text) {
    UINT message = DialogDriver::isComboBox(box) ? CB_ADDSTRING : LB_ADDSTRING;
    return DialogHost::sendMessage(box, message, 0, reinterpret_cast<LPARAM>(text));
}

Outcome add(Words& words, StatementContext& context) {
    HWND box = windowNamed(words, 1, context.dialog);
    const char* text = words.textOrNull(2);
    return words.ok() ? answered(words, addItem(box, text)) : checked(words);
}

Outcome fill(Words& words, StatementContext& context) {
    HWND box = windowNamed(words, 1, context.dialog);
    for (size_t i = 2; i < words.size(); ++i) addItem(box, words.text(i).c_str());
    return checked(words);
}

Outcome note(Words& words, StatementContext& context) {
    context.log->push_back("note " + words.text(1));
    return checked(words);
}

Outcome end(Words& words, StatementContext& context) {
    return answered(words, DialogHost::endDialog(context.dialog, static_cast<INT_PTR>(words.value(1))));
}

// set-focus CONTROL|none [= PREVIOUS|none]
Outcome setFocus(Words& words, StatementContext& context) {
    HWND target = words.text(1) == "none" ? nullptr : windowNamed(words, 1, context.dialog);
    HWND previous = DialogHost::setFocus(target);
    std::string expected = words.operands() + 2 == words.size() ? words.text(words.size() - 1) : std::string();
    std::string actual = previous == nullptr ? "none" : controlName(DialogDriver::controlId(previous));
    if (!expected.empty() && expected != actual) words.fail("the focus was on " + actual + ", not " + expected);
    return checked(words);
}

// snapshot: the dialog's state as a line of the log.
Outcome snapshot(Words& words, StatementContext& context) {
    context.log->push_back(describeState(context.dialog));
    return checked(words);
}

Outcome open(Words& words, StatementContext& context) {
    INT_PTR result = context.openNext(true);
    context.log->push_back("note open returned " + std::to_string(result));
    return answered(words, result);
}

// ---- A user's actions ----------------------------------------------------------------------------

Outcome click(Words& words, StatementContext& context) {
    scripted::Dialog(context.dialog).click(idOf(words, 1));
    return checked(words);
}

Outcome type(Words& words, StatementContext& context) {
    scripted::Dialog(context.dialog).type(idOf(words, 1), words.text(2));
    return words.quoted(2) ? checked(words) : (words.fail("type needs a \"text\""), Outcome::Failed);
}

Outcome clickItem(Words& words, StatementContext& context) {
    scripted::Dialog dialog(context.dialog);
    int list = idOf(words, 1);
    bool twice = words.text(0) == "double-click-item";
    if (words.quoted(2) && !twice) dialog.clickListItem(list, words.text(2));
    else if (twice) dialog.doubleClickListItem(list, static_cast<int>(words.value(2)));
    else dialog.clickListItem(list, static_cast<int>(words.value(2)));
    return checked(words);
}

// Keys pressed and let go on the keyboard, each with its modifiers held around it.
Outcome key(Words& words, StatementContext&) {
    for (size_t i = 1; i < words.size(); ++i) {
        Key pressed;
        if (!keyOf(words.text(i), pressed)) {
            words.fail("no key is named " + words.text(i));
            return Outcome::Failed;
        }
        DialogDriver::pressKey(static_cast<int>(pressed.code), pressed.modifiers);
    }
    return Outcome::Posted;
}

// key-down KEY | key-up KEY: a key held down across other steps (Shift round a click) until let go.
Outcome holdKey(Words& words, StatementContext&) {
    Key held;
    if (!keyOf(words.text(1), held) || held.modifiers != DialogDriver::kNoModifier) {
        words.fail("no single key is named " + words.text(1));
        return Outcome::Failed;
    }
    if (words.text(0) == "key-down") DialogDriver::keyDown(static_cast<int>(held.code));
    else DialogDriver::keyUp(static_cast<int>(held.code));
    return Outcome::Posted;
}

// chars "text": characters from an input method, to whatever has the focus.
Outcome chars(Words& words, StatementContext&) {
    if (!words.quoted(1)) words.fail("chars needs a \"text\"");
    if (!words.ok()) return Outcome::Failed;
    DialogDriver::typeText(words.text(1));
    return Outcome::Posted;
}

// A point on a window: its frame's top-left corner moved by X Y pixels (a negative one counts
// from the right or bottom edge), else its middle.
POINT pointOn(Words& words, size_t i, HWND dialog) {
    HWND window = windowNamed(words, i, dialog);
    if (words.size() < i + 3) return DialogDriver::centreOf(window);
    RECT frame = DialogDriver::windowRect(window);
    Measures measures = measuresOf(window);
    LONG x = static_cast<LONG>(words.pixels(i + 1, measures));
    LONG y = static_cast<LONG>(words.pixels(i + 2, measures));
    return POINT{x < 0 ? frame.right + x : frame.left + x, y < 0 ? frame.bottom + y : frame.top + y};
}

// mouse-down | mouse-up | mouse-move | click-at | double-click-at | right-click-at | middle-click-at
// WINDOW [X Y]
Outcome mouse(Words& words, StatementContext& context) {
    POINT point = pointOn(words, 1, context.dialog);
    if (!words.ok()) return Outcome::Failed;
    const std::string& action = words.text(0);
    if (action == "click-at") {
        DialogDriver::clickAt(point);
    } else if (action == "right-click-at" || action == "middle-click-at") {
        DialogDriver::MouseButton button =
            action[0] == 'r' ? DialogDriver::MouseButton::Right : DialogDriver::MouseButton::Middle;
        DialogDriver::moveMouse(point);
        DialogDriver::mouseButton(true, button);
        DialogDriver::mouseButton(false, button);
    } else if (action == "double-click-at") {
        DialogDriver::doubleClickAt(point);
    } else {
        DialogDriver::moveMouse(point);
        if (action != "mouse-move") DialogDriver::mouseButton(action == "mouse-down");
    }
    return Outcome::Posted;
}

// wheel N: notches turned where the pointer is, positive away from the user.
Outcome wheel(Words& words, StatementContext&) {
    int notches = static_cast<int>(words.value(1));
    if (!words.ok()) return Outcome::Failed;
    DialogDriver::turnWheel(notches);
    return Outcome::Posted;
}

// choose "ITEM": a click on the open menu's item of that text ('&' marks included).
Outcome choose(Words& words, StatementContext&) {
    for (const DialogDriver::MenuItem& item : DialogDriver::openMenu()) {
        if (item.separator || item.text != words.text(1)) continue;
        DialogDriver::clickAt(POINT{(item.rect.left + item.rect.right) / 2, (item.rect.top + item.rect.bottom) / 2});
        return Outcome::Posted;
    }
    words.fail("no menu is open with an item \"" + words.text(1) + "\"");
    return Outcome::Failed;
}

// set-clipboard "text"|null: the clipboard's text as another program leaves it.
Outcome setClipboard(Words& words, StatementContext&) {
    const char* text = words.textOrNull(1);
    if (words.ok() && !DialogDriver::setClipboardText(text)) words.fail("the clipboard cannot be opened");
    return checked(words);
}

Outcome closeBox(Words&, StatementContext& context) {
    scripted::Dialog dialog(context.dialog);
    if (!dialog.hasCloseBox()) return Outcome::Done;  // nothing to click, as for a person
    dialog.closeBox();
    return Outcome::Posted;
}

const struct {
    const char* word;
    Handler handle;
} kStatements[] = {
    {"set-text", setText}, {"set-int", setInt}, {"send", send}, {"add", add}, {"fill", fill}, {"note", note},
    {"end", end}, {"set-focus", setFocus}, {"open", open}, {"snapshot", snapshot}, {"click", click}, {"type", type},
    {"click-item", clickItem}, {"double-click-item", clickItem}, {"key", key}, {"key-down", holdKey},
    {"key-up", holdKey}, {"chars", chars},
    {"mouse-down", mouse}, {"mouse-up", mouse}, {"mouse-move", mouse}, {"click-at", mouse},
    {"double-click-at", mouse}, {"right-click-at", mouse}, {"middle-click-at", mouse}, {"wheel", wheel},
    {"choose", choose}, {"set-clipboard", setClipboard}, {"close-box", closeBox},
    {"expect", expect},
};

}  // namespace

Outcome performStatement(const Statement& statement, StatementContext& context, std::string& error) {
    Words words(statement, error);
    for (const auto& entry : kStatements) {
        if (!statement.words.empty() && statement.words[0].text == entry.word) return entry.handle(words, context);
    }
    error = "unknown statement \"" + (statement.words.empty() ? std::string() : statement.words[0].text) + "\"";
    return Outcome::Failed;
}

}  // namespace scenario
