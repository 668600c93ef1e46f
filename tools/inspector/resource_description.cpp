// Describes catalogue entries: TGA pictures, dialog templates, menus and plain data.
#include "tools/inspector/resource_description.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iomanip>

#include "resources/dialog_template.h"
#include "resources/dialog_units.h"
#include "tools/inspector/style_names.h"

namespace uitools {

namespace {

constexpr size_t kTgaHeader = 18;
constexpr size_t kTgaFooter = 26;

bool isType(const CatalogueEntry& entry, uint16_t id) { return entry.type.isId && entry.type.id == id; }

// Quoted with C's escapes: \" and \\, and every byte outside printable ASCII (a Latin-1 character
// of a template text, say) as \xHH, so that the output is plain ASCII on every platform.
std::string inQuotes(const std::string& text) {
    std::string quoted = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') quoted += '\\';
        if (c >= 0x20 && c < 0x7F) {
            quoted += static_cast<char>(c);
            continue;
        }
        char escape[8];
        std::snprintf(escape, sizeof escape, "\\x%02X", c);
        quoted += escape;
    }
    return quoted + "\"";
}

bool isAdvanceTable(const CatalogueEntry& entry) {
    return !entry.type.isId && entry.type.text == "FONTSIZE" && entry.size == 256;
}

std::string nameOf(const uires::NameOrOrdinal& value) {
    if (value.kind == uires::NameOrOrdinal::Ordinal) return "#" + std::to_string(value.ordinal);
    if (value.kind == uires::NameOrOrdinal::Text) return inQuotes(value.text);
    return "none";
}

// Counts pop-ups and command items (separators included) through every level.
void countMenuItems(const std::vector<uires::MenuItem>& items, size_t& popups, size_t& commands) {
    for (const uires::MenuItem& item : items) {
        ++((item.flags & 0x10) ? popups : commands);
        countMenuItems(item.children, popups, commands);
    }
}

std::string describeDialog(const CatalogueEntry& entry) {
    uires::DialogTemplate dialog;
    std::string error;
    if (!uires::decodeDialogTemplate(entry.data, entry.size, dialog, error)) return "malformed dialog: " + error;
    return std::string(dialog.extended ? "extended" : "classic") + " dialog " + inQuotes(dialog.title) + ", " +
           std::to_string(dialog.width) + " x " + std::to_string(dialog.height) + ", " +
           std::to_string(dialog.controls.size()) + " controls";
}

std::string describeMenu(const CatalogueEntry& entry) {
    uires::MenuTemplate menu;
    std::string error;
    if (!uires::decodeMenuTemplate(entry.data, entry.size, menu, error)) return "malformed menu: " + error;
    size_t popups = 0, commands = 0;
    countMenuItems(menu.items, popups, commands);
    std::string first = menu.items.empty() ? std::string("empty") : inQuotes(menu.items.front().text);
    return "menu " + first + ", " + std::to_string(popups) + " pop-up(s), " + std::to_string(commands) + " items";
}

}  // namespace

bool isTgaPicture(const uint8_t* data, size_t size, int& width, int& height) {
    if (data == nullptr || size < kTgaHeader + kTgaFooter) return false;
    if (data[1] != 0 || data[2] != 2 || data[16] != 32) return false;
    width = data[12] | (data[13] << 8);
    height = data[14] | (data[15] << 8);
    if (width == 0 || height == 0) return false;  // no decoder makes a picture of no pixels
    size_t pixels = static_cast<size_t>(width) * height * 4;
    if (size != kTgaHeader + data[0] + pixels + kTgaFooter) return false;
    return std::memcmp(data + size - 18, "TRUEVISION-XFILE.", 18) == 0;
}

std::string describeEntry(const CatalogueEntry& entry) {
    int width = 0, height = 0;
    if (isType(entry, uires::kDialogType)) return describeDialog(entry);
    if (isType(entry, uires::kMenuType)) return describeMenu(entry);
    if (isTgaPicture(entry.data, entry.size, width, height)) {
        return "TGA picture " + std::to_string(width) + " x " + std::to_string(height) + ", 32 bits a pixel";
    }
    if (isAdvanceTable(entry)) {
        return "character advance table, one byte a code";
    }
    return "data, " + std::to_string(entry.size) + " bytes";
}

static std::string fontLine(const uires::DialogTemplate& dialog) {
    if (!dialog.hasFont) return "none (system font)";
    std::string line = std::to_string(dialog.pointSize) + " pt " + inQuotes(dialog.faceName);
    if (dialog.extended) {
        line += ", weight " + std::to_string(dialog.weight) + (dialog.italic ? ", italic" : ", not italic") +
                ", character set " + std::to_string(dialog.charset);
    }
    return line;
}

static std::string hex32(uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", value);
    return text;
}

