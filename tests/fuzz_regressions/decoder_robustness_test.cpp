// Truncated, oversized and self-referencing input to the .res reader and the dialog and menu
// template decoders: each is refused with a message that says what is wrong, and no read leaves
// the buffer (the sanitized build checks that, since every input sits in a buffer of its exact
// size). Random bytes are the fuzz targets' work, which hold the decoders to the same promise.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include <UIResource/UIResource.h>
#include "resources/dialog_template.h"
#include "resources/module_resources.h"
#include "resources/res_file.h"

namespace {

using uires::kDialogType;
using Bytes = std::vector<uint8_t>;
const char kSilent[] = "(refused without a message)";

Bytes moduleResource(uint16_t id, uint16_t type) {
    char* data = nullptr;
    long size = getResourceData(getResourceStringFromInt(id), getResourceStringFromInt(type), &data);
    return size > 0 ? Bytes(data, data + size) : Bytes();
}

void put16(Bytes& out, uint32_t value) { out.insert(out.end(), {uint8_t(value), uint8_t(value >> 8)}); }
void put32(Bytes& out, uint32_t value) { put16(out, value & 0xFFFF), put16(out, value >> 16); }

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

// What a decoder says about the bytes: empty when it accepts them.
template <typename Decoded>
std::string errorOf(bool (*decode)(const uint8_t*, size_t, Decoded&, std::string&), const Bytes& bytes) {
    Decoded decoded;
    std::string error;
    if (decode(bytes.data(), bytes.size(), decoded, error)) return "";
    return error.empty() ? kSilent : error;
}
std::string resError(const Bytes& bytes) { return errorOf(uires::parseResFile, bytes); }
std::string dialogError(const Bytes& bytes) { return errorOf(uires::decodeDialogTemplate, bytes); }
std::string menuError(const Bytes& bytes) { return errorOf(uires::decodeMenuTemplate, bytes); }

// The whole of `bytes` is accepted and every strict prefix, each in a buffer of its own exact
// size, is refused with a message; a .res file may also end after a whole entry (`ends`).
template <typename Error>
void expectOnlyTheWholeAccepted(const Bytes& bytes, Error error, const std::string& what, size_t ends = 0) {
    EXPECT_EQ(error(bytes), "") << what;
    for (size_t length = 0; length < bytes.size(); ++length) {
        if (length == ends && length > 0) continue;
        std::string refusal = error(Bytes(bytes.begin(), bytes.begin() + length));
        EXPECT_NE(refusal, "") << what << " cut to " << length << " bytes was accepted";
        EXPECT_NE(refusal, kSilent) << what << " cut to " << length;
    }
}

TEST(TruncatedInput, EveryCutOfTheModuleTemplatesAndOfAResFileIsRefusedWithAMessage) {
    for (const uires::ModuleResource& resource : uires::kModuleResources) {
        if (resource.kind == uires::ResourceKind::Data) continue;
        Bytes bytes = moduleResource(resource.id, uires::resourceTypeOf(resource).id);
        std::string what = std::string(resource.name) + " " + std::to_string(resource.id);
        ASSERT_FALSE(bytes.empty()) << what;
        if (resource.kind == uires::ResourceKind::Dialog) expectOnlyTheWholeAccepted(bytes, dialogError, what);
        else expectOnlyTheWholeAccepted(bytes, menuError, what);
    }
    // The empty leading entry alone is a valid file, and the last entry may lack its padding.
    Bytes dialog = moduleResource(IDD_MATERIAL_PROPERTIES, kDialogType);
    Bytes res = resEntry(0, 0, {});
    Bytes entry = resEntry(kDialogType, IDD_MATERIAL_PROPERTIES, dialog);
    res.insert(res.end(), entry.begin(), entry.begin() + 32 + dialog.size());
    expectOnlyTheWholeAccepted(res, resError, ".res", 32);
}

TEST(BadInput, OversizedAndSelfReferencingInputIsRefusedAndTheFaultNamed) {
    Bytes dialog = moduleResource(IDD_MATERIAL_PROPERTIES, kDialogType);
    ASSERT_GE(dialog.size(), 10u);
    size_t countOffset = dialog[2] == 0xFF && dialog[3] == 0xFF ? 16 : 8;
    dialog[countOffset] = 0xFF, dialog[countOffset + 1] = 0xFF;
    Bytes nested = {0, 0, 0, 0};
    for (int depth = 0; depth < 40; ++depth) put16(nested, 0x10), put16(nested, 'a'), put16(nested, 0);
    const char* pastTheEnd = "resource entry at offset 0 (5 1): data runs past the end of the file";
    const char* badHeader = "resource entry at offset 0: truncated or malformed header";
    const std::pair<std::string, const char*> refusals[] = {
        {dialogError(dialog), "control 2 of 65535: truncated"},
        {menuError({0, 0, 0xFF, 0xFF, 0, 0}), "menu header: offset past the end"},
        {menuError(nested), "menu nested deeper than 16 levels"},
        {resError(resEntry(5, 1, {1, 2, 3, 4}, 32, 0xFFFFFFFF - 1)), pastTheEnd},
        {resError(resEntry(5, 1, {1, 2, 3, 4}, 0xFFFFFFFF)), pastTheEnd},
        {resError(resEntry(5, 1, {}, 8)), badHeader},
        {resError(resEntry(5, 1, {}, 0)), badHeader}};
    for (const auto& [error, expected] : refusals) EXPECT_EQ(error, expected);
}

}  // namespace
