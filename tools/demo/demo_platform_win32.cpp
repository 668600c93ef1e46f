// The demo's dialog reading on Windows: USER32's window queries and control messages, and a CBT
// hook that hears a dialog's destruction before it happens.
#include "tools/demo/demo_platform.h"

#include <cctype>
#include <string>

namespace demo {

namespace {

std::string upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

std::string windowText(HWND window) {
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// Entries of a list (LB_ messages) or combo box (CB_ messages) in display order.
std::vector<std::string> entries(HWND control, UINT countMessage, UINT lengthMessage, UINT textMessage) {
    std::vector<std::string> items;
    LRESULT count = SendMessageA(control, countMessage, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        LRESULT length = SendMessageA(control, lengthMessage, static_cast<WPARAM>(i), 0);
        std::string text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
        SendMessageA(control, textMessage, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&text[0]));
        items.push_back(text.c_str());
    }
    return items;
}

void readState(HWND control, uitools::ControlView& view) {
    if (view.className == "BUTTON") view.checked = SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
    if (view.className == "LISTBOX") {
        view.items = entries(control, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT);
        view.selection = static_cast<int>(SendMessageA(control, LB_GETCURSEL, 0, 0));
        view.topItem = static_cast<int>(SendMessageA(control, LB_GETTOPINDEX, 0, 0));
    }
    if (view.className == "COMBOBOX") {
        view.items = entries(control, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
        view.selection = static_cast<int>(SendMessageA(control, CB_GETCURSEL, 0, 0));
    }
}

uitools::ControlView controlViewOf(HWND dialog, HWND control) {
    uitools::ControlView view;
    char className[64] = "";
    GetClassNameA(control, className, sizeof className);
    view.id = static_cast<int>(static_cast<short>(GetDlgCtrlID(control)));
    view.className = upper(className);
    view.style = static_cast<uint32_t>(GetWindowLongA(control, GWL_STYLE));
    view.kind = uitools::controlKindOf(view.className, view.style);
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    view.rect = uitools::PixelRect{rect.left, rect.top, rect.right, rect.bottom};
    view.text = windowText(control);
    readState(control, view);
    return view;
}

ClosingObserver closingObserver = nullptr;
void* closingContext = nullptr;
HHOOK closingHook = nullptr;

LRESULT CALLBACK onWindowEvent(int code, WPARAM wordParam, LPARAM longParam) {
    if (code == HCBT_DESTROYWND && closingObserver != nullptr) {
        HWND window = reinterpret_cast<HWND>(wordParam);
        char className[16] = "";
        GetClassNameA(window, className, sizeof className);
        if (std::string(className) == "#32770") closingObserver(window, closingContext);
    }
    return CallNextHookEx(closingHook, code, wordParam, longParam);
}

}  // namespace

bool snapshotLiveDialog(HWND dialog, uitools::DialogView& view) {
    if (!IsWindow(dialog)) return false;
    view = uitools::DialogView();
    view.title = windowText(dialog);
    view.style = static_cast<uint32_t>(GetWindowLongA(dialog, GWL_STYLE));
    RECT client{};
    GetClientRect(dialog, &client);
    view.clientWidth = client.right;
    view.clientHeight = client.bottom;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        view.controls.push_back(controlViewOf(dialog, child));
    }
    return true;
}

void observeDialogClosing(ClosingObserver observer, void* context) {
    closingObserver = observer;
    closingContext = context;
    if (observer != nullptr && closingHook == nullptr) {
        closingHook = SetWindowsHookExA(WH_CBT, onWindowEvent, nullptr, GetCurrentThreadId());
    } else if (observer == nullptr && closingHook != nullptr) {
        UnhookWindowsHookEx(closingHook);
        closingHook = nullptr;
    }
}

bool canShowDialogs() { return true; }

}  // namespace demo
