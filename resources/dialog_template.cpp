// Dialog and menu template decoding: the header into one struct, then one item at a time, each
// aligned to four bytes, every read bounds-checked.
#include "resources/dialog_template.h"

#include "resources/byte_reader.h"

namespace uires {
namespace {

constexpr uint32_t kSetFont = 0x40;
constexpr uint16_t kMenuPopup = 0x10;
constexpr uint16_t kMenuEnd = 0x80;
constexpr int kMaxMenuDepth = 16;

NameOrOrdinal readNameOrOrdinal(ByteReader& reader) {
    NameOrOrdinal field;
    ByteReader peek = reader;
    uint16_t first = peek.u16();
    if (first == 0x0000) {
        reader.u16();
    } else if (first == 0xFFFF) {
        reader.u16();
        field.kind = NameOrOrdinal::Ordinal;
        field.ordinal = reader.u16();
    } else {
        field.kind = NameOrOrdinal::Text;
        field.text = reader.utf16z();
    }
    return field;
}

void readHeader(ByteReader& reader, DialogTemplate& dialog, uint16_t& count) {
    ByteReader peek = reader;
    peek.u16();
    dialog.extended = peek.u16() == 0xFFFF;
    if (dialog.extended) {
        dialog.version = reader.u16();
        dialog.signature = reader.u16();
        dialog.helpId = reader.u32();
        dialog.exStyle = reader.u32();
        dialog.style = reader.u32();
    } else {
        dialog.style = reader.u32();
        dialog.exStyle = reader.u32();
    }
    count = reader.u16();
    dialog.x = reader.i16();
    dialog.y = reader.i16();
    dialog.width = reader.i16();
    dialog.height = reader.i16();
    dialog.menu = readNameOrOrdinal(reader);
    dialog.windowClass = readNameOrOrdinal(reader);
    dialog.title = reader.utf16z();
}

void readFont(ByteReader& reader, DialogTemplate& dialog) {
    dialog.hasFont = (dialog.style & kSetFont) != 0;
    if (!dialog.hasFont) return;
    dialog.pointSize = reader.u16();
    if (dialog.extended) {
        dialog.weight = reader.u16();
        dialog.italic = reader.u8();
        dialog.charset = reader.u8();
    }
    dialog.faceName = reader.utf16z();
}

void readControl(ByteReader& reader, bool extended, DialogControl& control) {
    reader.align(4);
    if (extended) {
        control.helpId = reader.u32();
        control.exStyle = reader.u32();
        control.style = reader.u32();
    } else {
        control.style = reader.u32();
        control.exStyle = reader.u32();
    }
    control.x = reader.i16();
    control.y = reader.i16();
    control.width = reader.i16();
    control.height = reader.i16();
    control.id = extended ? static_cast<int32_t>(reader.u32()) : static_cast<int16_t>(reader.u16());
    control.windowClass = readNameOrOrdinal(reader);
    control.caption = readNameOrOrdinal(reader);
    uint16_t extraBytes = reader.u16();
    if (reader.remaining() < extraBytes) {
        reader.skip(extraBytes);  // marks the reader as failed
        return;
    }
    control.creationData.assign(reader.current(), reader.current() + extraBytes);
    reader.skip(extraBytes);
}

bool readMenuItems(ByteReader& reader, int depth, std::vector<MenuItem>& items, std::string& error) {
    if (depth > kMaxMenuDepth) {
        error = "menu nested deeper than " + std::to_string(kMaxMenuDepth) + " levels";
        return false;
    }
    for (;;) {
        MenuItem item;
        item.flags = reader.u16();
        if (!(item.flags & kMenuPopup)) item.id = reader.u16();
        item.text = reader.utf16z();
        if (reader.failed()) {
            error = "menu item " + std::to_string(items.size() + 1) + " at depth " + std::to_string(depth) +
                    ": truncated";
            return false;
        }
        if ((item.flags & kMenuPopup) && !readMenuItems(reader, depth + 1, item.children, error)) return false;
        items.push_back(std::move(item));
        if (items.back().flags & kMenuEnd) return true;
    }
}

}  // namespace

std::string DialogControl::className() const {
    if (windowClass.kind == NameOrOrdinal::Ordinal) {
        const char* name = predefinedClassName(windowClass.ordinal);
        return name ? name : "#" + std::to_string(windowClass.ordinal);
    }
    return windowClass.text;
}

const char* predefinedClassName(uint16_t atom) {
    static const char* const names[] = {"BUTTON", "EDIT", "STATIC", "LISTBOX", "SCROLLBAR", "COMBOBOX"};
    return atom >= 0x80 && atom <= 0x85 ? names[atom - 0x80] : nullptr;
}

bool decodeDialogTemplate(const uint8_t* data, size_t size, DialogTemplate& dialog, std::string& error) {
    dialog = DialogTemplate();
    ByteReader reader(data, size);
    uint16_t count = 0;
    readHeader(reader, dialog, count);
    readFont(reader, dialog);
    if (reader.failed()) {
        error = "dialog header: truncated";
        return false;
    }
    if (dialog.extended && dialog.version != 1) {
        error = "dialog header: extended template version " + std::to_string(dialog.version) + ", expected 1";
        return false;
    }
    for (uint16_t i = 0; i < count; ++i) {
        DialogControl control;
        readControl(reader, dialog.extended, control);
        if (reader.failed()) {
            error = "control " + std::to_string(i + 1) + " of " + std::to_string(count) + ": truncated";
            return false;
        }
        dialog.controls.push_back(std::move(control));
    }
    return true;
}

bool decodeMenuTemplate(const uint8_t* data, size_t size, MenuTemplate& menu, std::string& error) {
    menu = MenuTemplate();
    ByteReader reader(data, size);
    menu.version = reader.u16();
    menu.headerSize = reader.u16();
    if (reader.failed()) {
        error = "menu header: truncated";
        return false;
    }
    if (menu.version != 0) {
        error = "menu header: version " + std::to_string(menu.version) + " (extended menus are not read)";
        return false;
    }
    reader.skip(menu.headerSize);
    if (reader.failed()) {
        error = "menu header: offset past the end";
        return false;
    }
    return readMenuItems(reader, 0, menu.items, error);
}

}  // namespace uires
