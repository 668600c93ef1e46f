// Checks the module family of the exported interface as a host uses it: getResourceData with
// integer ids and with strings, its answers to names, types and pointers it cannot serve, and the
// small stateless exports, and the table of what the module holds against what it holds. Under
// Wine the lookups go to the DLL's own resources.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include <UIResource/UIResource.h>
#include "harness/dialog_driver.h"
#include "resources/module_resources.h"
#include "resources/res_file.h"

namespace {

struct Request {
    const char* name;
    const char* type;
};

// What a host sees for one request; the pointer starts non-null so that a missing store shows.
struct Answer {
    long size = -1;
    char* data = nullptr;
};

Answer request(Request wanted) {
    Answer answer;
    answer.data = reinterpret_cast<char*>(&answer);
    answer.size = getResourceData(wanted.name, wanted.type, &answer.data);
    return answer;
}

const char* id(unsigned short value) { return getResourceStringFromInt(value); }

// "#107" is the integer id 107, read as FindResource reads it: blanks and a sign may come first,
// leading zeros and characters after the digits do not count; type names match in any case. Asked
// twice, the module gives the same pointer. (The inspector's catalogue in the golden dump asks for
// every resource by integer ids.)
TEST(ResourceAccess, StringNamesAndTypesReachTheSameBytesAsIdsEveryTime) {
    const std::pair<Request, Request> cases[] = {
        {{"#107", "FONTDATA"}, {id(107), "FONTDATA"}}, {{"#107", "fontdata"}, {id(107), "FONTDATA"}},
        {{"#107", "FontData"}, {id(107), "FONTDATA"}}, {{"#108", "fontsize"}, {id(108), "FONTSIZE"}},
        {{"#00107", "FONTDATA"}, {id(107), "FONTDATA"}}, {{"#109", "#5"}, {id(109), id(5)}},
        {{"#000000107", "FONTDATA"}, {id(107), "FONTDATA"}}, {{"#122", "#0005"}, {id(122), id(5)}},
        {{"#107x", "FONTDATA"}, {id(107), "FONTDATA"}},  {{"# +107", "FONTDATA"}, {id(107), "FONTDATA"}},
        {{"#104", id(4)}, {id(104), id(4)}},           {{id(104), "#4"}, {id(104), id(4)}},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE("case " + std::to_string(i));
        Answer text = request(cases[i].first), ids = request(cases[i].second);
        ASSERT_NE(ids.data, nullptr);
        EXPECT_EQ(text.data, ids.data);
        EXPECT_EQ(text.size, ids.size);
        EXPECT_EQ(request(cases[i].first).data, text.data);
    }
}

// A null name or type gives 0 and stores null; a null data pointer gives 0 and stores nothing.
TEST(ResourceAccess, WhatTheModuleDoesNotHoldAndNullArgumentsGiveZeroAndNull) {
    const std::string longName(10000, 'A');
    const Request cases[] = {
        {id(107), "NOSUCHTYPE"}, {id(106), "FONTDATA"},  // unknown type; unknown id of a known type
        {id(107), "FONTDATAX"}, {id(107), "FONTDAT"},    // a type that starts with a stored one, or its start
        {"#1070", "FONTDATA"},                           // an id that starts with a stored one
        {"107", "FONTDATA"}, {"FONTDATA", "FONTDATA"},   // text names: digits without '#', the type's name
        {"#40006", id(4)},                               // a five-digit id no resource has
        {"#70000", "FONTDATA"}, {"#", "FONTDATA"},       // no id: unknown text names
        {"#65643", "FONTDATA"}, {"#-65429", "FONTDATA"}, // 107 past 16 bits, either way round
        {" #107", "FONTDATA"},                           // a blank before the '#'
        {"#65535", "FONTDATA"}, {"#65535", "#65535"},    // the highest id, no resource of it
        {longName.c_str(), "FONTDATA"}, {id(107), longName.c_str()},
        {nullptr, "FONTDATA"}, {id(107), nullptr}, {nullptr, nullptr},
    };
    for (const Request& item : cases) {
        Answer answer = request(item);
        EXPECT_EQ(answer.size, 0) << "case " << (&item - cases);
        EXPECT_EQ(answer.data, nullptr) << "case " << (&item - cases);
    }
    EXPECT_EQ(getResourceData(id(107), "FONTDATA", nullptr), 0);
    EXPECT_EQ(getResourceData(nullptr, nullptr, nullptr), 0);
}

// Every standard type (0 to 24, 25 past them, the highest id), the module's own text types and two
// standard types' names, each with the ids round the module's own (0, 1, 99 to 124, the highest):
// found exactly where the module's table has a resource, and "#N" reaches the integer id's bytes.
TEST(ResourceAccess, EachTypeAndIdAroundTheModulesOwnIsFoundExactlyWhereTheTableHasIt) {
    std::vector<std::string> types{"FONTDATA", "FONTSIZE", "MOUSE_POINTER_TEXTURE", "DIALOG", "MENU", "#25", "#65535"};
    for (int type = 0; type <= 24; ++type) types.push_back("#" + std::to_string(type));
    std::vector<unsigned> names{0, 1, 0xFFFF};
    for (unsigned name = 99; name <= 124; ++name) names.push_back(name);
    for (const std::string& type : types) {
        uires::ResourceKey key = uires::parseResourceKey(type, false);
        for (unsigned name : names) {
            SCOPED_TRACE(type + " " + std::to_string(name));
            bool listed = uires::findModuleResource(key, uires::ResourceKey::ofId(static_cast<uint16_t>(name))) != nullptr;
            Answer byId = request({id(static_cast<unsigned short>(name)), key.isId ? id(key.id) : type.c_str()});
            Answer byText = request({("#" + std::to_string(name)).c_str(), type.c_str()});
            EXPECT_EQ(byId.data != nullptr && byId.size > 0, listed);
            EXPECT_EQ(byText.data, byId.data);
            EXPECT_EQ(byText.size, byId.size);
        }
    }
}

TEST(ModuleExports, StatelessExportsAnswerAsDocumented) {
    EXPECT_EQ(fnUIResource(), 42);
    EXPECT_EQ(nUIResource, 0);
    EXPECT_NE(getUIResourceAppInstance(), nullptr) << "the module entry did not run";
    EXPECT_EQ(getUIResourceAppInstance(), getUIResourceAppInstance());
    CUIResource first, second;
    EXPECT_EQ(&(first = second), &first);
    UI one, other;
    EXPECT_EQ(&(one = other), &one);
}

// The table the tests, tools and benchmarks walk against what the build compiled: a resource in
// one and not the other is named, with the file to add it to.
TEST(ModuleTable, ListsEveryResourceTheModuleHoldsAndNoOther) {
    std::vector<DialogDriver::ModuleResource> compiled;
    std::string error;
    ASSERT_TRUE(DialogDriver::listResources(getUIResourceAppInstance(), compiled, error)) << error;
    for (const DialogDriver::ModuleResource& found : compiled) {
        EXPECT_NE(uires::findModuleResource(found.type, found.name), nullptr)
            << uires::resourceTypeName(found.type) << " " << found.name.describe()
            << " is in resources/UIResource.rc but not in the module's table: add its line to "
               "UIRESOURCE_MODULE_RESOURCES in resources/resource_ids.h";
    }
    for (const uires::ModuleResource& listed : uires::kModuleResources) {
        uires::ResourceKey type = uires::resourceTypeOf(listed), name = uires::ResourceKey::ofId(listed.id);
        bool held = std::any_of(compiled.begin(), compiled.end(), [&](const DialogDriver::ModuleResource& found) {
            return uires::sameKey(found.type, type) && uires::sameKey(found.name, name);
        });
        EXPECT_TRUE(held) << uires::resourceTypeName(type) << " " << listed.id << " (\"" << listed.name
                          << "\") is in resources/resource_ids.h's table but the module does not hold it: "
                             "add it to resources/UIResource.rc or drop its line";
    }
}

}  // namespace
