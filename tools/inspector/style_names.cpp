// Tables of style bit names and their joining into readable lists.
#include "tools/inspector/style_names.h"

#include <cstdio>
#include <vector>

namespace uitools {

namespace {

struct Flag {
    uint32_t mask;
    uint32_t value;
    const char* name;
};

// Names each flag whose masked bits match among the bits not named yet, and removes them from
// `rest`. A field's zero value has a name too (BS_PUSHBUTTON, ES_LEFT, SS_LEFT), so each table
// lists a field's values before the flags that share no bits with it.
void nameFlags(const std::vector<Flag>& table, uint32_t& rest, std::vector<std::string>& names) {
    for (const Flag& flag : table) {
        if ((rest & flag.mask) != flag.value) continue;
        names.push_back(flag.name);
        rest &= ~flag.mask;
    }
}

std::string join(const std::vector<std::string>& names, uint32_t rest) {
    std::string text;
    for (const std::string& name : names) text += (text.empty() ? "" : " | ") + name;
    if (rest != 0) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "0x%X", rest);
        text += (text.empty() ? "" : " | ") + std::string(hex);
    }
    return text.empty() ? "0" : text;
}

const std::vector<Flag>& commonWindowFlags() {
    static const std::vector<Flag> flags = {
        {0x80000000, 0x80000000, "WS_POPUP"},  {0x40000000, 0x40000000, "WS_CHILD"},
        {0x20000000, 0x20000000, "WS_MINIMIZE"}, {0x10000000, 0x10000000, "WS_VISIBLE"},
        {0x08000000, 0x08000000, "WS_DISABLED"}, {0x04000000, 0x04000000, "WS_CLIPSIBLINGS"},
        {0x02000000, 0x02000000, "WS_CLIPCHILDREN"}, {0x01000000, 0x01000000, "WS_MAXIMIZE"},
        {0x00C00000, 0x00C00000, "WS_CAPTION"}, {0x00800000, 0x00800000, "WS_BORDER"},
        {0x00400000, 0x00400000, "WS_DLGFRAME"}, {0x00200000, 0x00200000, "WS_VSCROLL"},
        {0x00100000, 0x00100000, "WS_HSCROLL"}, {0x00080000, 0x00080000, "WS_SYSMENU"},
        {0x00040000, 0x00040000, "WS_THICKFRAME"}};
    return flags;
}

const std::vector<Flag>& dialogFlags() {
    static const std::vector<Flag> flags = {
        {0x20000, 0x20000, "WS_MINIMIZEBOX"}, {0x10000, 0x10000, "WS_MAXIMIZEBOX"},
        {0x1, 0x1, "DS_ABSALIGN"}, {0x2, 0x2, "DS_SYSMODAL"}, {0x4, 0x4, "DS_3DLOOK"}, {0x8, 0x8, "DS_FIXEDSYS"},
        {0x10, 0x10, "DS_NOFAILCREATE"}, {0x20, 0x20, "DS_LOCALEDIT"}, {0x40, 0x40, "DS_SETFONT"},
        {0x80, 0x80, "DS_MODALFRAME"}, {0x100, 0x100, "DS_NOIDLEMSG"}, {0x200, 0x200, "DS_SETFOREGROUND"},
        {0x400, 0x400, "DS_CONTROL"}, {0x800, 0x800, "DS_CENTER"}, {0x1000, 0x1000, "DS_CENTERMOUSE"},
        {0x2000, 0x2000, "DS_CONTEXTHELP"}};
    return flags;
}

