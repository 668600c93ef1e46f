// Checks the compiled resource file the build embeds: exactly the expected catalogue, in English
// (United States), and the library serving those very bytes.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <UIResource/UIResource.h>
#include "resources/res_file.h"
#include "tests/resources/expected_templates.h"

namespace {

std::vector<uint8_t> readResFile() {
    std::ifstream file(UIRESOURCE_RES_FILE, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

class CompiledCatalogue : public testing::Test {
protected:
    void SetUp() override {
        bytes_ = readResFile();
        ASSERT_FALSE(bytes_.empty()) << "cannot read " << UIRESOURCE_RES_FILE;
        std::string error;
        ASSERT_TRUE(uires::parseResFile(bytes_.data(), bytes_.size(), entries_, error)) << error;
    }

    std::vector<uint8_t> bytes_;
    std::vector<uires::ResourceEntry> entries_;
};

std::string describe(const expected::CatalogueEntry& entry) {
    return (entry.typeName ? std::string(entry.typeName) : std::to_string(entry.typeId)) + " " +
           std::to_string(entry.id);
}

void expectSameKey(const uires::ResourceEntry& got, const expected::CatalogueEntry& want) {
    if (want.typeName) {
        EXPECT_FALSE(got.type.isId);
        EXPECT_EQ(got.type.text, want.typeName);
    } else {
        EXPECT_TRUE(got.type.isId) << "type stored as text " << got.type.text;
        EXPECT_EQ(got.type.id, want.typeId);
    }
    EXPECT_TRUE(got.name.isId) << "name stored as text " << got.name.text;
    EXPECT_EQ(got.name.id, want.id);
}

// No string table, icon, cursor, bitmap, accelerators, version block or manifest: nothing else.
TEST_F(CompiledCatalogue, HoldsExactlyTheExpectedEntriesInEnglish) {
    const std::vector<expected::CatalogueEntry>& want = expected::catalogue();
    ASSERT_EQ(entries_.size(), want.size());
    for (size_t i = 0; i < want.size(); ++i) {
        SCOPED_TRACE(describe(want[i]));
        expectSameKey(entries_[i], want[i]);
        EXPECT_EQ(entries_[i].language, expected::kLanguage);
        if (want[i].size != 0) {
            EXPECT_EQ(entries_[i].size, want[i].size);
        }
        EXPECT_GT(entries_[i].size, 0u);
    }
}

// The Linux library embeds the same file, so it serves the same bytes the DLL carries.
TEST_F(CompiledCatalogue, LibraryServesTheCompiledBytes) {
    for (const uires::ResourceEntry& entry : entries_) {
        SCOPED_TRACE(entry.type.describe() + " " + entry.name.describe());
        std::string type = entry.type.isId ? "#" + std::to_string(entry.type.id) : entry.type.text;
        char* data = nullptr;
        long size = getResourceData(getResourceStringFromInt(entry.name.id), type.c_str(), &data);
        ASSERT_EQ(size, static_cast<long>(entry.size));
        ASSERT_NE(data, nullptr);
        EXPECT_EQ(std::memcmp(data, entry.data, entry.size), 0);
    }
}

}  // namespace
