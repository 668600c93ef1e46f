// The exported interface of UIResource: resource access, the generic dialogs, the exit and
// translator dialogs, and the mesh editor with the host records it edits.
//
// All dialog functions are modal and must be called on the host's user-interface thread; they
// return only when their dialog has ended. Every dialog result is 1 for OK, 0 for Cancel
// (Escape and the close box included) and -1 when the dialog manager cannot create the dialog.
#pragma once

#include <stdint.h>

#include <UIResource/UIResourcePlatform.h>
#include <UIResource/UIResourceVersion.h>

// ---------------------------------------------------------------------------------------------
// Module and resource access
// ---------------------------------------------------------------------------------------------

// Always 0; nothing in the module changes it.
extern UIRESOURCE_API int nUIResource;

// Returns 42.
UIRESOURCE_API int fnUIResource();

// The module's instance handle, as the module entry stored it; the host reaches templates 101 to
// 122 and menu 104 through it.
UIRESOURCE_API HINSTANCE getUIResourceAppInstance();

// The integer id as a resource-name pointer (the MAKEINTRESOURCE form); no lookup happens.
UIRESOURCE_API char* getResourceStringFromInt(unsigned short id);

// Finds resource `name` of type `type` in the module, stores a pointer to its first byte through
// `data` and returns its size in bytes. Name and type are strings (compared case-insensitively;
// "#107" means the integer id 107) or integer ids made by getResourceStringFromInt. The bytes are
// read-only, shared by all callers and valid while the module is loaded.
// Not found, or a null name or type: returns 0 and stores a null pointer through `data`.
// A null `data`: returns 0 and stores nothing.
UIRESOURCE_API long getResourceData(const char* name, const char* type, char** data);

// An exported class without state, kept for hosts that create it.
class UIRESOURCE_API CUIResource {
public:
    CUIResource();
    CUIResource& operator=(const CUIResource& other);
};

// ---------------------------------------------------------------------------------------------
// Parameter records of the generic dialogs (reached through the shared procedure's info pointer)
// ---------------------------------------------------------------------------------------------

struct RenameInfo {
    const char* oldName;  // shown, and offered as the starting text of the new name
    char* newName;        // caller's buffer; receives the new name on OK
    long newNameSize;     // capacity of newName in bytes, NUL included
    long x;               // left edge of the dialog in screen coordinates, or -1
    long y;               // top edge of the dialog in screen coordinates, or -1
};

struct SelectInfo {
    long chosen;                // the answer; -1 until a selection is made
    const char* title;          // window title
    const char* buttonCaption;  // caption given to the OK button
    const char** items;         // the strings to list
    const long* itemData;       // one value per string, returned when that string is chosen
    long count;                 // number of strings
    long initial;               // item-data value to preselect, or -1
};

// ---------------------------------------------------------------------------------------------
// Dialogs
// ---------------------------------------------------------------------------------------------

class UIRESOURCE_API UI {
public:
    using SetupHook = long (*)(HWND dialog, UINT message, WPARAM wordParam, LPARAM longParam);
    using ShutdownHook = void (*)(long accepted, HWND dialog, UINT message, WPARAM wordParam, LPARAM longParam);
    using SelectionHook = void (*)(long itemData);

    UI& operator=(const UI& other);

    // rename, select and displayMaterialProperties share the module-wide hooks and info, so one of
    // their dialogs runs at a time: called while one runs (from a host timer or window procedure
    // that its modal loop dispatches), each returns -1 at once and changes nothing, neither the
    // running dialog nor the caller's buffer.

    // The dialog procedure shared by templates 101, 102 and 105: OK ends with 1, Cancel with 0,
    // each after the shutdown hook; list 1085's selection changes reach the selection hook.
    static INT_PTR UIRESOURCE_CALLBACK windowCallback(HWND dialog, UINT message, WPARAM wordParam, LPARAM longParam);

    // "Name Entry": on OK copies at most newNameSize - 1 characters and a NUL into newName.
    // x and y place the dialog's top-left corner unless either is -1.
    // A null oldName shows an empty name. A null newName or a newNameSize below 1 leaves the
    // buffer untouched (the dialog still runs and returns its result); size 1 stores only a NUL.
    static long rename(HWND owner, const char* oldName, char* newName, long newNameSize, long x, long y);

    // "List Selection": returns the item data of the string the user chose, or -1 (Cancel, no
    // choice made, or the dialog could not be created). A count below 1 or null items list
    // nothing, so the call returns -1; null itemData attaches 0 to every string; a null string
    // among the items is listed as an empty one. A null title or caption shows an empty text.
    static long select(HWND owner, const char* title, const char* buttonCaption, const char** items,
                       const long* itemData, long count, long initial);

    // The empty "Material Properties Dialog" frame: 1 on OK, 0 on Escape or the close box.
    static long displayMaterialProperties(HWND owner);

    // The exit dialog: 1 when the user accepts (the link, if not empty, is handed to the shell),
    // 0 on Cancel or close. A null title gives the default title ("Veldacor  www.veldacor.com");
    // links longer than 255 characters are cut to their first 255; a null or empty link means
    // none, and accepting then opens nothing. Called while an exit dialog runs: returns -1 at once
    // and leaves that dialog's title and link alone.
    static long createExitApplicationDialog(const char* title, const char* link);

    // Runs "Edit Translator" (template 119) with the host's own procedure and returns the value
    // that procedure ended the dialog with. A null procedure returns -1 without opening anything.
    static long createButtonTranslatorDialog(DLGPROC procedure, HWND owner);