const std::vector<Flag>& buttonFlags() {
    static const std::vector<Flag> flags = {
        {0xF, 0x0, "BS_PUSHBUTTON"}, {0xF, 0x1, "BS_DEFPUSHBUTTON"}, {0xF, 0x2, "BS_CHECKBOX"},
        {0xF, 0x3, "BS_AUTOCHECKBOX"}, {0xF, 0x4, "BS_RADIOBUTTON"}, {0xF, 0x5, "BS_3STATE"},
        {0xF, 0x6, "BS_AUTO3STATE"}, {0xF, 0x7, "BS_GROUPBOX"}, {0xF, 0x8, "BS_USERBUTTON"},
        {0xF, 0x9, "BS_AUTORADIOBUTTON"}, {0xF, 0xA, "BS_PUSHBOX"}, {0xF, 0xB, "BS_OWNERDRAW"},
        {0x20, 0x20, "BS_LEFTTEXT"}, {0x40, 0x40, "BS_ICON"}, {0x80, 0x80, "BS_BITMAP"},
        {0x300, 0x300, "BS_CENTER"}, {0x300, 0x100, "BS_LEFT"}, {0x300, 0x200, "BS_RIGHT"},
        {0xC00, 0xC00, "BS_VCENTER"}, {0xC00, 0x400, "BS_TOP"}, {0xC00, 0x800, "BS_BOTTOM"},
        {0x1000, 0x1000, "BS_PUSHLIKE"}, {0x2000, 0x2000, "BS_MULTILINE"}, {0x4000, 0x4000, "BS_NOTIFY"},
        {0x8000, 0x8000, "BS_FLAT"}};
    return flags;
}

const std::vector<Flag>& editFlags() {
    static const std::vector<Flag> flags = {
        {0x3, 0x0, "ES_LEFT"}, {0x3, 0x1, "ES_CENTER"}, {0x3, 0x2, "ES_RIGHT"}, {0x4, 0x4, "ES_MULTILINE"},
        {0x8, 0x8, "ES_UPPERCASE"}, {0x10, 0x10, "ES_LOWERCASE"}, {0x20, 0x20, "ES_PASSWORD"},
        {0x40, 0x40, "ES_AUTOVSCROLL"}, {0x80, 0x80, "ES_AUTOHSCROLL"}, {0x100, 0x100, "ES_NOHIDESEL"},
        {0x400, 0x400, "ES_OEMCONVERT"}, {0x800, 0x800, "ES_READONLY"}, {0x1000, 0x1000, "ES_WANTRETURN"},
        {0x2000, 0x2000, "ES_NUMBER"}};
    return flags;
}

const std::vector<Flag>& staticFlags() {
    static const std::vector<Flag> flags = {
        {0x1F, 0x0, "SS_LEFT"}, {0x1F, 0x1, "SS_CENTER"}, {0x1F, 0x2, "SS_RIGHT"}, {0x1F, 0x3, "SS_ICON"},
        {0x1F, 0x4, "SS_BLACKRECT"}, {0x1F, 0x5, "SS_GRAYRECT"}, {0x1F, 0x6, "SS_WHITERECT"},
        {0x1F, 0x7, "SS_BLACKFRAME"}, {0x1F, 0x8, "SS_GRAYFRAME"}, {0x1F, 0x9, "SS_WHITEFRAME"},
        {0x1F, 0xA, "SS_USERITEM"}, {0x1F, 0xB, "SS_SIMPLE"}, {0x1F, 0xC, "SS_LEFTNOWORDWRAP"},
        {0x1F, 0xD, "SS_OWNERDRAW"}, {0x1F, 0xE, "SS_BITMAP"}, {0x1F, 0xF, "SS_ENHMETAFILE"},
        {0x1F, 0x10, "SS_ETCHEDHORZ"}, {0x1F, 0x11, "SS_ETCHEDVERT"}, {0x1F, 0x12, "SS_ETCHEDFRAME"},
        {0x40, 0x40, "SS_REALSIZECONTROL"}, {0x80, 0x80, "SS_NOPREFIX"}, {0x100, 0x100, "SS_NOTIFY"},
        {0x200, 0x200, "SS_CENTERIMAGE"}, {0x400, 0x400, "SS_RIGHTJUST"}, {0x800, 0x800, "SS_REALSIZEIMAGE"},
        {0x1000, 0x1000, "SS_SUNKEN"}, {0x2000, 0x2000, "SS_EDITCONTROL"}, {0xC000, 0x4000, "SS_ENDELLIPSIS"},
        {0xC000, 0x8000, "SS_PATHELLIPSIS"}, {0xC000, 0xC000, "SS_WORDELLIPSIS"}};
    return flags;
}

