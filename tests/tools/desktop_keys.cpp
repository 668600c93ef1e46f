// Prints the desktop's key and text mapping for the keys a person can press and the text they can
// type, under each modifier, as a table compared with the golden transcript desktop-keys.txt.
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "platform/win32_types.h"
#include "tools/desktop/key_mapping.h"

namespace {

struct Modifier {
    const char* name;
    Uint16 held;
};

const Modifier kModifiers[] = {{"none", KMOD_NONE},  {"Shift", KMOD_LSHIFT}, {"Ctrl", KMOD_LCTRL},
                               {"LAlt", KMOD_LALT},  {"RAlt", KMOD_RALT},    {"AltGr", KMOD_MODE},
                               {"Ctrl+Shift", KMOD_LCTRL | KMOD_LSHIFT}};

std::string nameOf(int virtualKey) {
    static const std::map<int, const char*> names = {
        {VK_TAB, "Tab"},     {VK_RETURN, "Enter"},  {VK_ESCAPE, "Esc"},   {VK_BACK, "Back"},    {VK_DELETE, "Del"},
        {VK_INSERT, "Ins"},  {VK_SPACE, "Space"},   {VK_LEFT, "Left"},    {VK_RIGHT, "Right"},  {VK_UP, "Up"},
        {VK_DOWN, "Down"},   {VK_HOME, "Home"},     {VK_END, "End"},      {VK_PRIOR, "PgUp"},   {VK_NEXT, "PgDn"},
        {VK_F4, "F4"},       {VK_F10, "F10"},       {VK_SHIFT, "Shift"},  {VK_CONTROL, "Ctrl"}, {VK_MENU, "Alt"}};
    auto name = names.find(virtualKey);
    return name != names.end() ? name->second : std::string(1, static_cast<char>(virtualKey));
}

std::string keysText(const std::vector<int>& keys) {
    if (keys.empty()) return "-";
    std::string text;
    for (int key : keys) text += (text.empty() ? "" : "+") + nameOf(key);
    return text;
}

// Code page 1252 bytes as they print: ASCII as it is, the rest as <XX>.
std::string charactersText(const std::string& characters) {
    if (characters.empty()) return "-";
    std::string text;
    for (unsigned char character : characters) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "<%02X>", character);
        text += character >= 0x20 && character < 0x7F ? std::string(1, static_cast<char>(character)) : hex;
    }
    return text;
}

void printRow(const char* name, const std::vector<std::string>& cells) {
    std::string row = name;
    size_t column = 11;
    for (const std::string& cell : cells) {
        row.append(row.size() < column ? column - row.size() : 1, ' ');
        row += cell;
        column += 12;
    }
    std::printf("%s\n", row.c_str());
}

}  // namespace

int main() {
    struct Key {
        const char* name;
        SDL_Keycode key;
    };
    const Key keys[] = {{"Tab", SDLK_TAB},         {"Return", SDLK_RETURN},   {"KP_Enter", SDLK_KP_ENTER},
                        {"Escape", SDLK_ESCAPE},   {"Backspace", SDLK_BACKSPACE}, {"Delete", SDLK_DELETE},
                        {"Insert", SDLK_INSERT},   {"Space", SDLK_SPACE},     {"Left", SDLK_LEFT},
                        {"Right", SDLK_RIGHT},     {"Up", SDLK_UP},           {"Down", SDLK_DOWN},
                        {"Home", SDLK_HOME},       {"End", SDLK_END},         {"PageUp", SDLK_PAGEUP},
                        {"PageDown", SDLK_PAGEDOWN}, {"F4", SDLK_F4},         {"F10", SDLK_F10},
                        {"LShift", SDLK_LSHIFT},   {"RShift", SDLK_RSHIFT},   {"LCtrl", SDLK_LCTRL},
                        {"RCtrl", SDLK_RCTRL},     {"LAlt", SDLK_LALT},       {"RAlt", SDLK_RALT},
                        {"AltGr", SDLK_MODE},      {"a", SDLK_a},             {"z", SDLK_z},
                        {"0", SDLK_0},             {"9", SDLK_9},             {"period", SDLK_PERIOD},
                        {"F1", SDLK_F1},           {"KP_5", SDLK_KP_5}};
    std::vector<std::string> header;
    for (const Modifier& modifier : kModifiers) header.push_back(modifier.name);
    printRow("key", header);
    for (const Key& key : keys) {
        std::vector<std::string> cells;
        for (const Modifier& modifier : kModifiers) cells.push_back(keysText(desktop::virtualKeysOf(key.key, modifier.held)));
        printRow(key.name, cells);
    }
    const char* texts[] = {"a", "A", "@", " ", "ab c", "\xC3\xA9", "\xE2\x82\xAC", "\xC4\x85", "\xFF", ""};
    std::printf("\ntext typed (UTF-8 bytes in hex) and the code page 1252 characters it types\n");
    printRow("text", header);
    for (const char* text : texts) {
        std::string name;
        for (const char* byte = text; *byte != '\0'; ++byte) {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%02X", static_cast<unsigned char>(*byte));
            name += hex;
        }
        std::vector<std::string> cells;
        for (const Modifier& modifier : kModifiers) cells.push_back(charactersText(desktop::charactersOf(text, modifier.held)));
        printRow(name.empty() ? "(empty)" : name.c_str(), cells);
    }
    std::printf("%s\n", charactersText(desktop::charactersOf(nullptr, KMOD_NONE)).c_str());
    return 0;
}
