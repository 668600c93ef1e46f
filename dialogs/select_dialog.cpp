// "List Selection": lists the caller's strings sorted and returns the item data of the one chosen.
#include "dialogs/shared_procedure.h"
#include <UIResource/UIResource.h>
#include "platform/dialog_host.h"
#include "resources/resource_ids.h"

namespace {

// How many strings the record really offers: none without an items array or with a count below 1.
long listedCount(const SelectInfo& record) { return record.items != nullptr && record.count > 0 ? record.count : 0; }

// Adds the strings; the list sorts them, so each one's data goes to the position the list reports.
// USER32 redraws the list after each string unless told not to, which nearly doubles the time a
// long list takes to fill.
void fillList(HWND list, const SelectInfo& record) {
    DialogHost::sendMessage(list, WM_SETREDRAW, FALSE, 0);
    DialogHost::sendMessage(list, LB_RESETCONTENT, 0, 0);
    for (long i = 0; i < listedCount(record); ++i) {
        const char* text = record.items[i] != nullptr ? record.items[i] : "";
        LRESULT position = DialogHost::sendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        if (position < 0) continue;  // the list is out of space: nothing to attach the data to
        LPARAM data = record.itemData != nullptr ? record.itemData[i] : 0;
        DialogHost::sendMessage(list, LB_SETITEMDATA, static_cast<WPARAM>(position), data);
    }
    DialogHost::sendMessage(list, WM_SETREDRAW, TRUE, 0);
}

// Highlights the first position, in sorted order, that carries `initial`; records no answer.
void preselect(HWND list, const SelectInfo& record) {
    if (record.initial == -1) return;
    for (long position = 0; position < listedCount(record); ++position) {
        LRESULT data = DialogHost::sendMessage(list, LB_GETITEMDATA, static_cast<WPARAM>(position), 0);
        if (static_cast<long>(data) != record.initial) continue;
        DialogHost::sendMessage(list, LB_SETCURSEL, static_cast<WPARAM>(position), 0);
        return;
    }
}

}  // namespace

long UI::select(HWND owner, const char* title, const char* buttonCaption, const char** items,
                const long* itemData, long count, long initial) {
    if (sharedDialogRunning()) return -1;
    SelectInfo record{-1, title, buttonCaption, items, itemData, count, initial};
    setupFunction = &UI::setupSelect;
    shutdownFunction = &UI::shutdownSelect;
    selectionFunction = &UI::selectionSelect;
    info = &record;
    runOnSharedProcedure(IDD_LIST_SELECTION, owner);
    return record.chosen;
}

long UI::setupSelect(HWND dialog, UINT, WPARAM, LPARAM) {
    const auto* record = static_cast<const SelectInfo*>(info);
    if (record == nullptr) return 0;
    DialogHost::setDlgItemText(dialog, IDOK, record->buttonCaption != nullptr ? record->buttonCaption : "");
    DialogHost::setWindowText(dialog, record->title != nullptr ? record->title : "");
    HWND list = DialogHost::getDlgItem(dialog, IDC_SELECTION_LIST);
    fillList(list, *record);
    preselect(list, *record);
    return 0;
}

void UI::shutdownSelect(long accepted, HWND, UINT, WPARAM, LPARAM) {
    auto* record = static_cast<SelectInfo*>(info);
    if (accepted == 0 && record != nullptr) record->chosen = -1;
}

void UI::selectionSelect(long itemData) {
    auto* record = static_cast<SelectInfo*>(info);
    if (record != nullptr) record->chosen = itemData;
}
