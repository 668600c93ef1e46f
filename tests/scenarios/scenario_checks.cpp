// The checks scenarios make (expect focus, text, int, checked, selection, items, style, sel, shown,
// rect, centred, missing, menu, clipboard), read through the dialog driver so that they mean the
// same on both dialog managers.
#include "harness/dialog_driver.h"
#include "harness/scripted_user/scripted_user.h"
#include "tests/scenarios/scenario_names.h"
#include "tests/scenarios/statement_words.h"

namespace scenario {

namespace {

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
    Measures measures = measuresOf(window);
    const LONG sides[] = {rect.left, rect.top, rect.right, rect.bottom};
    std::string actual, expected;
    for (size_t side = 0; side < 4; ++side) {
        bool open = words.text(3 + side) == "*";
        actual += (open ? std::string("*") : std::to_string(sides[side])) + " ";
        expected += (open ? std::string("*") : std::to_string(words.pixels(3 + side, measures))) + " ";
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

// The open menu as scenarios write it: each item "text", after `highlighted` and `greyed` where it
// is, a separator -; "none" when no menu is open.
std::string menuAsWritten(const std::vector<DialogDriver::MenuItem>& items) {
    std::string written;
    for (const DialogDriver::MenuItem& item : items) {
        if (!written.empty()) written += " ";
        if (item.separator) {
            written += "-";
            continue;
        }
        if (item.highlighted) written += "highlighted ";
        if (item.greyed) written += "greyed ";
        written += "\"" + item.text + "\"";
    }
    return written.empty() ? "none" : written;
}

std::string wordsAsWritten(const Words& words, size_t from) {
    std::string written;
    for (size_t i = from; i < words.size(); ++i) {
        if (!written.empty()) written += " ";
        written += words.quoted(i) ? "\"" + words.text(i) + "\"" : words.text(i);
    }
    return written;
}

// expect clipboard "text"|none
void expectClipboard(Words& words) {
    std::string text;
    std::string actual = DialogDriver::clipboardText(text) ? "\"" + text + "\"" : "none";
    expectSame(words, "the clipboard", actual, words.quoted(2) ? "\"" + words.text(2) + "\"" : words.text(2));
}

// expect sel FIELD LOW HIGH: the ends are characters, or written from the first one shown ("shown").
void expectSelection(Words& words, HWND dialog) {
    HWND field = windowNamed(words, 2, dialog);
    DWORD low = 0, high = 0;
    DialogHost::sendMessage(field, DialogDriver::isComboBox(field) ? CB_GETEDITSEL : EM_GETSEL,
                            reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
    Measures measures = measuresOf(field);
    expectSame(words, "the selection", std::to_string(low) + " " + std::to_string(high),
               std::to_string(words.pixels(3, measures)) + " " + std::to_string(words.pixels(4, measures)));
}

}  // namespace

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
        expectSelection(words, context.dialog);
    } else if (what == "shown") {
        expectSame(words, "the first character shown",
                   std::to_string(DialogDriver::firstShownCharacter(windowNamed(words, 2, context.dialog))),
                   std::to_string(words.value(3)));
    } else if (what == "menu") {
        expectSame(words, "the menu", menuAsWritten(DialogDriver::openMenu()), wordsAsWritten(words, 2));
    } else if (what == "clipboard") {
        expectClipboard(words);
    } else if (what == "rect" || what == "dropped-rect") {
        expectRect(words, context.dialog);
    } else if (what == "centred") {  // on the desktop, each half cut toward zero
        RECT frame = DialogDriver::windowRect(context.dialog);
        RECT desktop = DialogDriver::windowRect(DialogHost::getDesktopWindow());
        expectSame(words, "the top-left corner", std::to_string(frame.left) + " " + std::to_string(frame.top),
                   std::to_string((desktop.left + desktop.right) / 2 - (frame.right - frame.left) / 2) + " " +
                       std::to_string((desktop.top + desktop.bottom) / 2 - (frame.bottom - frame.top) / 2));
    } else if (what == "missing") {
        if (dialog.hasControl(idOf(words, 2))) words.fail("the dialog has a control " + words.text(2));
    } else {
        words.fail("expect what? (focus, text, int, checked, unchecked, selection, sel, shown, items, style, rect, "
                   "dropped-rect, centred, missing, menu, clipboard)");
    }
    return checked(words);
}

}  // namespace scenario
