// Opens every template of the DLL as a real modal dialog and checks that USER32 creates what the
// library's decoder (and so the headless dialog manager) reads from the same bytes, whose dump is
// tests/resources/golden/module-resources.txt. Windows only (run under Wine in Xvfb).
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include <UIResource/UIResource.h>
#include "resources/dialog_template.h"
#include "resources/module_resources.h"

namespace {

constexpr INT_PTR kChecked = 0x5EED;  // what the checking procedure ends each dialog with

std::string windowText(HWND window) {
    char text[512] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// USER32 turns WS_BORDER into WS_EX_CLIENTEDGE (the 3-D look of every dialog since Windows 95), and
// an empty list shows no scroll bar, so no WS_VSCROLL. A classic template's label id 0xFFFF reads
// 65535 from GetDlgCtrlID, an extended one's -1.
void expectControl(HWND dialog, HWND child, const uires::DialogControl& want, bool extended) {
    int id = GetDlgCtrlID(child);
    EXPECT_EQ(extended ? id : static_cast<WORD>(id), extended ? want.id : static_cast<WORD>(want.id));
    char className[64] = "";
    GetClassNameA(child, className, sizeof className);
    EXPECT_EQ(lstrcmpiA(className, want.className().c_str()), 0) << className;
    bool list = want.className() == "LISTBOX" || want.className() == "COMBOBOX";
    DWORD style = want.style & ~static_cast<DWORD>(WS_BORDER | (list ? WS_VSCROLL : 0));
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(child, GWL_STYLE)), style) << std::hex << want.style;
    EXPECT_EQ((GetWindowLongA(child, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0, (want.style & WS_BORDER) != 0);
    RECT units = {want.x, want.y, want.width, want.height}, rect{};
    MapDialogRect(dialog, &units);
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    LONG bottom = want.className() == "COMBOBOX" ? rect.bottom : units.top + units.bottom;  // closed: shorter
    EXPECT_EQ(std::vector<LONG>({rect.left, rect.top, rect.right, rect.bottom}),
              std::vector<LONG>({units.left, units.top, units.left + units.right, bottom}));
    if (!list) {
        EXPECT_EQ(windowText(child), want.caption.text);
    }
}

// Compares the live dialog with the decoded template during WM_INITDIALOG, then ends it. USER32
// adds WS_CLIPSIBLINGS and DS_3DLOOK; the children's z-order is the template order.
INT_PTR CALLBACK checkingProcedure(HWND dialog, UINT message, WPARAM, LPARAM param) {
    if (message != WM_INITDIALOG) return FALSE;
    const uires::DialogTemplate& want = *reinterpret_cast<const uires::DialogTemplate*>(param);
    EXPECT_EQ(windowText(dialog), want.title);
    DWORD style = static_cast<DWORD>(GetWindowLongA(dialog, GWL_STYLE));
    EXPECT_EQ(style & ~static_cast<DWORD>(WS_CLIPSIBLINGS | DS_3DLOOK), want.style) << std::hex << style;
    size_t count = 0;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT), ++count) {
        if (count >= want.controls.size()) continue;
        SCOPED_TRACE("control " + std::to_string(count + 1));
        expectControl(dialog, child, want.controls[count], want.extended);
    }
    EXPECT_EQ(count, want.controls.size());
    EndDialog(dialog, kChecked);
    return TRUE;
}

TEST(LiveTemplate, EveryTemplateOpensModallyAsTheDecoderReadsIt) {
    for (uint16_t id : uires::moduleResourceIds(uires::ResourceKind::Dialog)) {
        SCOPED_TRACE("template " + std::to_string(id));
        char* data = nullptr;
        long size = getResourceData(getResourceStringFromInt(id), getResourceStringFromInt(uires::kDialogType), &data);
        uires::DialogTemplate want;
        std::string error;
        const auto* bytes = reinterpret_cast<const uint8_t*>(data);
        ASSERT_TRUE(uires::decodeDialogTemplate(bytes, static_cast<size_t>(size), want, error)) << error;
        INT_PTR result = DialogBoxParamA(getUIResourceAppInstance(), MAKEINTRESOURCEA(id), nullptr,
                                         checkingProcedure, reinterpret_cast<LPARAM>(&want));
        ASSERT_EQ(result, kChecked) << "DialogBoxParamA failed, error " << GetLastError();
    }
}

}  // namespace
