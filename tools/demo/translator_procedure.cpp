// The demo's "Edit Translator" procedure: fills the event and action boxes and the translator
// list, and handles Add, Delete, Move Up, Move Down, OK and Cancel.
#include "tools/demo/translator_procedure.h"

#include "platform/dialog_host.h"
#include "resources/resource_ids.h"

namespace demo {

namespace {

std::vector<std::string>* editedList = nullptr;

const char* const kEvents[] = {"On Click", "On Timer", "Zone Enter", "Zone Leave"};
const char* const kActions[] = {"Open Door", "Play Sound", "Show Text", "Stop Sound"};  // sorted: Open Door first

LRESULT send(HWND dialog, int id, UINT message, WPARAM wordParam = 0, LPARAM longParam = 0) {
    return DialogHost::sendMessage(DialogHost::getDlgItem(dialog, id), message, wordParam, longParam);
}

std::string itemText(HWND dialog, int id) {
    char text[256] = "";
    DialogHost::getDlgItemText(dialog, id, text, sizeof text);
    return text;
}

std::vector<std::string> listEntries(HWND dialog) {
    std::vector<std::string> entries;
    LRESULT count = send(dialog, IDC_TRANSLATOR_LIST, LB_GETCOUNT);
    for (LRESULT i = 0; i < count; ++i) {
        char text[256] = "";
        send(dialog, IDC_TRANSLATOR_LIST, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        entries.push_back(text);
    }
    return entries;
}

// Empties the list and fills it with `entries`, selecting `selected` (-1 for none).
void showEntries(HWND dialog, const std::vector<std::string>& entries, int selected) {
    send(dialog, IDC_TRANSLATOR_LIST, LB_RESETCONTENT);
    for (const std::string& entry : entries) {
        send(dialog, IDC_TRANSLATOR_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
    }
    if (selected >= 0) send(dialog, IDC_TRANSLATOR_LIST, LB_SETCURSEL, static_cast<WPARAM>(selected));
}

void fillChoices(HWND dialog, int id, const char* const* choices, size_t count) {
    for (size_t i = 0; i < count; ++i) send(dialog, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(choices[i]));
    send(dialog, id, CB_SETCURSEL, 0);
}

void initialise(HWND dialog) {
    fillChoices(dialog, IDC_TRANSLATOR_EVENT, kEvents, sizeof kEvents / sizeof *kEvents);
    fillChoices(dialog, IDC_TRANSLATOR_ACTION, kActions, sizeof kActions / sizeof *kActions);
    showEntries(dialog, editedList ? *editedList : std::vector<std::string>(), -1);
    DialogHost::setDlgItemText(dialog, IDC_TRANSLATOR_PARAMETER_STRING, "");
}

// A drop-down box's text: its edit field, or the selected entry when the field is empty.
std::string choiceText(HWND dialog, int id) {
    std::string text = itemText(dialog, id);
    LRESULT selected = send(dialog, id, CB_GETCURSEL);
    if (!text.empty() || selected < 0) return text;
    char entry[256] = "";
    send(dialog, id, CB_GETLBTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(entry));
    return entry;
}

// "On Click -> Open Door (door_01)" from the two boxes and the parameter string.
void addEntry(HWND dialog) {
    std::vector<std::string> entries = listEntries(dialog);
    std::string parameter = itemText(dialog, IDC_TRANSLATOR_PARAMETER_STRING);
    entries.push_back(choiceText(dialog, IDC_TRANSLATOR_EVENT) + " -> " + choiceText(dialog, IDC_TRANSLATOR_ACTION) +
                      (parameter.empty() ? "" : " (" + parameter + ")"));
    showEntries(dialog, entries, static_cast<int>(entries.size()) - 1);
}

void deleteOrMove(HWND dialog, int command) {
    std::vector<std::string> entries = listEntries(dialog);
    int selected = static_cast<int>(send(dialog, IDC_TRANSLATOR_LIST, LB_GETCURSEL));
    if (selected < 0 || selected >= static_cast<int>(entries.size())) return;
    int target = command == IDC_TRANSLATOR_MOVE_UP ? selected - 1 : selected + 1;
    if (command == IDC_TRANSLATOR_DELETE) {
        entries.erase(entries.begin() + selected);
        showEntries(dialog, entries, -1);
    } else if (target >= 0 && target < static_cast<int>(entries.size())) {
        std::swap(entries[static_cast<size_t>(selected)], entries[static_cast<size_t>(target)]);
        showEntries(dialog, entries, target);
    }
}

INT_PTR command(HWND dialog, int id) {
    switch (id) {
        case IDOK:
            if (editedList != nullptr) *editedList = listEntries(dialog);
            DialogHost::endDialog(dialog, 1);
            return TRUE;
        case IDCANCEL: DialogHost::endDialog(dialog, 0); return TRUE;
        case IDC_TRANSLATOR_ADD: addEntry(dialog); return TRUE;
        case IDC_TRANSLATOR_DELETE:
        case IDC_TRANSLATOR_MOVE_UP:
        case IDC_TRANSLATOR_MOVE_DOWN: deleteOrMove(dialog, id); return TRUE;
        default: return FALSE;
    }
}

}  // namespace

void setTranslatorList(std::vector<std::string>* translators) { editedList = translators; }

INT_PTR CALLBACK translatorProcedure(HWND dialog, UINT message, WPARAM wordParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        initialise(dialog);
        return TRUE;
    }
    if (message == WM_COMMAND) return command(dialog, LOWORD(wordParam));
    return FALSE;
}

}  // namespace demo
