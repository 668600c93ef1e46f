// Checks every dialog template and the menu the module carries, field by field, against the
// expected tables. The bytes come through getResourceData, so natively they are the embedded
// .res and under Wine they are the DLL's own resources.
#include <gtest/gtest.h>

#include <string>

#include <UIResource/UIResource.h>
#include "resources/dialog_template.h"
#include "tests/resources/expected_templates.h"

namespace {

constexpr uint16_t kMenuType = 4;
constexpr uint16_t kDialogType = 5;

struct Bytes {
    const uint8_t* data = nullptr;
    long size = 0;
};

Bytes fetchResource(uint16_t id, uint16_t type) {
    char* data = nullptr;
    long size = getResourceData(getResourceStringFromInt(id), getResourceStringFromInt(type), &data);
    return {reinterpret_cast<const uint8_t*>(data), size};
}

std::string captionOf(const uires::NameOrOrdinal& field) {
    return field.kind == uires::NameOrOrdinal::Ordinal ? "#" + std::to_string(field.ordinal) : field.text;
}

void expectHeader(const expected::Dialog& want, const uires::DialogTemplate& got) {
    EXPECT_EQ(got.extended, want.extended);
    if (want.extended) {
        EXPECT_EQ(got.version, 1);
        EXPECT_EQ(got.signature, 0xFFFF);
    }
    EXPECT_EQ(got.helpId, 0u);
    EXPECT_EQ(got.style, want.style) << std::hex << "0x" << got.style;
    EXPECT_EQ(got.exStyle, 0u);
    EXPECT_EQ(got.x, want.x);
    EXPECT_EQ(got.y, want.y);
    EXPECT_EQ(got.width, want.width);
    EXPECT_EQ(got.height, want.height);
    EXPECT_EQ(got.menu.kind, uires::NameOrOrdinal::None) << "a dialog with a menu";
    EXPECT_EQ(got.windowClass.kind, uires::NameOrOrdinal::None) << "not the system's dialog class";
    EXPECT_EQ(got.title, want.title);
}

void expectFont(const expected::Dialog& want, const uires::DialogTemplate& got) {
    ASSERT_TRUE(got.hasFont);
    EXPECT_EQ(got.pointSize, want.font.pointSize);
    EXPECT_EQ(got.faceName, want.font.faceName);
    EXPECT_EQ(got.weight, want.font.weight);
    EXPECT_EQ(got.italic, want.font.italic);
    EXPECT_EQ(got.charset, want.font.charset);
}

void expectControl(const expected::Control& want, const uires::DialogControl& got) {
    EXPECT_EQ(got.id, want.id);
    EXPECT_EQ(got.windowClass.kind, uires::NameOrOrdinal::Ordinal) << "class stored as text: " << got.className();
    EXPECT_EQ(got.windowClass.ordinal, want.classAtom);
    EXPECT_EQ(got.style, want.style) << std::hex << "0x" << got.style << " against 0x" << want.style;
    EXPECT_EQ(got.exStyle, 0u);
    EXPECT_EQ(got.helpId, 0u);
    EXPECT_EQ(captionOf(got.caption), want.caption);
    if (want.caption[0] == '\0') {
        EXPECT_EQ(got.caption.kind, uires::NameOrOrdinal::None);
    }
    EXPECT_EQ(got.x, want.x);
    EXPECT_EQ(got.y, want.y);
    EXPECT_EQ(got.width, want.width);
    EXPECT_EQ(got.height, want.height);
    EXPECT_TRUE(got.creationData.empty());
}

class TemplateContents : public testing::TestWithParam<uint16_t> {};

TEST_P(TemplateContents, MatchesTheExpectedTableRowByRow) {
    const expected::Dialog* want = expected::findDialog(GetParam());
    ASSERT_NE(want, nullptr);
    Bytes bytes = fetchResource(want->id, kDialogType);
    ASSERT_GT(bytes.size, 0) << "template " << want->id << " missing";
    uires::DialogTemplate got;
    std::string error;
    ASSERT_TRUE(uires::decodeDialogTemplate(bytes.data, static_cast<size_t>(bytes.size), got, error)) << error;
    expectHeader(*want, got);
    expectFont(*want, got);
    ASSERT_EQ(got.controls.size(), want->controls.size());
    for (size_t i = 0; i < want->controls.size(); ++i) {
        SCOPED_TRACE("control " + std::to_string(i + 1) + " (id " + std::to_string(want->controls[i].id) + ")");
        expectControl(want->controls[i], got.controls[i]);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryTemplate, TemplateContents, testing::Values(101, 102, 105, 109, 119, 121, 122),
                         [](const testing::TestParamInfo<uint16_t>& info) {
                             return "Template" + std::to_string(info.param);
                         });

TEST(MenuContents, ResizePopUpHoldsSixPlainItemsInOrder) {
    const expected::Menu& want = expected::resizeMenu();
    Bytes bytes = fetchResource(want.id, kMenuType);
    ASSERT_GT(bytes.size, 0) << "menu 104 missing";
    uires::MenuTemplate got;
    std::string error;
    ASSERT_TRUE(uires::decodeMenuTemplate(bytes.data, static_cast<size_t>(bytes.size), got, error)) << error;
    EXPECT_EQ(got.version, 0);
    EXPECT_EQ(got.headerSize, 0);
    ASSERT_EQ(got.items.size(), 1u) << "the menu bar holds one pop-up";
    const uires::MenuItem& popup = got.items[0];
    EXPECT_EQ(popup.text, want.popupCaption);
    EXPECT_EQ(popup.flags, MF_POPUP | MF_END);
    ASSERT_EQ(popup.children.size(), want.items.size());
    for (size_t i = 0; i < want.items.size(); ++i) {
        SCOPED_TRACE("item " + std::to_string(i + 1));
        const uires::MenuItem& item = popup.children[i];
        EXPECT_EQ(item.id, want.items[i].id);
        EXPECT_EQ(item.text, want.items[i].caption);
        // Enabled, unchecked, no separator: only the last item's MF_END may be set.
        EXPECT_EQ(item.flags, i + 1 == want.items.size() ? MF_END : MF_STRING);
        EXPECT_TRUE(item.children.empty());
    }
}

}  // namespace
