// A host of the installed package, built from outside the tree as an engine builds: with the CMake
// package or pkg-config, with MinGW, or with the MSVC ABI and no C runtime at all (clang and
// lld-link against UIResource.lib). It reads the resources and, on Windows, drives the dialogs
// through USER32 as a person would, from a thread timer inside each modal loop. Prints one line a
// check and exits with the number of failures.
#include <UIResource/UIResource.h>
#include <UIResource/UIResourceIds.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>

// On Linux the header declares the handle and procedure types and nothing else of Win32, so a
// host's own BOOL (X11 has one), RECT or TRUE cannot clash with it.
#if defined(TRUE) || defined(FALSE) || defined(LOWORD) || defined(WM_COMMAND) || defined(CALLBACK)
#error "the public header brings Win32 macros into a Linux host"
#endif
typedef unsigned char BOOL;
struct RECT {
    int x, y, width, height;
};
#endif

namespace {

int failures = 0;

// ---- Output, without the C runtime ------------------------------------------------------------

unsigned length(const char* text) {
    unsigned count = 0;
    while (text[count] != '\0') ++count;
    return count;
}

void say(const char* text) {
#ifdef _WIN32
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text, length(text), &written, nullptr);
#else
    if (write(1, text, length(text)) < 0) ++failures;
#endif
}

void check(bool passed, const char* what) {
    say(passed ? "ok    " : "FAIL  ");
    say(what);
    say("\n");
    if (!passed) ++failures;
}

bool sameText(const char* a, const char* b) {
    while (*a != '\0' && *a == *b) ++a, ++b;
    return *a == *b;
}

// A placement form of its own, so that no standard header is needed and none can clash with it.
struct HostPlacement {};

}  // namespace

void* operator new(decltype(sizeof 0), void* where, HostPlacement) { return where; }

namespace {

// Compiled for MSVC, this returns what the constructor hands back (clang tail-calls it).
#ifdef _MSC_VER
__declspec(noinline)
#else
__attribute__((noinline))
#endif
CUIResource* constructAt(void* where) {
    return new (where, HostPlacement{}) CUIResource();
}

// ---- Resources and the stateless exports ----------------------------------------------------------

void checkResourcesAndModule() {
    check(UIRESOURCE_VERSION_MAJOR >= 1, "the version macros come with the header");
    check(fnUIResource() == 42 && nUIResource == 0, "fnUIResource and nUIResource");
    char* data = nullptr;
    long size = getResourceData(getResourceStringFromInt(IDR_FONT_ADVANCES), "FONTSIZE", &data);
    check(size == 256 && data != nullptr && data[48] == 6 && data[9] == 40, "the advance table");
    size = getResourceData(getResourceStringFromInt(IDR_FONT_ATLAS), "FONTDATA", &data);
    check(size == 262188 && data[2] == 2 && data[16] == 32, "the font atlas, a 32-bit TGA");
    size = getResourceData("#111", "MOUSE_POINTER_TEXTURE", &data);
    check(size == 4140, "the pointer image, by a \"#111\" name");
    check(getResourceData("#111", "NO_SUCH_TYPE", &data) == 0 && data == nullptr, "an unknown type finds nothing");
    alignas(8) char storage[8];
    CUIResource* made = constructAt(storage);
    check(reinterpret_cast<char*>(made) == storage, "the CUIResource constructor");
}

// ---- The mesh editor's host records and callbacks --------------------------------------------------

struct Scene {
    Mesh mesh;
    MeshAnimation animation;
    Material material;
    int applyCalls;
    short applyTag;
    bool applyTextWasNull;
    long chooserArgument;
};
Scene scene;

long onApply(const char* text, short tag) {
    ++scene.applyCalls;
    scene.applyTag = tag;
    scene.applyTextWasNull = text == nullptr;
    return 0;
}

long chooseMaterial(long current) {
    scene.chooserArgument = current;
    return 5;
}

Material* lookupMaterial(short id) { return id == 5 ? &scene.material : nullptr; }

void resetScene() {
    char* bytes = reinterpret_cast<char*>(&scene);
    for (unsigned i = 0; i < sizeof scene; ++i) bytes[i] = 0;
    scene.mesh.MeshFlags = 0x80000000u;  // a host bit the editor must keep
    scene.mesh.animationCount = 1;
    scene.mesh.animations = &scene.animation;
    scene.mesh.fakeShadowMaterial = 3;
    scene.animation.speed = 12;
    const char name[] = "Walk";
    for (unsigned i = 0; i < sizeof name; ++i) scene.animation.name[i] = name[i];
    const char material[] = "Granite";
    for (unsigned i = 0; i < sizeof material; ++i) scene.material.name[i] = material[i];
}

#ifdef _WIN32

// ---- A person at the dialogs, from a thread timer in the modal loop -------------------------------

void (*pendingActions)(HWND dialog) = nullptr;

void CALLBACK actOnWaitingDialog(HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = GetActiveWindow();
    if (dialog == nullptr || pendingActions == nullptr) return;
    void (*actions)(HWND) = pendingActions;
    pendingActions = nullptr;
    actions(dialog);
}

void click(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

void typeOver(HWND dialog, int id, const char* text) {
    HWND field = GetDlgItem(dialog, id);
    SendMessageA(field, EM_SETSEL, 0, -1);
    SendMessageA(field, WM_CHAR, VK_BACK, 1);
    for (const char* key = text; *key != '\0'; ++key) SendMessageA(field, WM_CHAR, static_cast<WPARAM>(*key), 1);
}

void clickListItem(HWND dialog, int listId, int position) {
    HWND list = GetDlgItem(dialog, listId);
    RECT item{};
    SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(&item));
    LPARAM middle = ((item.top + item.bottom) / 2) << 16 | ((item.left + item.right) / 2);
    SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, middle);
    SendMessageA(list, WM_LBUTTONUP, 0, middle);
}

