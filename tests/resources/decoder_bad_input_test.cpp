// Feeds the template and menu decoders inconsistent copies of the module's own resources: each
// must answer with an error that says where, and never read past its buffer. (Truncation at every
// length, random bytes and random mutations are the robustness tests' and the fuzz targets' part.)
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <UIResource/UIResource.h>
#include "platform/win32_types.h"
#include "resources/dialog_template.h"

namespace {

using Buffer = std::vector<uint8_t>;

Buffer copyResource(uint16_t id, uint16_t type) {
    char* data = nullptr;
    long size = getResourceData(getResourceStringFromInt(id), getResourceStringFromInt(type), &data);
    const uint8_t* bytes = reinterpret_cast<const uint8_t*>(data);
    return size > 0 ? Buffer(bytes, bytes + size) : Buffer();
}

void setU16(Buffer& buffer, size_t offset, uint16_t value) {
    buffer[offset] = static_cast<uint8_t>(value);
    buffer[offset + 1] = static_cast<uint8_t>(value >> 8);
}

// The decoder's message for bytes it must refuse; the buffer is exactly `bytes`, so overreads show.
std::string dialogError(const Buffer& bytes) {
    uires::DialogTemplate dialog;
    std::string error;
    EXPECT_FALSE(uires::decodeDialogTemplate(bytes.data(), bytes.size(), dialog, error));
    return error;
}

std::string menuError(const Buffer& bytes) {
    uires::MenuTemplate menu;
    std::string error;
    EXPECT_FALSE(uires::decodeMenuTemplate(bytes.data(), bytes.size(), menu, error));
    return error;
}

TEST(DialogDecoderBadInput, ErrorNamesTheHeaderOrTheControlThatIsWrong) {
    Buffer editMesh = copyResource(109, 5);
    EXPECT_NE(dialogError(Buffer(editMesh.begin(), editMesh.begin() + 10)).find("dialog header"), std::string::npos);
    editMesh.pop_back();
    EXPECT_NE(dialogError(editMesh).find("control 41 of 41"), std::string::npos);
    Buffer translator = copyResource(119, 5);
    setU16(translator, 0, 2);  // an extended template of another version
    EXPECT_NE(dialogError(translator).find("version 2"), std::string::npos);
    Buffer material = copyResource(105, 5);  // one control; its creation-data size is the last word
    setU16(material, material.size() - 2, 0x4000);
    EXPECT_NE(dialogError(material).find("control 1 of 1"), std::string::npos);
}

TEST(MenuDecoderBadInput, ItemsWithoutAnEndMarkAndExtendedMenusAreRefused) {
    Buffer items = {0, 0, 0, 0};  // version, header offset
    for (uint8_t id : {0x41, 0x42}) items.insert(items.end(), {MF_STRING, 0, id, 0x9C, 'x', 0, 0, 0});  // no MF_END
    EXPECT_NE(menuError(items).find("menu item 3 at depth 0: truncated"), std::string::npos) << menuError(items);
    Buffer extended = copyResource(104, 4);
    setU16(extended, 0, 1);
    EXPECT_NE(menuError(extended).find("version 1"), std::string::npos);
}

}  // namespace
