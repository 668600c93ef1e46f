// Feeds the template and menu decoders inconsistent and corrupted copies of the module's own
// resources: each must answer with an error that says where, and never read past its buffer.
// (Plain truncation and random bytes are covered by the decoder robustness tests.)
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "module/UIResource.h"
#include "resources/dialog_template.h"

namespace {

using Buffer = std::vector<uint8_t>;

Buffer copyResource(uint16_t id, uint16_t type) {
    char* data = nullptr;
    long size = getResourceData(getResourceStringFromInt(id), getResourceStringFromInt(type), &data);
    const uint8_t* bytes = reinterpret_cast<const uint8_t*>(data);
    return size > 0 ? Buffer(bytes, bytes + size) : Buffer();
}

Buffer dialogBytes(uint16_t id) { return copyResource(id, 5); }
Buffer menuBytes() { return copyResource(104, 4); }

void putU16(Buffer& buffer, uint16_t value) {
    buffer.push_back(static_cast<uint8_t>(value));
    buffer.push_back(static_cast<uint8_t>(value >> 8));
}

void setU16(Buffer& buffer, size_t offset, uint16_t value) {
    buffer[offset] = static_cast<uint8_t>(value);
    buffer[offset + 1] = static_cast<uint8_t>(value >> 8);
}

// Success, or failure with a message; the buffer is exactly `bytes`, so overreads show.
bool decodesDialog(const Buffer& bytes, std::string& error) {
    uires::DialogTemplate dialog;
    error.clear();
    bool ok = uires::decodeDialogTemplate(bytes.data(), bytes.size(), dialog, error);
    EXPECT_TRUE(ok || !error.empty()) << "failed without saying why";
    return ok;
}

bool decodesMenu(const Buffer& bytes, std::string& error) {
    uires::MenuTemplate menu;
    error.clear();
    bool ok = uires::decodeMenuTemplate(bytes.data(), bytes.size(), menu, error);
    EXPECT_TRUE(ok || !error.empty()) << "failed without saying why";
    return ok;
}

// Copies of `seed` with a few bytes overwritten and the end cut at random.
template <typename Decode>
void decodeCorruptedCopies(const Buffer& seed, unsigned seedValue, Decode decode) {
    ASSERT_FALSE(seed.empty());
    std::mt19937 random(seedValue);
    std::string error;
    for (int round = 0; round < 3000; ++round) {
        Buffer bytes = seed;
        for (int flips = 0; flips < 1 + round % 8; ++flips) bytes[random() % bytes.size()] = random() & 0xFF;
        bytes.resize(random() % (bytes.size() + 1));
        decode(bytes, error);
    }
}

TEST(DialogDecoderBadInput, ErrorNamesTheHeaderOrTheControlThatIsCut) {
    Buffer bytes = dialogBytes(109);
    std::string error;
    EXPECT_FALSE(decodesDialog(Buffer(bytes.begin(), bytes.begin() + 10), error));
    EXPECT_NE(error.find("dialog header"), std::string::npos) << error;
    bytes.pop_back();
    EXPECT_FALSE(decodesDialog(bytes, error));
    EXPECT_NE(error.find("control 41 of 41"), std::string::npos) << error;
}

TEST(DialogDecoderBadInput, ExtendedTemplateOfAnotherVersionIsRefused) {
    Buffer bytes = dialogBytes(119);
    setU16(bytes, 0, 2);
    std::string error;
    EXPECT_FALSE(decodesDialog(bytes, error));
    EXPECT_NE(error.find("version 2"), std::string::npos) << error;
}

TEST(DialogDecoderBadInput, CreationDataRunningPastTheEndIsAnError) {
    Buffer bytes = dialogBytes(105);  // one control; its creation-data size is the last word
    setU16(bytes, bytes.size() - 2, 0x4000);
    std::string error;
    EXPECT_FALSE(decodesDialog(bytes, error));
    EXPECT_NE(error.find("control 1 of 1"), std::string::npos) << error;
}

TEST(DialogDecoderBadInput, CorruptedTemplatesAreDecodedOrRefusedWithAMessage) {
    decodeCorruptedCopies(dialogBytes(109), 109, decodesDialog);
    decodeCorruptedCopies(dialogBytes(119), 119, decodesDialog);
    decodeCorruptedCopies(dialogBytes(122), 122, decodesDialog);
}

TEST(MenuDecoderBadInput, ItemsWithoutAnEndMarkAreAnError) {
    Buffer bytes;
    putU16(bytes, 0);  // version
    putU16(bytes, 0);  // header offset
    for (uint16_t id : {40001, 40002}) {
        putU16(bytes, MF_STRING);  // no MF_END anywhere
        putU16(bytes, id);
        putU16(bytes, 'x');
        putU16(bytes, 0);
    }
    std::string error;
    EXPECT_FALSE(decodesMenu(bytes, error));
    EXPECT_NE(error.find("menu item 3 at depth 0: truncated"), std::string::npos) << error;
}

TEST(MenuDecoderBadInput, ExtendedMenusAreRefused) {
    Buffer bytes = menuBytes();
    setU16(bytes, 0, 1);
    std::string error;
    EXPECT_FALSE(decodesMenu(bytes, error));
    EXPECT_NE(error.find("version 1"), std::string::npos) << error;
}

TEST(MenuDecoderBadInput, CorruptedMenusAreDecodedOrRefusedWithAMessage) {
    decodeCorruptedCopies(menuBytes(), 104, decodesMenu);
}

}  // namespace
