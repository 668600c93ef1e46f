// Opens every template of the DLL as a real modal dialog and loads its menu through USER32, and
// compares the live windows with the expected tables; also lists the DLL's resources through
// KERNEL32. Windows only (run under Wine in Xvfb).
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "module/UIResource.h"
#include "resources/dialog_template.h"
#include "tests/resources/expected_templates.h"

namespace {

constexpr INT_PTR kChecked = 0x5EED;  // what the capturing procedure ends each dialog with

struct LiveControl {
    int id = 0;
    std::string className;
    std::string text;
    DWORD style = 0;
    DWORD exStyle = 0;
    RECT rect{};  // in the dialog's client coordinates, pixels
    bool foundById = false;  // GetDlgItem with the table's id gives this window (ids other than -1)
    // Lists and combo boxes only, after 100 entries were added in descending order:
    bool scrollsWhenFull = false;  // the (drop-down) list then shows WS_VSCROLL
    std::string firstEntry;        // the entry at position 0: the smallest if the list sorts
    std::string typed;             // edit fields only: the text after "1.5" was typed into them
};

struct LiveDialog {
    bool initialised = false;
    std::string title;
    DWORD style = 0;
    std::vector<LiveControl> controls;  // in z-order, which is the template order
    std::vector<RECT> expectedRects;    // the table's rectangles mapped with the dialog's own font
    const expected::Dialog* table = nullptr;
};

std::string windowText(HWND window) {
    char text[512] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

LiveControl captureControl(HWND dialog, HWND child) {
    LiveControl control;
    control.id = GetDlgCtrlID(child);
    char className[64] = "";
    GetClassNameA(child, className, sizeof className);
    control.className = className;
    control.text = windowText(child);
    control.style = static_cast<DWORD>(GetWindowLongA(child, GWL_STYLE));
    control.exStyle = static_cast<DWORD>(GetWindowLongA(child, GWL_EXSTYLE));
    GetWindowRect(child, &control.rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&control.rect), 2);
    return control;
}

constexpr int kFillCount = 100;

std::string fillEntry(int index) {
    char text[16];
    wsprintfA(text, "entry %03d", kFillCount - 1 - index);
    return text;
}

bool hasVerticalScroll(HWND window) { return (GetWindowLongA(window, GWL_STYLE) & WS_VSCROLL) != 0; }

// A list box shows its scroll bar, and with it WS_VSCROLL, only while its entries overflow; a combo
// box hands WS_VSCROLL and CBS_SORT on to its drop-down list. Filling them shows both.
void probeList(HWND child, LiveControl& control) {
    bool combo = lstrcmpiA(control.className.c_str(), "ComboBox") == 0;
    UINT add = combo ? CB_ADDSTRING : LB_ADDSTRING;
    for (int i = 0; i < kFillCount; ++i) {
        SendMessageA(child, add, 0, reinterpret_cast<LPARAM>(fillEntry(i).c_str()));
    }
    char first[32] = "";
    SendMessageA(child, combo ? CB_GETLBTEXT : LB_GETTEXT, 0, reinterpret_cast<LPARAM>(first));
    control.firstEntry = first;
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    if (combo && GetComboBoxInfo(child, &info)) {
        control.scrollsWhenFull = hasVerticalScroll(info.hwndList);
    } else if (!combo) {
        control.scrollsWhenFull = hasVerticalScroll(child);
    }
}

// What a user gets typing "1.5": an ES_NUMBER field refuses the decimal point.
void probeEdit(HWND child, LiveControl& control) {
    for (char c : std::string("1.5")) SendMessageA(child, WM_CHAR, static_cast<unsigned char>(c), 1);
    control.typed = windowText(child);
}

bool isList(const LiveControl& control) {
    const char* name = control.className.c_str();
    return lstrcmpiA(name, "ListBox") == 0 || lstrcmpiA(name, "ComboBox") == 0;
}

// Labels share the id -1, so GetDlgItem cannot tell them apart: walk the children in z-order.
void captureDialog(HWND dialog, LiveDialog& live) {
    live.initialised = true;
    live.title = windowText(dialog);
    live.style = static_cast<DWORD>(GetWindowLongA(dialog, GWL_STYLE));
    std::vector<HWND> children;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
        live.controls.push_back(captureControl(dialog, child));
        if (isList(live.controls.back())) probeList(child, live.controls.back());
        if (lstrcmpiA(live.controls.back().className.c_str(), "Edit") == 0) probeEdit(child, live.controls.back());
    }
    for (size_t i = 0; i < live.table->controls.size(); ++i) {
        const expected::Control& control = live.table->controls[i];
        // The dialog manager converts position and size each on its own, as MapDialogRect does.
        RECT units = {control.x, control.y, control.width, control.height};
        MapDialogRect(dialog, &units);
        live.expectedRects.push_back({units.left, units.top, units.left + units.right, units.top + units.bottom});
        if (i < children.size() && control.id != -1) {
            live.controls[i].foundById = GetDlgItem(dialog, control.id) == children[i];
        }
    }
}