const std::vector<Flag>& listBoxFlags() {
    static const std::vector<Flag> flags = {
        {0x1, 0x1, "LBS_NOTIFY"}, {0x2, 0x2, "LBS_SORT"}, {0x4, 0x4, "LBS_NOREDRAW"},
        {0x8, 0x8, "LBS_MULTIPLESEL"}, {0x10, 0x10, "LBS_OWNERDRAWFIXED"}, {0x20, 0x20, "LBS_OWNERDRAWVARIABLE"},
        {0x40, 0x40, "LBS_HASSTRINGS"}, {0x80, 0x80, "LBS_USETABSTOPS"}, {0x100, 0x100, "LBS_NOINTEGRALHEIGHT"},
        {0x200, 0x200, "LBS_MULTICOLUMN"}, {0x400, 0x400, "LBS_WANTKEYBOARDINPUT"},
        {0x800, 0x800, "LBS_EXTENDEDSEL"}, {0x1000, 0x1000, "LBS_DISABLENOSCROLL"}, {0x2000, 0x2000, "LBS_NODATA"},
        {0x4000, 0x4000, "LBS_NOSEL"}, {0x8000, 0x8000, "LBS_COMBOBOX"}};
    return flags;
}

const std::vector<Flag>& comboBoxFlags() {
    static const std::vector<Flag> flags = {
        {0x3, 0x1, "CBS_SIMPLE"}, {0x3, 0x2, "CBS_DROPDOWN"}, {0x3, 0x3, "CBS_DROPDOWNLIST"},
        {0x10, 0x10, "CBS_OWNERDRAWFIXED"}, {0x20, 0x20, "CBS_OWNERDRAWVARIABLE"}, {0x40, 0x40, "CBS_AUTOHSCROLL"},
        {0x80, 0x80, "CBS_OEMCONVERT"}, {0x100, 0x100, "CBS_SORT"}, {0x200, 0x200, "CBS_HASSTRINGS"},
        {0x400, 0x400, "CBS_NOINTEGRALHEIGHT"}, {0x800, 0x800, "CBS_DISABLENOSCROLL"},
        {0x2000, 0x2000, "CBS_UPPERCASE"}, {0x4000, 0x4000, "CBS_LOWERCASE"}};
    return flags;
}

const std::vector<Flag>* classFlags(const std::string& className) {
    if (className == "BUTTON") return &buttonFlags();
    if (className == "EDIT") return &editFlags();
    if (className == "STATIC") return &staticFlags();
    if (className == "LISTBOX") return &listBoxFlags();
    if (className == "COMBOBOX") return &comboBoxFlags();
    return nullptr;
}

}  // namespace

std::string dialogStyleNames(uint32_t style) {
    std::vector<std::string> names;
    uint32_t rest = style;
    nameFlags(commonWindowFlags(), rest, names);
    nameFlags(dialogFlags(), rest, names);
    return join(names, rest);
}

std::string controlStyleNames(const std::string& className, uint32_t style) {
    std::vector<std::string> names;
    uint32_t rest = style;
    if (const std::vector<Flag>* own = classFlags(className)) nameFlags(*own, rest, names);
    nameFlags({{0x20000, 0x20000, "WS_GROUP"}, {0x10000, 0x10000, "WS_TABSTOP"}}, rest, names);
    nameFlags(commonWindowFlags(), rest, names);
    return join(names, rest);
}

std::string menuFlagNames(uint16_t flags) {
    static const std::vector<Flag> table = {
        {0x1, 0x1, "MF_GRAYED"}, {0x2, 0x2, "MF_DISABLED"}, {0x4, 0x4, "MF_BITMAP"}, {0x8, 0x8, "MF_CHECKED"},
        {0x10, 0x10, "MF_POPUP"}, {0x20, 0x20, "MF_MENUBARBREAK"}, {0x40, 0x40, "MF_MENUBREAK"},
        {0x80, 0x80, "MF_END"}, {0x100, 0x100, "MF_OWNERDRAW"}, {0x800, 0x800, "MF_SEPARATOR"},
        {0x4000, 0x4000, "MF_HELP"}};
    std::vector<std::string> names;
    uint32_t rest = flags;
    nameFlags(table, rest, names);
    return names.empty() && rest == 0 ? std::string() : join(names, rest);
}

}  // namespace uitools
