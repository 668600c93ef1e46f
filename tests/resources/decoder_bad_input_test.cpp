// Feeds the template, menu and .res decoders truncated, inconsistent and random bytes: each must
// answer with an error that says where, and never read past its buffer.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "module/UIResource.h"
#include "resources/dialog_template.h"
#include "resources/res_file.h"

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

void putU32(Buffer& buffer, uint32_t value) {
    putU16(buffer, static_cast<uint16_t>(value));
    putU16(buffer, static_cast<uint16_t>(value >> 16));
}

void setU16(Buffer& buffer, size_t offset, uint16_t value) {
    buffer[offset] = static_cast<uint8_t>(value);
    buffer[offset + 1] = static_cast<uint8_t>(value >> 8);
}

void setU32(Buffer& buffer, size_t offset, uint32_t value) {
    setU16(buffer, offset, static_cast<uint16_t>(value));
    setU16(buffer, offset + 2, static_cast<uint16_t>(value >> 16));
}

// Every decoder must give the same kind of answer: success, or failure with a message.
bool decodesDialog(const Buffer& bytes, size_t size, std::string& error) {
    uires::DialogTemplate dialog;
    error.clear();
    bool ok = uires::decodeDialogTemplate(bytes.data(), size, dialog, error);
    EXPECT_TRUE(ok || !error.empty()) << "failed without saying why";
    return ok;
}

bool decodesMenu(const Buffer& bytes, size_t size, std::string& error) {
    uires::MenuTemplate menu;
    error.clear();
    bool ok = uires::decodeMenuTemplate(bytes.data(), size, menu, error);
    EXPECT_TRUE(ok || !error.empty()) << "failed without saying why";
    return ok;
}

bool parsesRes(const Buffer& bytes, std::string& error) {
    std::vector<uires::ResourceEntry> entries;
    error.clear();
    bool ok = uires::parseResFile(bytes.data(), bytes.size(), entries, error);
    EXPECT_TRUE(ok || !error.empty()) << "failed without saying why";
    return ok;
}

// ---- dialog templates ----

TEST(DialogDecoderBadInput, EveryTruncationOfEveryTemplateIsAnError) {
    for (uint16_t id : {101, 102, 105, 109, 119, 121, 122}) {
        Buffer bytes = dialogBytes(id);
        ASSERT_FALSE(bytes.empty()) << "template " << id;
        std::string error;
        ASSERT_TRUE(decodesDialog(bytes, bytes.size(), error)) << error;
        for (size_t size = 0; size < bytes.size(); ++size) {
            // A copy of exactly `size` bytes, so that the address sanitizer sees any overread.
            Buffer cut(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size));
            EXPECT_FALSE(decodesDialog(cut, cut.size(), error)) << "template " << id << " cut to " << size;
        }
    }
}

TEST(DialogDecoderBadInput, ErrorNamesTheHeaderOrTheControlThatIsCut) {
    Buffer bytes = dialogBytes(109);
    std::string error;
    EXPECT_FALSE(decodesDialog(bytes, 10, error));
    EXPECT_NE(error.find("dialog header"), std::string::npos) << error;
    EXPECT_FALSE(decodesDialog(bytes, bytes.size() - 1, error));
    EXPECT_NE(error.find("control 41 of 41"), std::string::npos) << error;
}

TEST(DialogDecoderBadInput, MoreControlsClaimedThanPresentIsAnError) {
    Buffer bytes = dialogBytes(105);  // classic: style, extended style, then the control count
    setU16(bytes, 8, 60000);
    std::string error;
    EXPECT_FALSE(decodesDialog(bytes, bytes.size(), error));
    EXPECT_NE(error.find("control 2 of 60000"), std::string::npos) << error;
}

TEST(DialogDecoderBadInput, ExtendedTemplateOfAnotherVersionIsRefused) {
    Buffer bytes = dialogBytes(119);
    setU16(bytes, 0, 2);
    std::string error;
    EXPECT_FALSE(decodesDialog(bytes, bytes.size(), error));
    EXPECT_NE(error.find("version 2"), std::string::npos) << error;
}

