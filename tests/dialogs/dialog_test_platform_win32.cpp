// The dialog tests' shell recorder on Windows: UIResource.dll's import of ShellExecuteA is pointed
// at a recorder for the recorder's lifetime.
#include "tests/dialogs/dialog_test_platform.h"

#include <gtest/gtest.h>

#include <cstring>

namespace testplatform {
namespace {

std::vector<ShellRequest> recorded;

HINSTANCE WINAPI recordShellExecute(HWND window, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory,
                                    INT showCommand) {
    ShellRequest request;
    request.file = file != nullptr ? file : "(null)";
    request.showCommand = showCommand;
    request.defaultVerbOnly = window == nullptr && verb == nullptr && parameters == nullptr && directory == nullptr;
    recorded.push_back(request);
    return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(42));  // what the shell returns on success
}

template <typename T>
T* at(HMODULE module, DWORD offset) {
    return reinterpret_cast<T*>(reinterpret_cast<BYTE*>(module) + offset);
}

// The slot of the module's import address table through which it calls SHELL32's ShellExecuteA.
void** shellExecuteSlot(HMODULE module) {
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

void* swapShellExecute(void* replacement) {
    void** slot = shellExecuteSlot(GetModuleHandleA("UIResource.dll"));
    if (slot == nullptr) return nullptr;
    DWORD protection = 0;
    VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &protection);
    void* previous = *slot;
    *slot = replacement;
    VirtualProtect(slot, sizeof *slot, protection, &protection);
    return previous;
}

void* realShellExecute = nullptr;

}  // namespace

ShellRecorder::ShellRecorder() {
    recorded.clear();
    realShellExecute = swapShellExecute(reinterpret_cast<void*>(&recordShellExecute));
    if (realShellExecute == nullptr) ADD_FAILURE() << "UIResource.dll calls no ShellExecuteA to catch";
}

ShellRecorder::~ShellRecorder() {
    if (realShellExecute != nullptr) swapShellExecute(realShellExecute);
}

std::vector<ShellRequest> ShellRecorder::requests() const { return recorded; }

}  // namespace testplatform
