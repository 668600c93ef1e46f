// Truncated, oversized, self-referencing and garbage input to the .res reader and the dialog and
// menu template decoders: each is refused with a message that says what is wrong, and no read
// leaves the buffer (the sanitized build checks that, since every input sits in a buffer of its
// exact size).
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include <UIResource/UIResource.h>
#include "resources/dialog_template.h"
#include "resources/res_file.h"
#include "resources/resource_ids.h"

namespace {

using Bytes = std::vector<uint8_t>;
constexpr uint16_t kMenuType = 4;
constexpr uint16_t kDialogType = 5;

Bytes moduleResource(uint16_t id, uint16_t type) {
    char* data = nullptr;
    long size = getResourceData(getResourceStringFromInt(id), getResourceStringFromInt(type), &data);
    return size > 0 ? Bytes(data, data + size) : Bytes();
}

void put16(Bytes& out, uint32_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

void put32(Bytes& out, uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

// A .res entry with ordinal type and name, a 32-byte header claiming `headerSize` and `dataSize`.
Bytes resEntry(uint16_t type, uint16_t name, const Bytes& data, uint32_t headerSize = 32, uint32_t dataSize = ~0u) {
    Bytes out;
    put32(out, dataSize == ~0u ? static_cast<uint32_t>(data.size()) : dataSize);
    put32(out, headerSize);
    put16(out, 0xFFFF), put16(out, type), put16(out, 0xFFFF), put16(out, name);
    put32(out, 0), put16(out, 0x1030), put16(out, 0x409), put32(out, 0), put32(out, 0);
    out.insert(out.end(), data.begin(), data.end());
    while (out.size() % 4 != 0) out.push_back(0);
    return out;
}

Bytes concat(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// What each decoder says about the bytes: empty when it accepts them.
std::string resError(const Bytes& bytes) {
    std::vector<uires::ResourceEntry> entries;
    std::string error;
    bool ok = uires::parseResFile(bytes.data(), bytes.size(), entries, error);
    return ok ? std::string() : error.empty() ? "(refused without a message)" : error;
}

std::string dialogError(const Bytes& bytes) {
    uires::DialogTemplate dialog;
    std::string error;
    bool ok = uires::decodeDialogTemplate(bytes.data(), bytes.size(), dialog, error);
    return ok ? std::string() : error.empty() ? "(refused without a message)" : error;
}

std::string menuError(const Bytes& bytes) {
    uires::MenuTemplate menu;
    std::string error;
    bool ok = uires::decodeMenuTemplate(bytes.data(), bytes.size(), menu, error);
    return ok ? std::string() : error.empty() ? "(refused without a message)" : error;
}

// Every strict prefix of `whole`, each in a buffer of its own exact size.
template <typename Decode>
void expectEveryPrefixRefused(const Bytes& whole, Decode decode, const std::string& what) {
    for (size_t length = 0; length < whole.size(); ++length) {
        std::string error = decode(Bytes(whole.begin(), whole.begin() + length));
        EXPECT_FALSE(error.empty()) << what << " cut to " << length << " bytes was accepted";
        EXPECT_EQ(error.find("without a message"), std::string::npos) << what << " cut to " << length;
    }
}

const uint16_t kDialogIds[] = {IDD_NAME_ENTRY, IDD_LIST_SELECTION, IDD_MATERIAL_PROPERTIES, IDD_EDIT_MESH,
                               IDD_EDIT_TRANSLATOR, IDD_REMOTE_UPDATER, IDD_EXIT_APPLICATION};

TEST(TruncatedInput, EveryCutOfTheModuleTemplatesIsRefusedWithAMessage) {
    for (uint16_t id : kDialogIds) {
        Bytes dialog = moduleResource(id, kDialogType);
        ASSERT_FALSE(dialog.empty()) << "dialog " << id;
        EXPECT_EQ(dialogError(dialog), "") << "dialog " << id;
        expectEveryPrefixRefused(dialog, dialogError, "dialog " + std::to_string(id));
    }
    Bytes menu = moduleResource(IDR_RESIZE_MENU, kMenuType);
    ASSERT_FALSE(menu.empty());
    EXPECT_EQ(menuError(menu), "");
    expectEveryPrefixRefused(menu, menuError, "menu 104");
}

TEST(TruncatedInput, EveryCutOfAResFileInsideAnEntryIsRefusedWithAMessage) {
    Bytes dialog = moduleResource(IDD_MATERIAL_PROPERTIES, kDialogType);
    Bytes res = concat(resEntry(0, 0, {}), resEntry(kDialogType, IDD_MATERIAL_PROPERTIES, dialog));
    EXPECT_EQ(resError(res), "");
    // A cut at an entry boundary leaves whole entries (the empty leader alone is a valid file, no
    // bytes at all are not), and the last entry may lack its padding.
    size_t dataEnd = 32 + 32 + dialog.size();
    for (size_t length = 0; length < dataEnd; ++length) {
        if (length == 32) continue;
        EXPECT_FALSE(resError(Bytes(res.begin(), res.begin() + length)).empty()) << "cut to " << length;
    }
}

TEST(OversizedInput, CountsAndSizesBeyondTheDataAreRefusedAndNamed) {
    Bytes dialog = moduleResource(IDD_MATERIAL_PROPERTIES, kDialogType);
    ASSERT_GE(dialog.size(), 10u);
    size_t countOffset = dialog[2] == 0xFF && dialog[3] == 0xFF ? 16 : 8;
    dialog[countOffset] = 0xFF, dialog[countOffset + 1] = 0xFF;
    EXPECT_NE(dialogError(dialog).find("of 65535: truncated"), std::string::npos) << dialogError(dialog);

    EXPECT_NE(menuError({0, 0, 0xFF, 0xFF, 0, 0}).find("past the end"), std::string::npos);
    EXPECT_NE(resError(resEntry(5, 1, {1, 2, 3, 4}, 32, 0xFFFFFFFF - 1)).find("past the end"), std::string::npos);
    EXPECT_NE(resError(resEntry(5, 1, {1, 2, 3, 4}, 0xFFFFFFFF)).find("past the end"), std::string::npos);
}

TEST(SelfReferencingInput, HeadersPointingBackIntoThemselvesAndEndlessNestingAreRefused) {
    EXPECT_NE(resError(resEntry(5, 1, {}, 8)).find("malformed header"), std::string::npos);
    EXPECT_NE(resError(resEntry(5, 1, {}, 0)).find("malformed header"), std::string::npos);

    Bytes menu = {0, 0, 0, 0};
    for (int depth = 0; depth < 40; ++depth) put16(menu, 0x10), put16(menu, 'a'), put16(menu, 0);
    EXPECT_NE(menuError(menu).find("nested deeper"), std::string::npos) << menuError(menu);
}

TEST(GarbageInput, RandomBytesAreDecodedOrRefusedWithAMessage) {
    std::mt19937 random(20261205);
    for (int round = 0; round < 3000; ++round) {
        Bytes bytes(random() % 300);
        for (uint8_t& byte : bytes) byte = static_cast<uint8_t>(random() % 4 == 0 ? 0xFF : random());
        EXPECT_EQ(resError(bytes).find("without a message"), std::string::npos) << "round " << round;
        EXPECT_EQ(dialogError(bytes).find("without a message"), std::string::npos) << "round " << round;
        EXPECT_EQ(menuError(bytes).find("without a message"), std::string::npos) << "round " << round;
    }
}

}  // namespace
