// The scenario statements, one small handler each, looked up in a table by their first word.
#include "tests/scenarios/scenario_statements.h"

#include "platform/dialog_driver.h"
#include "platform/scripted_user/scripted_user.h"
#include "tests/scenarios/dialog_state.h"
#include "tests/scenarios/scenario_names.h"

namespace scenario {

namespace {

// A statement's words with the readings handlers need; the first problem met is kept.
class Words {
public:
    Words(const Statement& statement, std::string& error) : words_(statement.words), error_(error) {}

    size_t size() const { return words_.size(); }
    const std::string& text(size_t i) const { return i < words_.size() ? words_[i].text : empty_; }
    bool quoted(size_t i) const { return i < words_.size() && words_[i].quoted; }
    bool ok() const { return error_.empty(); }

    long long value(size_t i) {
        long long result = 0;
        if (i >= words_.size()) fail("a value is missing");
        else if (!valueOf(words_[i].text, result)) fail("no value is named " + words_[i].text);
        return result;
    }

    // A quoted text, or the word null for a null pointer.
    const char* textOrNull(size_t i) {
        if (quoted(i)) return words_[i].text.c_str();
        if (text(i) != "null") fail("a \"text\" or null is missing");
        return nullptr;
    }

    // What follows "= ": the answer an action must give; false when none is asked for.
    bool answer(long long& expected) {
        for (size_t at = 0; at + 1 < words_.size(); ++at) {
            if (!words_[at].quoted && words_[at].text == "=") {
                expected = value(at + 1);
                return true;
            }
        }
        return false;
    }

    // How many words come before "= ANSWER".
    size_t operands() const {
        for (size_t at = 0; at < words_.size(); ++at) {
            if (!words_[at].quoted && words_[at].text == "=") return at;
        }
        return words_.size();
    }

