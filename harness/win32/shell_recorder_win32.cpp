// Recording what UIResource.dll hands to the shell: while recording, the DLL's import of
// ShellExecuteA is pointed at a recorder, so the tests see every request and nothing opens.
#include "harness/dialog_driver.h"

#include <shellapi.h>

#include <cstring>

namespace DialogDriver {

namespace {

std::vector<ShellRequest>& recorded() {
    static std::vector<ShellRequest> requests;
    return requests;
}

HINSTANCE WINAPI recordShellExecute(HWND window, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory,
                                    INT showCommand) {
    bool defaultVerbOnly = window == nullptr && verb == nullptr && parameters == nullptr && directory == nullptr;
    recorded().push_back(ShellRequest{file != nullptr ? file : "(null)", showCommand, defaultVerbOnly});
    return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(42));  // what the shell returns on success
}

template <typename T>
T* at(HMODULE module, DWORD offset) {
    return reinterpret_cast<T*>(reinterpret_cast<BYTE*>(module) + offset);
}

// The slot of the module's import address table through which it calls SHELL32's ShellExecuteA.
void** shellExecuteSlot(HMODULE module) {
    if (module == nullptr) return nullptr;
    auto* nt = at<IMAGE_NT_HEADERS>(module, static_cast<DWORD>(at<IMAGE_DOS_HEADER>(module, 0)->e_lfanew));
    const IMAGE_DATA_DIRECTORY& imports = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* entry = at<IMAGE_IMPORT_DESCRIPTOR>(module, imports.VirtualAddress); entry->Name != 0; ++entry) {
        if (_stricmp(at<char>(module, entry->Name), "shell32.dll") != 0) continue;
        auto* names = at<IMAGE_THUNK_DATA>(module, entry->OriginalFirstThunk);
        auto* slots = at<IMAGE_THUNK_DATA>(module, entry->FirstThunk);
        for (; names->u1.AddressOfData != 0; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            auto* byName = at<IMAGE_IMPORT_BY_NAME>(module, static_cast<DWORD>(names->u1.AddressOfData));
            if (std::strcmp(reinterpret_cast<char*>(byName->Name), "ShellExecuteA") == 0)
                return reinterpret_cast<void**>(&slots->u1.Function);
        }
    }
    return nullptr;
}

void pointSlotAt(void** slot, void* target) {
    DWORD protection = 0;
    VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &protection);
    *slot = target;
    VirtualProtect(slot, sizeof *slot, protection, &protection);
}

void* realShellExecute = nullptr;

}  // namespace

void recordShellRequests(bool on) {
    recorded().clear();
    void** slot = shellExecuteSlot(GetModuleHandleA("UIResource.dll"));
    if (slot == nullptr || (realShellExecute != nullptr) == on) return;
    if (on) {
        realShellExecute = *slot;
        pointSlotAt(slot, reinterpret_cast<void*>(&recordShellExecute));
    } else {
        pointSlotAt(slot, realShellExecute);
        realShellExecute = nullptr;
    }
}

std::vector<ShellRequest> shellRequests() { return recorded(); }

}  // namespace DialogDriver
