// The scenario suite's table of names.
#include "tests/scenarios/scenario_names.h"

#include <cctype>
#include <cstdlib>
#include <cstring>

#include "harness/dialog_driver.h"
#include "tests/scenarios/scenario_ids.h"

namespace scenario {

namespace {

struct Named {
    const char* name;
    long long value;
};

const Named kControls[] = {
    {"OK", IDOK}, {"CANCEL", IDCANCEL}, {"TEXT", IDC_TEXT}, {"NUMBER", IDC_NUMBER}, {"LABEL", IDC_LABEL},
    {"CHECK_A", IDC_CHECK_A}, {"CHECK_B", IDC_CHECK_B}, {"CHECK_C", IDC_CHECK_C}, {"PUSH", IDC_PUSH}, {"OFF", IDC_OFF}, {"SORTED", IDC_SORTED},
    {"UNSORTED", IDC_UNSORTED}, {"QUIET", IDC_QUIET}, {"SORTED_COMBO", IDC_SORTED_COMBO},
    {"PLAIN_COMBO", IDC_PLAIN_COMBO}, {"GROUP", IDC_GROUP}, {"SMALL", IDC_SMALL}, {"LARGE", IDC_LARGE},
    {"HUGE", IDC_HUGE}, {"SIZE", IDC_SIZE_GROUP}, {"READ_ONLY", IDC_READ_ONLY}, {"RIGHT_ALIGNED", IDC_RIGHT_ALIGNED},
    {"LIST_COMBO", IDC_LIST_COMBO}, {"EDIT_COMBO", IDC_EDIT_COMBO}, {"SHORT", IDC_SHORT},
    {"FIXED_COMBO", IDC_FIXED_COMBO},
};

const Named kOthers[] = {
    {"EDITS", IDD_EDITS}, {"BUTTONS", IDD_BUTTONS}, {"LISTS", IDD_LISTS}, {"COMBOS", IDD_COMBOS},
    {"NO_CLOSE_BOX", IDD_NO_CLOSE_BOX}, {"EXTENDED", IDD_EXTENDED}, {"BORDERED", IDD_BORDERED}, {"KEYS", IDD_KEYS},
    {"COMBO_KEYS", IDD_COMBO_KEYS}, {"NOT_THERE", IDD_NOT_THERE}, {"FIELDS", IDD_FIELDS},
    {"LONG_FIELDS", IDD_LONG_FIELDS}, {"CB_LIMITTEXT", CB_LIMITTEXT}, {"CB_SETEDITSEL", CB_SETEDITSEL},
    {"ABANDONED", -7},  // scripted::kAbandoned: a dialog its user gave up
    {"TRUE", TRUE}, {"FALSE", FALSE}, {"LB_ERR", LB_ERR}, {"CB_ERR", CB_ERR}, {"LB_OKAY", LB_OKAY},
    {"BST_UNCHECKED", BST_UNCHECKED}, {"BST_CHECKED", BST_CHECKED}, {"BST_INDETERMINATE", BST_INDETERMINATE},
    {"LB_ADDSTRING", LB_ADDSTRING}, {"LB_INSERTSTRING", LB_INSERTSTRING}, {"LB_DELETESTRING", LB_DELETESTRING},
    {"LB_RESETCONTENT", LB_RESETCONTENT}, {"LB_SETCURSEL", LB_SETCURSEL}, {"LB_GETCURSEL", LB_GETCURSEL},
    {"LB_GETCOUNT", LB_GETCOUNT}, {"LB_GETITEMDATA", LB_GETITEMDATA}, {"LB_SETITEMDATA", LB_SETITEMDATA},
    {"LB_FINDSTRING", LB_FINDSTRING}, {"LB_FINDSTRINGEXACT", LB_FINDSTRINGEXACT},
    {"LB_SELECTSTRING", LB_SELECTSTRING}, {"LB_GETTOPINDEX", LB_GETTOPINDEX}, {"LB_SETTOPINDEX", LB_SETTOPINDEX},
    {"LB_GETTEXTLEN", LB_GETTEXTLEN}, {"CB_ADDSTRING", CB_ADDSTRING}, {"CB_RESETCONTENT", CB_RESETCONTENT},
    {"CB_SETCURSEL", CB_SETCURSEL}, {"CB_GETCURSEL", CB_GETCURSEL}, {"CB_GETCOUNT", CB_GETCOUNT},
    {"CB_GETLBTEXTLEN", CB_GETLBTEXTLEN}, {"CB_SELECTSTRING", CB_SELECTSTRING},
    {"CB_FINDSTRINGEXACT", CB_FINDSTRINGEXACT}, {"CB_SETITEMDATA", CB_SETITEMDATA},
    {"CB_GETITEMDATA", CB_GETITEMDATA}, {"CB_INSERTSTRING", CB_INSERTSTRING}, {"CB_DELETESTRING", CB_DELETESTRING},
    {"EM_LIMITTEXT", EM_LIMITTEXT}, {"EM_GETLIMITTEXT", EM_GETLIMITTEXT}, {"EM_SETSEL", EM_SETSEL},
    {"EM_GETSEL", EM_GETSEL}, {"BM_SETCHECK", BM_SETCHECK}, {"BM_GETCHECK", BM_GETCHECK}, {"BM_CLICK", BM_CLICK}, {"BM_GETSTATE", BM_GETSTATE},
    {"BM_SETSTATE", BM_SETSTATE}, {"BM_SETSTYLE", BM_SETSTYLE}, {"BST_PUSHED", BST_PUSHED}, {"BST_FOCUS", BST_FOCUS},
    {"LB_GETCARETINDEX", LB_GETCARETINDEX}, {"LB_SETCARETINDEX", LB_SETCARETINDEX}, {"LB_GETITEMHEIGHT", LB_GETITEMHEIGHT},
    {"CB_GETDROPPEDSTATE", CB_GETDROPPEDSTATE}, {"CB_SHOWDROPDOWN", CB_SHOWDROPDOWN}, {"CB_GETTOPINDEX", CB_GETTOPINDEX},
    {"WM_NEXTDLGCTL", WM_NEXTDLGCTL}, {"WM_GETDLGCODE", WM_GETDLGCODE}, {"WM_LBUTTONUP", WM_LBUTTONUP},
    {"DM_SETDEFID", DM_SETDEFID}, {"DM_GETDEFID", DM_GETDEFID}, {"WM_SETREDRAW", WM_SETREDRAW},
    {"WM_COPY", WM_COPY}, {"WM_CUT", WM_CUT}, {"WM_PASTE", WM_PASTE}, {"WM_CLEAR", WM_CLEAR}, {"WM_UNDO", WM_UNDO},
    {"EM_UNDO", EM_UNDO}, {"EM_CANUNDO", EM_CANUNDO}, {"EM_EMPTYUNDOBUFFER", EM_EMPTYUNDOBUFFER},
    {"EM_GETFIRSTVISIBLELINE", EM_GETFIRSTVISIBLELINE}, {"DC_HASDEFID", DC_HASDEFID},
    {"WS_TABSTOP", WS_TABSTOP}, {"WS_GROUP", WS_GROUP}, {"WS_VISIBLE", WS_VISIBLE}, {"WS_CHILD", WS_CHILD},
    {"WS_DISABLED", WS_DISABLED}, {"WS_POPUP", WS_POPUP}, {"WS_CAPTION", WS_CAPTION}, {"WS_SYSMENU", WS_SYSMENU},
    {"WS_BORDER", WS_BORDER}, {"DS_FIXEDSYS", DS_FIXEDSYS}, {"DS_MODALFRAME", DS_MODALFRAME},
    {"ES_NUMBER", ES_NUMBER}, {"ES_READONLY", ES_READONLY}, {"BS_DEFPUSHBUTTON", BS_DEFPUSHBUTTON}, {"BS_PUSHBUTTON", BS_PUSHBUTTON}, {"LBS_SORT", LBS_SORT},
    {"LBS_NOTIFY", LBS_NOTIFY}, {"CBS_SORT", CBS_SORT},
};

struct Notification {
    const char* className;
    int code;
    const char* name;
};

const Notification kNotifications[] = {
    {"BUTTON", BN_CLICKED, "BN_CLICKED"}, {"BUTTON", BN_SETFOCUS, "BN_SETFOCUS"},
    {"BUTTON", BN_KILLFOCUS, "BN_KILLFOCUS"}, {"BUTTON", BN_DOUBLECLICKED, "BN_DOUBLECLICKED"}, {"EDIT", EN_SETFOCUS, "EN_SETFOCUS"},
    {"EDIT", EN_KILLFOCUS, "EN_KILLFOCUS"}, {"EDIT", EN_CHANGE, "EN_CHANGE"}, {"EDIT", EN_UPDATE, "EN_UPDATE"},
    {"EDIT", EN_MAXTEXT, "EN_MAXTEXT"}, {"LISTBOX", LBN_SELCHANGE, "LBN_SELCHANGE"},
    {"LISTBOX", LBN_DBLCLK, "LBN_DBLCLK"}, {"LISTBOX", LBN_SELCANCEL, "LBN_SELCANCEL"},
    {"LISTBOX", LBN_SETFOCUS, "LBN_SETFOCUS"}, {"LISTBOX", LBN_KILLFOCUS, "LBN_KILLFOCUS"},
    {"COMBOBOX", CBN_SELCHANGE, "CBN_SELCHANGE"}, {"COMBOBOX", CBN_SETFOCUS, "CBN_SETFOCUS"},
    {"COMBOBOX", CBN_KILLFOCUS, "CBN_KILLFOCUS"}, {"COMBOBOX", CBN_EDITCHANGE, "CBN_EDITCHANGE"},
    {"COMBOBOX", CBN_EDITUPDATE, "CBN_EDITUPDATE"}, {"COMBOBOX", CBN_SELENDOK, "CBN_SELENDOK"},
    {"COMBOBOX", CBN_SELENDCANCEL, "CBN_SELENDCANCEL"}, {"COMBOBOX", CBN_DROPDOWN, "CBN_DROPDOWN"},
    {"COMBOBOX", CBN_CLOSEUP, "CBN_CLOSEUP"}, {"COMBOBOX", CBN_DBLCLK, "CBN_DBLCLK"},
    {"COMBOBOX", static_cast<WORD>(CBN_ERRSPACE), "CBN_ERRSPACE"},
};

const Named kKeys[] = {
    {"Enter", VK_RETURN}, {"Escape", VK_ESCAPE}, {"Tab", VK_TAB}, {"Back", VK_BACK}, {"Space", VK_SPACE},
    {"Left", VK_LEFT}, {"Right", VK_RIGHT}, {"Up", VK_UP}, {"Down", VK_DOWN}, {"Home", VK_HOME}, {"End", VK_END},
    {"PageUp", VK_PRIOR}, {"PageDown", VK_NEXT}, {"Delete", VK_DELETE}, {"Insert", VK_INSERT}, {"F4", VK_F4},
    {"F10", VK_F10},
    {"Shift", VK_SHIFT}, {"Ctrl", VK_CONTROL}, {"Alt", VK_MENU},
};

template <size_t N>
const Named* find(const Named (&table)[N], const std::string& name) {
    for (const Named& entry : table) {
        if (name == entry.name) return &entry;
    }
    return nullptr;
}

bool parseNumber(const std::string& text, long long& value) {
    if (text.empty()) return false;
    char* end = nullptr;
    value = std::strtoll(text.c_str(), &end, 0);
    return *end == '\0';
}

}  // namespace

bool valueOf(const std::string& name, long long& value) {
    const Named* found = find(kControls, name);
    if (found == nullptr) found = find(kOthers, name);
    if (found != nullptr) value = found->value;
    return found != nullptr || parseNumber(name, value);
}

namespace {

// One factor of a pixel expression at `at`: a decimal number or a measure.
bool pixelFactor(const std::string& text, size_t& at, const Measures& measures, long long& value) {
    for (const auto& [name, measure] : {std::pair<const char*, long long>{"font", measures.font}, {"row", measures.row},
                                        {"shown", measures.shown}}) {
        if (text.compare(at, std::strlen(name), name) == 0) {
            at += std::strlen(name);
            value = measure;
            return true;
        }
    }
    size_t digits = text.find_first_not_of("0123456789", at);
    digits = digits == std::string::npos ? text.size() : digits;
    if (digits == at || digits - at > 9) return false;
    value = std::stoll(text.substr(at, digits - at));
    at = digits;
    return true;
}

bool pixelTerm(const std::string& text, size_t& at, const Measures& measures, long long& value) {
    if (!pixelFactor(text, at, measures, value)) return false;
    while (at < text.size() && (text[at] == '*' || text[at] == '/')) {
        char operation = text[at++];
        long long factor = 0;
        if (!pixelFactor(text, at, measures, factor) || (operation == '/' && factor == 0)) return false;
        value = operation == '*' ? value * factor : value / factor;
    }
    return true;
}

}  // namespace

bool pixelsOf(const std::string& text, const Measures& measures, long long& value) {
    size_t at = text.rfind('-', 0) == 0 ? 1 : 0;
    long long sum = 0, term = 0;
    if (!pixelTerm(text, at, measures, sum)) return false;
    while (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        char operation = text[at++];
        if (!pixelTerm(text, at, measures, term)) return false;
        sum = operation == '+' ? sum + term : sum - term;
    }
    value = text[0] == '-' ? -sum : sum;
    return at == text.size();
}

std::string controlName(int id) {
    for (const Named& entry : kControls) {
        if (entry.value == id) return entry.name;
    }
    return std::to_string(id);
}

std::string notificationName(const std::string& className, int code) {
    for (const Notification& entry : kNotifications) {
        if (className == entry.className && code == entry.code) return entry.name;
    }
    return std::to_string(code);
}

bool keyOf(const std::string& name, Key& key) {
    key = Key();
    static const struct {
        const char* prefix;
        unsigned modifier;
    } kModifiers[] = {{"Shift+", DialogDriver::kShift}, {"Ctrl+", DialogDriver::kControl}, {"Alt+", DialogDriver::kAlt}};
    std::string rest = name;
    for (bool found = true; found;) {
        found = false;
        for (const auto& entry : kModifiers) {
            if (rest.size() <= std::strlen(entry.prefix) || rest.rfind(entry.prefix, 0) != 0) continue;
            key.modifiers |= entry.modifier;
            rest = rest.substr(std::strlen(entry.prefix));
            found = true;
        }
    }
    if (const Named* found = find(kKeys, rest)) key.code = static_cast<WPARAM>(found->value);
    else if (rest.size() == 1 && std::isalnum(static_cast<unsigned char>(rest[0]))) key.code = std::toupper(rest[0]);
    return key.code != 0;
}

}  // namespace scenario