TEST(DialogDecoderBadInput, CreationDataRunningPastTheEndIsAnError) {
    Buffer bytes = dialogBytes(105);  // one control; its creation-data size is the last word
    setU16(bytes, bytes.size() - 2, 0x4000);
    std::string error;
    EXPECT_FALSE(decodesDialog(bytes, bytes.size(), error));
    EXPECT_NE(error.find("control 1 of 1"), std::string::npos) << error;
}

TEST(DialogDecoderBadInput, RandomBytesAndCorruptedTemplatesNeverCrash) {
    std::mt19937 random(20261205);
    std::vector<Buffer> seeds = {dialogBytes(109), dialogBytes(119), dialogBytes(122)};
    std::string error;
    for (int round = 0; round < 3000; ++round) {
        Buffer bytes = seeds[round % seeds.size()];
        for (int flips = 0; flips < 1 + round % 8; ++flips) bytes[random() % bytes.size()] = random() & 0xFF;
        bytes.resize(random() % (bytes.size() + 1));
        decodesDialog(bytes, bytes.size(), error);
        Buffer noise(random() % 300);
        for (uint8_t& byte : noise) byte = random() & 0xFF;
        decodesDialog(noise, noise.size(), error);
    }
}

// ---- menu templates ----

// A standard menu of `depth` pop-ups, each inside the one before, ending in one string item.
Buffer nestedMenu(int depth, bool withEnds) {
    Buffer bytes;
    putU32(bytes, 0);  // version 0, header offset 0
    for (int level = 0; level < depth; ++level) {
        putU16(bytes, MF_POPUP | (withEnds ? MF_END : 0));
        putU16(bytes, 'P');
        putU16(bytes, 0);
    }
    putU16(bytes, withEnds ? MF_END : 0);
    putU16(bytes, 40001);
    putU16(bytes, 'x');
    putU16(bytes, 0);
    return bytes;
}

TEST(MenuDecoderBadInput, EveryTruncationOfTheResizeMenuIsAnError) {
    Buffer bytes = menuBytes();
    ASSERT_FALSE(bytes.empty());
    std::string error;
    ASSERT_TRUE(decodesMenu(bytes, bytes.size(), error)) << error;
    for (size_t size = 0; size < bytes.size(); ++size) {
        Buffer cut(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size));
        EXPECT_FALSE(decodesMenu(cut, cut.size(), error)) << "menu cut to " << size;
    }
}

TEST(MenuDecoderBadInput, ShallowNestingDecodesAndDeepNestingIsRefused) {
    std::string error;
    Buffer shallow = nestedMenu(3, true);
    EXPECT_TRUE(decodesMenu(shallow, shallow.size(), error)) << error;
    Buffer deep = nestedMenu(100000, true);  // would exhaust the stack if followed blindly
    EXPECT_FALSE(decodesMenu(deep, deep.size(), error));
    EXPECT_NE(error.find("nested"), std::string::npos) << error;
}

TEST(MenuDecoderBadInput, ItemsWithoutAnEndMarkAreAnError) {
    Buffer bytes = nestedMenu(1, false);
    std::string error;
    EXPECT_FALSE(decodesMenu(bytes, bytes.size(), error));
    EXPECT_NE(error.find("truncated"), std::string::npos) << error;
}

TEST(MenuDecoderBadInput, ExtendedMenusAndOffsetsPastTheEndAreRefused) {
    std::string error;
    Buffer extended = menuBytes();
    setU16(extended, 0, 1);
    EXPECT_FALSE(decodesMenu(extended, extended.size(), error));
    EXPECT_NE(error.find("version 1"), std::string::npos) << error;
    Buffer offset = menuBytes();
    setU16(offset, 2, 0xFFFF);
    EXPECT_FALSE(decodesMenu(offset, offset.size(), error));
    EXPECT_NE(error.find("offset"), std::string::npos) << error;
}

TEST(MenuDecoderBadInput, RandomBytesAndCorruptedMenusNeverCrash) {
    std::mt19937 random(104);
    Buffer seed = menuBytes();
    std::string error;
    for (int round = 0; round < 3000; ++round) {
        Buffer bytes = seed;
        for (int flips = 0; flips < 1 + round % 6; ++flips) bytes[random() % bytes.size()] = random() & 0xFF;
        bytes.resize(random() % (bytes.size() + 1));
        decodesMenu(bytes, bytes.size(), error);
    }
}