INT_PTR CALLBACK captureProcedure(HWND dialog, UINT message, WPARAM, LPARAM param) {
    if (message != WM_INITDIALOG) return FALSE;
    captureDialog(dialog, *reinterpret_cast<LiveDialog*>(param));
    EndDialog(dialog, kChecked);
    return TRUE;
}

// The window style USER32 gives a control created from a template. The dialog manager turns
// WS_BORDER into the WS_EX_CLIENTEDGE extended style (Windows does so for every dialog it
// creates with the 3-D look, which is all of them since Windows 95). Empty lists show no
// WS_VSCROLL (probeList checks it comes back).
DWORD liveStyleOf(const expected::Control& control) {
    DWORD style = control.style & ~static_cast<DWORD>(WS_BORDER);
    bool list = control.classAtom == expected::kListBox || control.classAtom == expected::kComboBox;
    return list ? style & ~static_cast<DWORD>(WS_VSCROLL) : style;
}

void expectListBehaviour(const expected::Control& want, const LiveControl& got) {
    bool sorts = want.classAtom == expected::kListBox ? (want.style & LBS_SORT) != 0 : (want.style & CBS_SORT) != 0;
    EXPECT_EQ(got.firstEntry, sorts ? fillEntry(kFillCount - 1) : fillEntry(0)) << (sorts ? "unsorted" : "sorted");
    EXPECT_EQ(got.scrollsWhenFull, (want.style & WS_VSCROLL) != 0);
}

void expectLiveControl(const expected::Control& want, const LiveControl& got, bool extended) {
    // A classic template stores a 16-bit id: USER32 gives a label the id 0xFFFF (65535 under
    // Wine, as GetDlgCtrlID reports it), an extended template's labels get -1.
    if (extended) {
        EXPECT_EQ(got.id, want.id);
    } else {
        EXPECT_EQ(static_cast<WORD>(got.id), static_cast<WORD>(want.id));
    }
    EXPECT_EQ(lstrcmpiA(got.className.c_str(), uires::predefinedClassName(want.classAtom)), 0)
        << got.className;
    EXPECT_EQ(got.style, liveStyleOf(want)) << std::hex << "0x" << got.style << " against 0x" << liveStyleOf(want);
    EXPECT_EQ((got.exStyle & WS_EX_CLIENTEDGE) != 0, (want.style & WS_BORDER) != 0);
    if (want.classAtom == expected::kListBox || want.classAtom == expected::kComboBox) {
        expectListBehaviour(want, got);
    } else {
        EXPECT_EQ(got.text, want.caption);
    }
    if (want.classAtom == expected::kEdit) {
        EXPECT_EQ(got.typed, (want.style & ES_NUMBER) ? "15" : "1.5");
    }
}

void expectLiveRect(const RECT& want, const LiveControl& got, bool comboBox) {
    EXPECT_EQ(got.rect.left, want.left);
    EXPECT_EQ(got.rect.top, want.top);
    EXPECT_EQ(got.rect.right, want.right);
    // A closed combo box is shorter than the template's height, which includes the dropped list.
    if (!comboBox) {
        EXPECT_EQ(got.rect.bottom, want.bottom);
    }
}

class LiveTemplate : public testing::TestWithParam<uint16_t> {};

TEST_P(LiveTemplate, OpensModallyWithTheExpectedControls) {
    LiveDialog live;
    live.table = expected::findDialog(GetParam());
    ASSERT_NE(live.table, nullptr);
    INT_PTR result = DialogBoxParamA(getUIResourceAppInstance(), MAKEINTRESOURCEA(GetParam()), nullptr,
                                     captureProcedure, reinterpret_cast<LPARAM>(&live));
    ASSERT_EQ(result, kChecked) << "DialogBoxParamA failed, error " << GetLastError();
    ASSERT_TRUE(live.initialised);
    EXPECT_EQ(live.title, live.table->title);
    // USER32 adds WS_CLIPSIBLINGS to every top-level window and DS_3DLOOK to every dialog; a
    // modal dialog is not yet visible during WM_INITDIALOG.
    EXPECT_EQ(live.style & ~static_cast<DWORD>(WS_CLIPSIBLINGS | DS_3DLOOK), live.table->style)
        << std::hex << "0x" << live.style;
    ASSERT_EQ(live.controls.size(), live.table->controls.size());
    for (size_t i = 0; i < live.controls.size(); ++i) {
        const expected::Control& want = live.table->controls[i];
        SCOPED_TRACE("control " + std::to_string(i + 1) + " (id " + std::to_string(want.id) + ")");
        expectLiveControl(want, live.controls[i], live.table->extended);
        expectLiveRect(live.expectedRects[i], live.controls[i], want.classAtom == expected::kComboBox);
        if (want.id != -1) {
            EXPECT_TRUE(live.controls[i].foundById) << "GetDlgItem does not reach it";
        }
    }
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
