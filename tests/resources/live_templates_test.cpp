// Opens every template of the DLL as a real modal dialog and loads its menu through USER32, and
// compares the live windows with the expected tables; also lists the DLL's resources through
// KERNEL32. Windows only (run under Wine in Xvfb).
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include <UIResource/UIResource.h>
#include "resources/dialog_template.h"
#include "tests/resources/expected_templates.h"

namespace {

constexpr INT_PTR kChecked = 0x5EED;  // what the checking procedure ends each dialog with

std::string windowText(HWND window) {
    char text[512] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// The window style USER32 gives a control created from a template. The dialog manager turns
// WS_BORDER into the WS_EX_CLIENTEDGE extended style (Windows does so for every dialog it
// creates with the 3-D look, which is all of them since Windows 95). Empty lists show no
// WS_VSCROLL (expectListBehaviour checks it comes back).
DWORD liveStyleOf(const expected::Control& control) {
    DWORD style = control.style & ~static_cast<DWORD>(WS_BORDER);
    bool list = control.classAtom == expected::kListBox || control.classAtom == expected::kComboBox;
    return list ? style & ~static_cast<DWORD>(WS_VSCROLL) : style;
}

// A list box shows its scroll bar, and with it WS_VSCROLL, only while its entries overflow; a combo
// box hands WS_VSCROLL and CBS_SORT on to its drop-down list. Filling them with 100 entries in
// descending order shows both.
void expectListBehaviour(HWND child, const expected::Control& want) {
    bool combo = want.classAtom == expected::kComboBox;
    for (int i = 99; i >= 0; --i) {
        char text[16];
        wsprintfA(text, "entry %03d", i);
        SendMessageA(child, combo ? CB_ADDSTRING : LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }
    char first[32] = "";
    SendMessageA(child, combo ? CB_GETLBTEXT : LB_GETTEXT, 0, reinterpret_cast<LPARAM>(first));
    bool sorts = (want.style & (combo ? CBS_SORT : LBS_SORT)) != 0;
    EXPECT_STREQ(first, sorts ? "entry 000" : "entry 099") << (sorts ? "unsorted" : "sorted");
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    ASSERT_TRUE(!combo || GetComboBoxInfo(child, &info));
    HWND list = combo ? info.hwndList : child;
    EXPECT_EQ((GetWindowLongA(list, GWL_STYLE) & WS_VSCROLL) != 0, (want.style & WS_VSCROLL) != 0);
}

void expectControl(HWND dialog, HWND child, const expected::Control& want, bool extended) {
    // A classic template stores a 16-bit id: USER32 gives a label the id 0xFFFF (65535 under
    // Wine, as GetDlgCtrlID reports it), an extended template's labels get -1.
    int id = GetDlgCtrlID(child);
    EXPECT_EQ(extended ? id : static_cast<WORD>(id), extended ? want.id : static_cast<WORD>(want.id));
    if (want.id != -1) {
        EXPECT_EQ(GetDlgItem(dialog, want.id), child) << "GetDlgItem does not reach it";
    }
    char className[64] = "";
    GetClassNameA(child, className, sizeof className);
    EXPECT_EQ(lstrcmpiA(className, uires::predefinedClassName(want.classAtom)), 0) << className;
    DWORD style = static_cast<DWORD>(GetWindowLongA(child, GWL_STYLE));
    EXPECT_EQ(style, liveStyleOf(want)) << std::hex << "0x" << style << " against 0x" << liveStyleOf(want);
    EXPECT_EQ((GetWindowLongA(child, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0, (want.style & WS_BORDER) != 0);
    // The dialog manager converts position and size each on its own, as MapDialogRect does.
    RECT units = {want.x, want.y, want.width, want.height}, rect{};
    MapDialogRect(dialog, &units);
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(rect.left, units.left);
    EXPECT_EQ(rect.top, units.top);
    EXPECT_EQ(rect.right, units.left + units.right);
    // A closed combo box is shorter than the template's height, which includes the dropped list.
    if (want.classAtom != expected::kComboBox) {
        EXPECT_EQ(rect.bottom, units.top + units.bottom);
    }
    if (want.classAtom == expected::kListBox || want.classAtom == expected::kComboBox) {
        expectListBehaviour(child, want);
    } else {
        EXPECT_EQ(windowText(child), want.caption);
    }
    if (want.classAtom == expected::kEdit) {  // typing "1.5": an ES_NUMBER field refuses the point
        for (char c : std::string("1.5")) SendMessageA(child, WM_CHAR, static_cast<unsigned char>(c), 1);
        EXPECT_EQ(windowText(child), (want.style & ES_NUMBER) ? "15" : "1.5");
    }
}

// Compares the live dialog with its table during WM_INITDIALOG, then ends it.
INT_PTR CALLBACK checkingProcedure(HWND dialog, UINT message, WPARAM, LPARAM param) {
    if (message != WM_INITDIALOG) return FALSE;
    const expected::Dialog& want = *reinterpret_cast<const expected::Dialog*>(param);
    EXPECT_EQ(windowText(dialog), want.title);
    // USER32 adds WS_CLIPSIBLINGS to every top-level window and DS_3DLOOK to every dialog; a
    // modal dialog is not yet visible during WM_INITDIALOG.
    DWORD style = static_cast<DWORD>(GetWindowLongA(dialog, GWL_STYLE));
    EXPECT_EQ(style & ~static_cast<DWORD>(WS_CLIPSIBLINGS | DS_3DLOOK), want.style) << std::hex << "0x" << style;
    // Labels share the id -1, so GetDlgItem cannot tell them apart: walk the children in z-order,
    // which is the template order.
    size_t count = 0;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT), ++count) {
        if (count >= want.controls.size()) continue;
        SCOPED_TRACE("control " + std::to_string(count + 1) + " (id " + std::to_string(want.controls[count].id) + ")");
        expectControl(dialog, child, want.controls[count], want.extended);
    }
    EXPECT_EQ(count, want.controls.size());
    EndDialog(dialog, kChecked);
    return TRUE;
}

class LiveTemplate : public testing::TestWithParam<uint16_t> {};

TEST_P(LiveTemplate, OpensModallyWithTheExpectedControls) {
    const expected::Dialog* want = expected::findDialog(GetParam());
    ASSERT_NE(want, nullptr);
    INT_PTR result = DialogBoxParamA(getUIResourceAppInstance(), MAKEINTRESOURCEA(GetParam()), nullptr,
                                     checkingProcedure, reinterpret_cast<LPARAM>(want));
    ASSERT_EQ(result, kChecked) << "DialogBoxParamA failed, error " << GetLastError();
}

INSTANTIATE_TEST_SUITE_P(EveryTemplate, LiveTemplate, testing::Values(101, 102, 105, 109, 119, 121, 122),
                         [](const testing::TestParamInfo<uint16_t>& info) {
                             return "Template" + std::to_string(info.param);
                         });

std::string menuText(HMENU menu, UINT position) {
    char text[64] = "";
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

TEST(LiveMenu, ResizeMenuLoadsWithItsItemsAndIds) {
    const expected::Menu& want = expected::resizeMenu();
    HMENU bar = LoadMenuA(getUIResourceAppInstance(), MAKEINTRESOURCEA(want.id));
    ASSERT_NE(bar, nullptr) << "LoadMenuA failed, error " << GetLastError();
    ASSERT_EQ(GetMenuItemCount(bar), 1);
    EXPECT_EQ(menuText(bar, 0), want.popupCaption);
    EXPECT_TRUE(GetMenuState(bar, 0, MF_BYPOSITION) & MF_POPUP);
    HMENU popup = GetSubMenu(bar, 0);
    ASSERT_NE(popup, nullptr);
    ASSERT_EQ(GetMenuItemCount(popup), static_cast<int>(want.items.size()));
    for (size_t i = 0; i < want.items.size(); ++i) {
        SCOPED_TRACE("item " + std::to_string(i + 1));
        UINT position = static_cast<UINT>(i);
        EXPECT_EQ(GetMenuItemID(popup, static_cast<int>(position)), want.items[i].id);
        EXPECT_EQ(menuText(popup, position), want.items[i].caption);
        UINT state = GetMenuState(popup, position, MF_BYPOSITION);
        EXPECT_EQ(state & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_SEPARATOR | MF_POPUP), 0u);
    }
    DestroyMenu(bar);
}

// ---- the DLL's resource catalogue, as KERNEL32 lists it ----

struct ListedResource {
    std::string typeName;  // empty for an integer type
    WORD typeId = 0;
    WORD id = 0;
    WORD language = 0;
    bool nameIsText = false;
};

BOOL CALLBACK addLanguage(HMODULE, LPCSTR type, LPCSTR name, WORD language, LONG_PTR param) {
    ListedResource entry;
    if (IS_INTRESOURCE(type)) entry.typeId = LOWORD(type); else entry.typeName = type;
    entry.nameIsText = !IS_INTRESOURCE(name);
    entry.id = entry.nameIsText ? 0 : LOWORD(name);
    entry.language = language;
    reinterpret_cast<std::vector<ListedResource>*>(param)->push_back(entry);
    return TRUE;
}

BOOL CALLBACK addName(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR param) {
    EnumResourceLanguagesA(module, type, name, addLanguage, param);
    return TRUE;
}

BOOL CALLBACK addType(HMODULE module, LPSTR type, LONG_PTR param) {
    EnumResourceNamesA(module, type, addName, param);
    return TRUE;
}

TEST(LiveCatalogue, DllHoldsExactlyTheExpectedResourcesInEnglish) {
    HMODULE module = GetModuleHandleA("UIResource.dll");
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(getUIResourceAppInstance(), module) << "the stored instance is not the DLL's";
    std::vector<ListedResource> listed;
    EnumResourceTypesA(module, addType, reinterpret_cast<LONG_PTR>(&listed));
    const std::vector<expected::CatalogueEntry>& want = expected::catalogue();
    ASSERT_EQ(listed.size(), want.size()) << "extra or missing resources (manifest? version block?)";
    for (size_t i = 0; i < want.size(); ++i) {
        SCOPED_TRACE("entry " + std::to_string(i + 1));
        EXPECT_EQ(listed[i].typeName, want[i].typeName ? want[i].typeName : "");
        EXPECT_EQ(listed[i].typeId, want[i].typeId);
        EXPECT_FALSE(listed[i].nameIsText);
        EXPECT_EQ(listed[i].id, want[i].id);
        EXPECT_EQ(listed[i].language, expected::kLanguage);
    }
}

// FindResource's handle is the resource's data entry in the image, which also holds its code page.
TEST(LiveCatalogue, EveryEntryHasCodePageZero) {
    HMODULE module = GetModuleHandleA("UIResource.dll");
    for (const expected::CatalogueEntry& entry : expected::catalogue()) {
        SCOPED_TRACE("id " + std::to_string(entry.id));
        LPCSTR type = entry.typeName ? entry.typeName : MAKEINTRESOURCEA(entry.typeId);
        HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(entry.id), type);
        ASSERT_NE(found, nullptr);
        const auto* data = reinterpret_cast<const IMAGE_RESOURCE_DATA_ENTRY*>(found);
        EXPECT_EQ(data->CodePage, 0u);
        EXPECT_EQ(data->Size, SizeofResource(module, found));
    }
}

}  // namespace