// ---- .res files ----

// A .res image: the empty leading entry, then one entry per (type id, name id, data).
struct ResEntrySpec {
    uint16_t type;
    uint16_t name;
    Buffer data;
};

void appendResEntry(Buffer& out, const ResEntrySpec& entry, uint16_t language) {
    putU32(out, static_cast<uint32_t>(entry.data.size()));
    putU32(out, 32);  // header size: sizes, two ordinals, version, flags, language, two more
    putU16(out, 0xFFFF);
    putU16(out, entry.type);
    putU16(out, 0xFFFF);
    putU16(out, entry.name);
    putU32(out, 0);
    putU16(out, 0x1030);
    putU16(out, language);
    putU32(out, 0);
    putU32(out, 0);
    out.insert(out.end(), entry.data.begin(), entry.data.end());
    while (out.size() % 4) out.push_back(0);
}

Buffer resImage(const std::vector<ResEntrySpec>& entries) {
    Buffer out;
    appendResEntry(out, {0, 0, {}}, 0);
    for (const ResEntrySpec& entry : entries) appendResEntry(out, entry, 1033);
    return out;
}

constexpr size_t kFirstEntry = 32;  // offset of the first real entry, after the empty one

TEST(ResDecoderBadInput, WellFormedImageParses) {
    Buffer image = resImage({{5, 101, dialogBytes(101)}, {4, 104, menuBytes()}});
    std::vector<uires::ResourceEntry> entries;
    std::string error;
    ASSERT_TRUE(uires::parseResFile(image.data(), image.size(), entries, error)) << error;
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[1].name.id, 104);
    EXPECT_EQ(entries[1].language, 1033);
    EXPECT_EQ(entries[1].size, menuBytes().size());
}

TEST(ResDecoderBadInput, HeaderSizeRunningPastTheEndIsAnError) {
    Buffer image = resImage({{5, 101, dialogBytes(101)}});
    std::string error;
    for (uint32_t headerSize : {0xFFFFFFF0u, 0x80000000u, static_cast<uint32_t>(image.size())}) {
        Buffer bad = image;
        setU32(bad, kFirstEntry + 4, headerSize);
        EXPECT_FALSE(parsesRes(bad, error)) << "header size " << headerSize;
        EXPECT_NE(error.find("offset 32"), std::string::npos) << error;
    }
}

TEST(ResDecoderBadInput, HeaderSmallerThanItsFieldsIsAnError) {
    Buffer image = resImage({{5, 101, dialogBytes(101)}});
    setU32(image, kFirstEntry + 4, 8);
    std::string error;
    EXPECT_FALSE(parsesRes(image, error));
    EXPECT_NE(error.find("header"), std::string::npos) << error;
}

TEST(ResDecoderBadInput, DataRunningPastTheEndIsAnError) {
    Buffer image = resImage({{5, 101, dialogBytes(101)}});
    std::string error;
    for (uint32_t dataSize : {0xFFFFFFFFu, static_cast<uint32_t>(image.size())}) {
        Buffer bad = image;
        setU32(bad, kFirstEntry, dataSize);
        EXPECT_FALSE(parsesRes(bad, error)) << "data size " << dataSize;
        EXPECT_NE(error.find("past the end"), std::string::npos) << error;
    }
}

TEST(ResDecoderBadInput, TruncatedAndRandomImagesNeverCrash) {
    Buffer image = resImage({{5, 101, dialogBytes(101)}, {4, 104, menuBytes()}});
    std::string error;
    for (size_t size = 0; size < image.size(); ++size) {
        parsesRes(Buffer(image.begin(), image.begin() + static_cast<std::ptrdiff_t>(size)), error);
    }
    std::mt19937 random(1033);
    for (int round = 0; round < 2000; ++round) {
        Buffer bad = image;
        for (int flips = 0; flips < 1 + round % 4; ++flips) bad[random() % 96] = random() & 0xFF;
        parsesRes(bad, error);
    }
}

}  // namespace
