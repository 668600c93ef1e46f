// Checks the module family of the exported interface as a host uses it: resource access through
// integer ids and strings, its answers to names, types and pointers it cannot serve, and the
// small stateless exports.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include <UIResource/UIResource.h>
#include "tests/resources/expected_templates.h"

namespace {

// What a host sees for one request.
struct Answer {
    long size = -1;
    char* data = nullptr;
};

Answer request(const char* name, const char* type) {
    Answer answer;
    answer.data = reinterpret_cast<char*>(&answer);  // must be overwritten with null when not found
    answer.size = getResourceData(name, type, &answer.data);
    return answer;
}

const char* typeOf(const expected::CatalogueEntry& entry) {
    return entry.typeName ? entry.typeName : getResourceStringFromInt(entry.typeId);
}

char* const kUnset = reinterpret_cast<char*>(static_cast<uintptr_t>(0x5EED));

TEST(ResourceAccess, EveryCatalogueEntryThroughIntegerIdsTwiceWithTheSamePointer) {
    for (const expected::CatalogueEntry& entry : expected::catalogue()) {
        SCOPED_TRACE("type " + std::string(entry.typeName ? entry.typeName : std::to_string(entry.typeId)) +
                     ", id " + std::to_string(entry.id));
        Answer first = request(getResourceStringFromInt(entry.id), typeOf(entry));
        ASSERT_NE(first.data, nullptr);
        EXPECT_GT(first.size, 0);
        if (entry.size != 0) {
            EXPECT_EQ(first.size, static_cast<long>(entry.size));
        }
        Answer second = request(getResourceStringFromInt(entry.id), typeOf(entry));
        EXPECT_EQ(second.data, first.data);
        EXPECT_EQ(second.size, first.size);
    }
}

// Names and types given as strings: any letter case, and "#107" for the integer id 107.
TEST(ResourceAccess, StringNamesAndTypesReachTheSameBytes) {
    Answer byIds = request(getResourceStringFromInt(107), "FONTDATA");
    ASSERT_NE(byIds.data, nullptr);
    for (const char* type : {"FONTDATA", "fontdata", "FontData"}) {
        SCOPED_TRACE(type);
        Answer byText = request("#107", type);
        EXPECT_EQ(byText.data, byIds.data);
        EXPECT_EQ(byText.size, byIds.size);
    }
    Answer dialogByIds = request(getResourceStringFromInt(109), getResourceStringFromInt(5));
    Answer dialogByText = request("#109", "#5");
    ASSERT_NE(dialogByIds.data, nullptr);
    EXPECT_EQ(dialogByText.data, dialogByIds.data);
    EXPECT_EQ(dialogByText.size, dialogByIds.size);
    Answer menuMixed = request("#104", getResourceStringFromInt(4));
    EXPECT_EQ(menuMixed.data, request(getResourceStringFromInt(104), "#4").data);
    EXPECT_NE(menuMixed.data, nullptr);
}

TEST(ResourceAccess, WhatTheModuleDoesNotHoldGivesZeroAndNull) {
    const std::string longName(10000, 'A');
    struct Case {
        const char* name;
        const char* type;
    } cases[] = {
        {getResourceStringFromInt(107), "NOSUCHTYPE"},      // unknown type
        {getResourceStringFromInt(106), "FONTDATA"},        // unknown id of a known type
        {"FONTDATA", "FONTDATA"},                           // the type's name is not a name
        {getResourceStringFromInt(103), getResourceStringFromInt(5)},  // no such template
        {getResourceStringFromInt(101), getResourceStringFromInt(3)},  // no icons at all
        {getResourceStringFromInt(1), getResourceStringFromInt(16)},   // no version block
        {getResourceStringFromInt(1), getResourceStringFromInt(24)},   // no manifest
        {getResourceStringFromInt(2), getResourceStringFromInt(24)},
        {getResourceStringFromInt(0), getResourceStringFromInt(5)},
        {"#70000", "FONTDATA"},                             // does not fit an id: an unknown name
        {"#", "FONTDATA"},
        {longName.c_str(), "FONTDATA"},
        {getResourceStringFromInt(107), longName.c_str()},
    };
    for (const Case& item : cases) {
        Answer answer = request(item.name, item.type);
        EXPECT_EQ(answer.size, 0) << "case " << (&item - cases);
        EXPECT_EQ(answer.data, nullptr) << "case " << (&item - cases);
    }
}

TEST(ResourceAccess, NullArgumentsGiveZeroAndStoreNullOrNothing) {
    const char* const names[] = {nullptr, getResourceStringFromInt(107), nullptr};
    const char* const types[] = {"FONTDATA", nullptr, nullptr};
    for (int i = 0; i < 3; ++i) {
        char* data = kUnset;
        EXPECT_EQ(getResourceData(names[i], types[i], &data), 0) << i;
        EXPECT_EQ(data, nullptr) << i;
    }
    EXPECT_EQ(getResourceData(getResourceStringFromInt(107), "FONTDATA", nullptr), 0);
    EXPECT_EQ(getResourceData(nullptr, nullptr, nullptr), 0);
}

TEST(ModuleExports, StatelessExportsAnswerAsDocumented) {
    for (unsigned id : {107u, 0u, 40006u, 0xFFFFu})  // the zero-extended id, as MAKEINTRESOURCE makes it
        EXPECT_EQ(reinterpret_cast<uintptr_t>(getResourceStringFromInt(static_cast<uint16_t>(id))), id);
    EXPECT_EQ(fnUIResource(), 42);
    EXPECT_EQ(nUIResource, 0);
    EXPECT_NE(getUIResourceAppInstance(), nullptr) << "the module entry did not run";
    EXPECT_EQ(getUIResourceAppInstance(), getUIResourceAppInstance());
    CUIResource first, second;
    EXPECT_EQ(&(first = second), &first);
    UI one, other;
    EXPECT_EQ(&(one = other), &one);
}

}  // namespace
