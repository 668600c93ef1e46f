// Names every entry of the exported interface the way a host does, so that the symbols this file
// imports are exactly the names a host built with the same compiler asks the DLL for. The Windows
// build compiles it twice, for MinGW's C++ ABI and for MSVC's, and pairs the two sets of names
// into the DLL's aliases (cmake/msvc_exports.py); a signature changed in the header changes both.
#include <UIResource/UIResource.h>

namespace {

// The hooks and `info` are private members, but hosts built with MSVC still import them under
// their private decorations. An explicit instantiation may name a private member; the friend it
// defines hands the member's address out.
template <typename Tag, typename Tag::Type Member>
struct Expose {
    friend typename Tag::Type addressOf(Tag) { return Member; }
};

struct SetupFunctionTag {
    using Type = UI::SetupHook*;
    friend Type addressOf(SetupFunctionTag);
};
struct ShutdownFunctionTag {
    using Type = UI::ShutdownHook*;
    friend Type addressOf(ShutdownFunctionTag);
};
struct SelectionFunctionTag {
    using Type = UI::SelectionHook*;
    friend Type addressOf(SelectionFunctionTag);
};
struct InfoTag {
    using Type = void**;
    friend Type addressOf(InfoTag);
};

template struct Expose<SetupFunctionTag, &UI::setupFunction>;
template struct Expose<ShutdownFunctionTag, &UI::shutdownFunction>;
template struct Expose<SelectionFunctionTag, &UI::selectionFunction>;
template struct Expose<InfoTag, &UI::info>;

}  // namespace

// Every function and data member of the interface, by address; the class members a host reaches
// only by using an object (the constructor and the assignments), by using one.
extern "C" const void* const uiresourceExportProbe[] = {
    reinterpret_cast<const void*>(&getUIResourceAppInstance),
    reinterpret_cast<const void*>(&getResourceStringFromInt),
    reinterpret_cast<const void*>(&getResourceData),
    reinterpret_cast<const void*>(&fnUIResource),
    &nUIResource,
    reinterpret_cast<const void*>(&UI::windowCallback),
    addressOf(SetupFunctionTag{}),
    addressOf(ShutdownFunctionTag{}),
    addressOf(SelectionFunctionTag{}),
    addressOf(InfoTag{}),
    &UI::result,
    reinterpret_cast<const void*>(&UI::rename),
    reinterpret_cast<const void*>(&UI::select),
    reinterpret_cast<const void*>(&UI::displayMaterialProperties),
    reinterpret_cast<const void*>(&UI::setupRename),
    reinterpret_cast<const void*>(&UI::shutdownRename),
    reinterpret_cast<const void*>(&UI::setupSelect),
    reinterpret_cast<const void*>(&UI::shutdownSelect),
    reinterpret_cast<const void*>(&UI::selectionSelect),
    reinterpret_cast<const void*>(&UI::createExitApplicationDialog),
    reinterpret_cast<const void*>(&UI::createButtonTranslatorDialog),
    reinterpret_cast<const void*>(&createMeshEditorDialog),
};

extern "C" void uiresourceExportProbeObjects() {
    CUIResource resource;
    resource = resource;
    UI ui;
    ui = ui;
}