void renameToStone(HWND dialog) {
    typeOver(dialog, IDC_NEW_NAME, "Stone");
    click(dialog, IDOK);
}

void chooseBeta(HWND dialog) {
    clickListItem(dialog, IDC_SELECTION_LIST, 1);  // alpha, beta, gamma once sorted
    click(dialog, IDOK);
}

void editMesh(HWND dialog) {
    click(dialog, IDC_SHADOW_CASTER);
    click(dialog, IDC_FAKE_SHADOW_MATERIAL_BUTTON);
    click(dialog, IDC_ANIMATION_LOOP);
    typeOver(dialog, IDC_ANIMATION_SPEED, "30");
}

void editMeshThenOk(HWND dialog) {
    editMesh(dialog);
    char label[32] = "";
    GetDlgItemTextA(dialog, IDC_FAKE_SHADOW_MATERIAL_NAME, label, sizeof label);
    check(sameText(label, "Granite"), "the editor shows the chosen material's name");
    click(dialog, IDOK);
}

void editMeshThenCancel(HWND dialog) {
    editMesh(dialog);
    click(dialog, IDCANCEL);
}

long runWith(void (*actions)(HWND), long (*run)()) {
    pendingActions = actions;
    UINT_PTR timer = SetTimer(nullptr, 0, 10, actOnWaitingDialog);
    long result = run();
    KillTimer(nullptr, timer);
    return result;
}

char renamed[8];

long runRename() { return UI::rename(nullptr, "Rock", renamed, sizeof renamed, -1, -1); }

long runSelect() {
    const char* items[] = {"gamma", "alpha", "beta"};
    const long data[] = {30, 10, 20};
    return UI::select(nullptr, "Pick", "Use", items, data, 3, -1);
}

long runMeshEditor() {
    WindowNode owner{nullptr};
    return createMeshEditorDialog(&owner, &scene.mesh, 7, onApply, chooseMaterial, lookupMaterial);
}

void checkDialogs() {
    check(runWith(renameToStone, runRename) == 1 && sameText(renamed, "Stone"), "UI::rename: typed name, OK");
    check(runWith(chooseBeta, runSelect) == 20, "UI::select: the clicked item's data");

    resetScene();
    long result = runWith(editMeshThenOk, runMeshEditor);
    check(result == 1 && scene.applyCalls == 1 && scene.applyTag == 7 && scene.applyTextWasNull,
          "mesh editor, OK: onApply once, with a null text and the tag");
    check(scene.mesh.MeshFlags == (0x80000000u | MESH_SHADOW_CASTER) && scene.mesh.fakeShadowMaterial == 5 &&
              scene.chooserArgument == 3,
          "mesh editor, OK: the flag and the chosen material stay");
    check(scene.animation.speed == 30 && scene.animation.AnimationFlags == ANIMATION_LOOP,
          "mesh editor, OK: the animation's speed and loop flag stay");

    resetScene();
    result = runWith(editMeshThenCancel, runMeshEditor);
    check(result == 0 && scene.applyCalls == 0, "mesh editor, Cancel: 0 and no onApply");
    check(scene.mesh.MeshFlags == 0x80000000u && scene.mesh.fakeShadowMaterial == 3 && scene.animation.speed == 12 &&
              scene.animation.AnimationFlags == 0,
          "mesh editor, Cancel: every change rolled back");
}

#else

// On Linux the dialogs run on the headless dialog manager, which answers only to a user attached
// to it; with none, a dialog cannot be shown and each entry says so at once.
void checkDialogs() {
    char renamed[8] = "same";
    check(UI::rename(nullptr, "Rock", renamed, sizeof renamed, -1, -1) == -1 && sameText(renamed, "same"),
          "with no one to answer, UI::rename returns -1 and leaves the buffer");
    resetScene();
    WindowNode owner{nullptr};
    check(createMeshEditorDialog(&owner, &scene.mesh, 7, onApply, chooseMaterial, lookupMaterial) == -1 &&
              scene.applyCalls == 1 && scene.mesh.MeshFlags == 0x80000000u,
          "with no one to answer, the mesh editor returns -1, reports it and keeps the mesh");
}

#endif

int runHost() {
    checkResourcesAndModule();
    checkDialogs();
    say(failures == 0 ? "host: all checks passed\n" : "host: some checks FAILED\n");
    return failures;
}

}  // namespace

#ifdef UIRESOURCE_HOST_WITHOUT_C_RUNTIME
// What the C runtime would otherwise give: the entry point, the marker that floating point is
// used, and the two memory routines the compiler may call for copies and clears of records.
extern "C" {
int _fltused = 0;

void* memset(void* destination, int value, decltype(sizeof 0) size) {
    volatile unsigned char* out = static_cast<unsigned char*>(destination);
    while (size-- > 0) *out++ = static_cast<unsigned char>(value);
    return destination;
}

void* memcpy(void* destination, const void* source, decltype(sizeof 0) size) {
    volatile unsigned char* out = static_cast<unsigned char*>(destination);
    const unsigned char* in = static_cast<const unsigned char*>(source);
    while (size-- > 0) *out++ = *in++;
    return destination;
}

void hostEntry() { ExitProcess(static_cast<UINT>(runHost())); }
}
#else
int main() { return runHost(); }
#endif