    void fail(const std::string& message) {
        if (error_.empty()) error_ = message;
    }

private:
    const std::vector<Token>& words_;
    std::string& error_;
    const std::string empty_;
};

using Handler = Outcome (*)(Words& words, StatementContext& context);

Outcome checked(Words& words) { return words.ok() ? Outcome::Done : Outcome::Failed; }

// An action's answer against the "= ANSWER" the statement asks for.
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
    INT_PTR result = context.openNext();
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
    LONG x = static_cast<LONG>(words.value(i + 1));
    LONG y = static_cast<LONG>(words.value(i + 2));
    return POINT{x < 0 ? frame.right + x : frame.left + x, y < 0 ? frame.bottom + y : frame.top + y};
}

// mouse-down | mouse-up | mouse-move | click-at | double-click-at WINDOW [X Y]
Outcome mouse(Words& words, StatementContext& context) {
    POINT point = pointOn(words, 1, context.dialog);
    if (!words.ok()) return Outcome::Failed;
    const std::string& action = words.text(0);
    if (action == "click-at") {
        DialogDriver::clickAt(point);
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

Outcome closeBox(Words&, StatementContext& context) {
    scripted::Dialog dialog(context.dialog);
    if (!dialog.hasCloseBox()) return Outcome::Done;  // nothing to click, as for a person
    dialog.closeBox();
    return Outcome::Posted;
}

// ---- Checks --------------------------------------------------------------------------------------

std::string quotedList(const std::vector<std::string>& texts) {
    std::string list;
    for (const std::string& text : texts) list += " \"" + text + "\"";
    return list.empty() ? " (none)" : list;
}

void expectSame(Words& words, const std::string& what, const std::string& actual, const std::string& expected) {
    if (actual != expected) words.fail(what + " is " + actual + ", not " + expected);
}


// A screen rectangle moved into the dialog's client area, where scenarios measure.
RECT inDialog(RECT screen, HWND dialog) {
    RECT client = DialogDriver::clientRect(dialog);
    return RECT{screen.left - client.left, screen.top - client.top, screen.right - client.left,
                screen.bottom - client.top};
}

// expect rect WINDOW L T R B / expect dropped-rect COMBO L T R B: a window's frame, or what a combo
// box answers to CB_GETDROPPEDCONTROLRECT, in the dialog's client area; * leaves a side open.
void expectRect(Words& words, HWND dialog) {
    HWND window = windowNamed(words, 2, dialog);
    RECT screen = DialogDriver::windowRect(window);
    if (words.text(1) == "dropped-rect")
        DialogHost::sendMessage(window, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&screen));
    RECT rect = inDialog(screen, dialog);
    const LONG sides[] = {rect.left, rect.top, rect.right, rect.bottom};
    std::string actual, expected;
    for (size_t side = 0; side < 4; ++side) {
        bool open = words.text(3 + side) == "*";
        actual += (open ? std::string("*") : std::to_string(sides[side])) + " ";
        expected += (open ? std::string("*") : std::to_string(words.value(3 + side))) + " ";
    }
    expectSame(words, "the rectangle", actual, expected);
}

// expect style WINDOW has FLAG... / lacks FLAG...: a button's type (BS_...) is compared whole.
void expectStyle(Words& words, DWORD style) {
    bool has = words.text(3) == "has";
    if (!has && words.text(3) != "lacks") words.fail("expect style WINDOW has|lacks FLAG...");
    for (size_t i = 4; i < words.size(); ++i) {
        DWORD flag = static_cast<DWORD>(words.value(i));
        bool type = words.text(i).rfind("BS_", 0) == 0;
        bool present = type ? (style & BS_TYPEMASK) == flag : (style & flag) == flag;
        if (present != has) words.fail("the style " + std::to_string(style) + (has ? " lacks " : " has ") + words.text(i));
    }
}

Outcome expect(Words& words, StatementContext& context) {
    scripted::Dialog dialog(context.dialog);
    const std::string& what = words.text(1);
    if (what == "focus") {
        int focused = dialog.focusedId();
        expectSame(words, "the focus", focused == 0 ? "none" : controlName(focused), words.text(2));
    } else if (what == "text") {
        std::string actual = words.text(2) == "TITLE" ? dialog.title() : dialog.text(idOf(words, 2));
        expectSame(words, "the text", "\"" + actual + "\"", "\"" + words.text(3) + "\"");
    } else if (what == "int") {
        expectSame(words, "the number", std::to_string(DialogHost::getDlgItemInt(context.dialog, idOf(words, 2))),
                   std::to_string(words.value(3)));
    } else if (what == "checked" || what == "unchecked") {
        if (dialog.checked(idOf(words, 2)) != (what == "checked")) words.fail(words.text(2) + " is not " + what);
    } else if (what == "selection") {
        expectSame(words, "the selection", std::to_string(dialog.listSelection(idOf(words, 2))),
                   std::to_string(words.value(3)));
    } else if (what == "items") {
        std::vector<std::string> expected;
        for (size_t i = 3; i < words.size(); ++i) expected.push_back(words.text(i));
        expectSame(words, "the list", quotedList(dialog.listItems(idOf(words, 2))), quotedList(expected));
    } else if (what == "style") {
        expectStyle(words, DialogDriver::style(windowNamed(words, 2, context.dialog)));
    } else if (what == "sel") {
        HWND field = windowNamed(words, 2, context.dialog);
        DWORD low = 0, high = 0;
        DialogHost::sendMessage(field, DialogDriver::isComboBox(field) ? CB_GETEDITSEL : EM_GETSEL,
                                reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
        expectSame(words, "the selection", std::to_string(low) + " " + std::to_string(high),
                   std::to_string(words.value(3)) + " " + std::to_string(words.value(4)));
    } else if (what == "rect" || what == "dropped-rect") {
        expectRect(words, context.dialog);
    } else if (what == "missing") {
        if (dialog.hasControl(idOf(words, 2))) words.fail("the dialog has a control " + words.text(2));
    } else {
        words.fail("expect what? (focus, text, int, checked, unchecked, selection, sel, items, style, rect, dropped-rect, missing)");
    }
    return checked(words);
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
    {"double-click-at", mouse}, {"wheel", wheel}, {"close-box", closeBox},
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