// A class stored as text is quoted, so that "BUTTON" is not taken for the predefined atom.
static void showControl(std::ostream& out, size_t index, const uires::DialogControl& control) {
    std::string caption = control.caption.kind == uires::NameOrOrdinal::None ? "-" : nameOf(control.caption);
    bool namedClass = control.windowClass.kind == uires::NameOrOrdinal::Text;
    std::string className = namedClass ? inQuotes(control.className()) : control.className();
    out << "  " << std::setw(3) << index << "  " << std::setw(6) << control.id << "  " << std::left << std::setw(9)
        << className << std::right << std::setw(5) << control.x << std::setw(5) << control.y
        << std::setw(5) << control.width << std::setw(5) << control.height << "  " << caption << "\n"
        << "                 style " << hex32(control.style) << " "
        << controlStyleNames(control.className(), control.style) << "\n";
    if (control.exStyle != 0 || control.helpId != 0 || !control.creationData.empty()) {
        out << "                 extended style " << hex32(control.exStyle) << ", help id " << control.helpId
            << ", " << control.creationData.size() << " bytes of creation data\n";
    }
}

static void showDialog(const CatalogueEntry& entry, const uires::DialogTemplate& dialog, std::ostream& out) {
    uires::BaseUnits base = uires::baseUnitsForPointSize(dialog.hasFont ? dialog.pointSize : 8);
    out << "DIALOG " << entry.name.describe() << ", language " << entry.language << ": " << inQuotes(dialog.title) << "\n"
        << "  kind:     " << (dialog.extended ? "extended template (DLGTEMPLATEEX, version " +
                                                   std::to_string(dialog.version) + ")"
                                              : std::string("classic template (DLGTEMPLATE)")) << "\n"
        << "  style:    " << hex32(dialog.style) << " " << dialogStyleNames(dialog.style) << "\n"
        << "  extended style " << hex32(dialog.exStyle) << ", help id " << dialog.helpId << ", menu "
        << nameOf(dialog.menu) << ", class " << nameOf(dialog.windowClass) << "\n"
        << "  font:     " << fontLine(dialog) << "\n"
        << "  size:     " << dialog.width << " x " << dialog.height << " dialog units at (" << dialog.x << ", "
        << dialog.y << "); client area " << uires::dialogUnitsToPixelsX(dialog.width, base) << " x "
        << uires::dialogUnitsToPixelsY(dialog.height, base) << " pixels (base units " << base.width << " x "
        << base.height << ")\n"
        << "  controls: " << dialog.controls.size() << " (position and size in dialog units)\n"
        << "    #      id  class        x    y    w    h  caption\n";
    for (size_t i = 0; i < dialog.controls.size(); ++i) showControl(out, i + 1, dialog.controls[i]);
}

static void showMenuItems(const std::vector<uires::MenuItem>& items, int depth, std::ostream& out) {
    for (const uires::MenuItem& item : items) {
        std::string flags = menuFlagNames(item.flags);
        out << std::string(static_cast<size_t>(depth) * 2 + 2, ' ');
        // A separator is stored as an item with no flags, id 0 and an empty text.
        if (item.flags & 0x10) out << "POPUP " << inQuotes(item.text);
        else if ((item.flags & ~0x80) == 0 && item.id == 0 && item.text.empty()) out << "  SEPARATOR";
        else out << std::setw(5) << item.id << "  " << inQuotes(item.text);
        out << (flags.empty() ? "" : "  (" + flags + ")") << "\n";
        showMenuItems(item.children, depth + 1, out);
    }
}

// The advance table as sixteen rows of sixteen codes: a row is labelled with its first code.
static void showAdvances(const CatalogueEntry& entry, std::ostream& out) {
    out << "  advance in pixels of code ROW + COLUMN:\n       ";
    for (int column = 0; column < 16; ++column) out << std::setw(4) << "+" + std::to_string(column);
    for (int code = 0; code < 256; ++code) {
        if (code % 16 == 0) out << "\n  " << std::setw(5) << code;
        out << std::setw(4) << static_cast<int>(entry.data[code]);
    }
    out << "\n";
}

static void showData(const CatalogueEntry& entry, std::ostream& out) {
    out << uires::resourceTypeName(entry.type) << " " << entry.name.describe() << ", language " << entry.language
        << ": " << describeEntry(entry) << "\n  size: " << entry.size << " bytes\n";
    if (isAdvanceTable(entry)) {
        showAdvances(entry, out);
        return;
    }
    size_t shown = std::min<size_t>(entry.size, 64);
    for (size_t row = 0; row < shown; row += 16) {
        char line[80];
        std::snprintf(line, sizeof line, "  %04zX:", row);
        out << line;
        for (size_t i = row; i < std::min(shown, row + 16); ++i) {
            std::snprintf(line, sizeof line, " %02X", entry.data[i]);
            out << line;
        }
        out << "\n";
    }
    if (shown < entry.size) out << "  ... (" << entry.size - shown << " more bytes; use extract)\n";
}

bool showEntry(const CatalogueEntry& entry, std::ostream& out, std::string& error) {
    if (isType(entry, uires::kDialogType)) {
        uires::DialogTemplate dialog;
        if (!uires::decodeDialogTemplate(entry.data, entry.size, dialog, error)) return false;
        showDialog(entry, dialog, out);
        return true;
    }
    if (isType(entry, uires::kMenuType)) {
        uires::MenuTemplate menu;
        if (!uires::decodeMenuTemplate(entry.data, entry.size, menu, error)) return false;
        out << "MENU " << entry.name.describe() << ", language " << entry.language << ": standard menu template"
            << " (version " << menu.version << ", header offset " << menu.headerSize << ")\n";
        showMenuItems(menu.items, 0, out);
        return true;
    }
    showData(entry, out);
    return true;
}

}  // namespace uitools
