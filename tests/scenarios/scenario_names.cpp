// The scenario suite's table of names.
#include "tests/scenarios/scenario_names.h"

#include <cctype>
#include <cstdlib>
#include <cstring>

#include "harness/dialog_driver.h"

namespace scenario {

namespace {

struct Named {
    const char* name;
    long long value;
    const char* prefix = "";  // "IDC" for a control
};

// The ids of the suite's templates and controls (scenario_ids.h), then the library's
// (resources/resource_ids.h), without their IDD_, IDC_, IDR_ or ID_ prefix: written by the build
// from those headers.
const Named kIds[] = {
    {"OK", IDOK, "IDC"}, {"CANCEL", IDCANCEL, "IDC"},
#include "scenario_ids.inc"
#include "library_ids.inc"
};

// The Win32 messages, notifications, styles and constants the library knows (platform/win32_types.h,
// written by the build from that header), and the suite's own.
const Named kOthers[] = {
    {"ABANDONED", -7},  // scripted::kAbandoned: a dialog its user gave up
    {"TRUE", TRUE}, {"FALSE", FALSE},
#include "win32_names.inc"
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
    const Named* found = find(kIds, name);
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
    for (const Named& entry : kIds) {
        if (entry.value == id && std::strcmp(entry.prefix, "IDC") == 0) return entry.name;
    }
    return std::to_string(id);
}

std::string notificationName(const std::string& className, int code) {
    static const std::pair<const char*, const char*> kSenders[] = {
        {"BUTTON", "BN_"}, {"EDIT", "EN_"}, {"LISTBOX", "LBN_"}, {"COMBOBOX", "CBN_"}};
    for (const auto& [sender, prefix] : kSenders) {
        for (const Named& entry : kOthers) {
            // A notification is the high word of WM_COMMAND's word parameter: CBN_ERRSPACE (-1) arrives as 0xFFFF.
            bool sameCode = static_cast<WORD>(entry.value) == static_cast<WORD>(code);
            if (className == sender && sameCode && std::strncmp(entry.name, prefix, std::strlen(prefix)) == 0)
                return entry.name;
        }
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
    const Named* found = find(kKeys, rest);
    if (found == nullptr && rest.rfind("VK_", 0) == 0) found = find(kOthers, rest);  // VK_OEM_2 and the like
    if (found != nullptr) key.code = static_cast<WPARAM>(found->value);
    else if (rest.size() == 1 && std::isalnum(static_cast<unsigned char>(rest[0]))) key.code = std::toupper(rest[0]);
    return key.code != 0;
}

}  // namespace scenario