    // Hooks of the generic dialogs, run by windowCallback.
    static long setupRename(HWND dialog, UINT message, WPARAM wordParam, LPARAM longParam);
    static void shutdownRename(long accepted, HWND dialog, UINT message, WPARAM wordParam, LPARAM longParam);
    static long setupSelect(HWND dialog, UINT message, WPARAM wordParam, LPARAM longParam);
    static void shutdownSelect(long accepted, HWND dialog, UINT message, WPARAM wordParam, LPARAM longParam);
    static void selectionSelect(long itemData);

    static unsigned long result;  // reserved for the host; the module neither reads nor writes it

private:
    // The module's runner of its dialogs without hooks, which clears these for them.
    friend long runWithoutHooks(unsigned short templateId, HWND owner);

    static SetupHook setupFunction;        // called on WM_INITDIALOG; may be null
    static ShutdownHook shutdownFunction;  // called on OK and Cancel before the dialog ends
    static SelectionHook selectionFunction;  // called with the selected item's data
    static void* info;                     // the running dialog's RenameInfo or SelectInfo
};

// ---------------------------------------------------------------------------------------------
// Mesh editor: host records and entry
// ---------------------------------------------------------------------------------------------

#define UIRESOURCE_MESH_NAME_CAPACITY 64       // bytes of Mesh::name, NUL included
#define UIRESOURCE_ANIMATION_NAME_CAPACITY 32  // bytes of MeshAnimation::name, NUL included
#define UIRESOURCE_MATERIAL_NAME_CAPACITY 64   // bytes of Material::name, NUL included

// MeshFlags bits the editor reads and writes; every other bit passes through untouched.
enum MeshFlagBits : uint32_t {
    MESH_BILLBOARD_2D = 0x4,
    MESH_BILLBOARD_3D = 0x10,
    MESH_SHADOW_CASTER = 0x40,
    MESH_ALPHA_BLEND_LODS = 0x80,
    MESH_COLLISION_BUFFER_ENTRY = 0x200,
    MESH_RANDOM_PLACEMENT_ROT = 0x400,
    MESH_STATIC_SHADOWS = 0x800,
    MESH_RANDOM_BILLBOARD_3D_ROT = 0x2000,
    MESH_SQUARE_AXIS_ALIGNED = 0x4000,
    MESH_FAKE_SHADOWS = 0x20000,
    MESH_FAKE_SHADOW_AUTO_SIZE = 0x40000,
};

// AnimationFlags bits the editor reads and writes; other bits pass through untouched.
enum AnimationFlagBits : uint32_t {
    ANIMATION_LOOP = 0x01,
    ANIMATION_SKIP_LAST_NODE = 0x02,
    ANIMATION_START_ON_RANDOM_FRAME = 0x04,
    ANIMATION_LOOP_BOUNCE = 0x08,
    ANIMATION_INSTANTLY_TERMINATE = 0x10,
};

struct MeshAnimation {
    uint32_t AnimationFlags;   // AnimationFlagBits and host bits
    uint32_t hostField;        // engine data, not interpreted
    int32_t speed;             // playback speed, 1 to the frame rate
    uint32_t hostBlock[4];     // engine data, not interpreted; last of the leading block
    uint32_t hostTrailing[2];  // engine data, not interpreted; not saved by the editor
    char name[UIRESOURCE_ANIMATION_NAME_CAPACITY];  // NUL-terminated; never changed by the editor
};

// The first seven 32-bit fields of a MeshAnimation: what the editor saves and restores.
#define UIRESOURCE_ANIMATION_LEADING_FIELDS 7

struct Mesh {
    uint32_t MeshFlags;         // MeshFlagBits and host bits
    int32_t animationCount;     // number of records in animations; a negative count means none
    float lodRange[8];          // LOD range values 1 to 8, shown as whole numbers
    int16_t fakeShadowMaterial; // material id of the fake shadow
    float fakeShadowSize;       // size of the fake shadow
    MeshAnimation* animations;  // animationCount contiguous records, owned by the host
    uint32_t hostData[8];       // engine data, not interpreted; saved and restored with the rest
    char name[UIRESOURCE_MESH_NAME_CAPACITY];  // NUL-terminated; shown in the title
};

struct Material {
    uint32_t hostData[4];                        // engine data, not interpreted
    char name[UIRESOURCE_MATERIAL_NAME_CAPACITY];  // NUL-terminated
};

struct WindowNode {
    HWND window;  // owner of the mesh editor dialog; may be null
};

// Edits `mesh` in place in the modal "Edit Mesh" dialog. Returns 1 on OK (the changes stay and
// onApply(nullptr, editorTag) is called), 0 on Cancel or close (every byte of the Mesh record and
// of each animation's leading block is restored), -1 when the dialog cannot be created (onApply
// is called; nothing was changed).
// A null mesh, snapshots that cannot be allocated, or a call made while an editor's dialog is
// open (from chooseMaterial or lookupMaterial): returns 0 at once, runs no dialog and touches
// nothing. onApply runs after the dialog has ended and may open the editor again.
// A null parent gives no owner. Null callbacks are skipped: no onApply call, the material
// button keeps the current id, a null lookup shows "N/A". A negative animationCount or a null
// animations array counts as no animations. LOD values beyond the 32-bit integer range show
// (and so are stored) as its nearest end, NaN as 0. A name that fills its array without a NUL
// is read to the array's end and no further.
UIRESOURCE_API long createMeshEditorDialog(WindowNode* parent, Mesh* mesh, short editorTag,
                                           long (*onApply)(const char*, short), long (*chooseMaterial)(long),
                                           Material* (*lookupMaterial)(short));
