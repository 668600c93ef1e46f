// The uiresource commands whose results are files rather than text: pictures, extracted bytes and
// standard output used as a file; text in the font's code page. What the commands print,
// failures included, is in the golden transcripts in golden/.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

#include <UIResource/UIResource.h>
#include "tools/inspector/inspector.h"
#include "tools/render/code_page_1252.h"
#include "tools/render/image.h"

namespace {

struct Outcome {
    int status;
    std::string out, err;
};

Outcome inspect(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    int status = uitools::runInspector(args, out, err);
    return Outcome{status, out.str(), err.str()};
}

std::string scratch(const std::string& name) { return std::string(UIRESOURCE_TEST_OUTPUT_DIR) + "/" + name; }

std::string readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Runs a command writing `file` and reads the picture back.
uitools::Image picture(std::vector<std::string> args, const std::string& file) {
    args.insert(args.end(), {"-o", scratch(file)});
    EXPECT_EQ(inspect(args).status, 0) << file;
    std::string png = readFile(scratch(file));
    uitools::Image image;
    EXPECT_TRUE(uitools::decodeImage(reinterpret_cast<const uint8_t*>(png.data()), png.size(), image)) << file;
    return image;
}

std::string moduleBytes(unsigned short id, const char* type) {
    char* data = nullptr;
    long size = getResourceData(getResourceStringFromInt(id), type, &data);
    return std::string(data, data + size);
}

}  // namespace

TEST(InspectorFiles, ExtractAndDashOWriteTheExactBytes) {
    ASSERT_EQ(inspect({"extract", "dialog", "#109", "-o", scratch("edit_mesh.dlg")}).status, 0);
    EXPECT_EQ(readFile(scratch("edit_mesh.dlg")), moduleBytes(109, getResourceStringFromInt(5)));
    EXPECT_EQ(inspect({"extract", "FONTSIZE", "108", "-o", "-"}).out, moduleBytes(108, "FONTSIZE"));
    picture({"font"}, "font.png");
    EXPECT_EQ(inspect({"font", "-o", "-"}).out, readFile(scratch("font.png"))) << "nothing else on it";
}

TEST(InspectorText, IsUtf8SetInCodePage1252AndRefusesWhatTheFontLacks) {
    // Codes 128 to 159, which differ from Unicode, and two above, typed and as escapes of the codes.
    Outcome typed = inspect({"text", "€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ éÿ", "-o", "-"});
    Outcome escaped = inspect({"text", "\\x80\\x82\\x83\\x84\\x85\\x86\\x87\\x88\\x89\\x8A\\x8B\\x8C\\x8E\\x91"
                               "\\x92\\x93\\x94\\x95\\x96\\x97\\x98\\x99\\x9A\\x9B\\x9C\\x9E\\x9F \\xE9\\xFF", "-o", "-"});
    ASSERT_EQ(typed.status, 0) << typed.err;
    EXPECT_EQ(typed.out, escaped.out);
    const std::pair<const char*, const char*> refused[] = {
        {"\xC2\x81", "U+0081 is not in code page 1252"},  // unassigned there
        {"a\xE9", "byte 0xE9 at offset 1 is not UTF-8"}, {"ab\xE2\x82", "byte 0xE2 at offset 2 is not UTF-8"},
        {"\xC0\xAF", "byte 0xC0 at offset 0 is not UTF-8"}, {"\xED\xA0\x80", "byte 0xED at offset 0 is not UTF-8"}};
    for (const auto& [text, message] : refused) {
        Outcome run = inspect({"text", text, "-o", "-"});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, std::string("uiresource: the text cannot be set in the font: ") + message + "\n");
    }
}

// The desktop's clipboard as the dialogs see it, both ways: what code page 1252 lacks becomes '?'
// and its five unassigned codes pass as the control characters of their value.
TEST(ClipboardText, ConvertsBetweenUtf8AndCodePage1252AsWindowsDoes) {
    const std::pair<const char*, const char*> bothWays[] = {
        {"Crate", "Crate"}, {"caf\xC3\xA9 \xE2\x82\xAC\xC5\xB8", "caf\xE9 \x80\x9F"},
        {"\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D", "\x81\x8D\x8F\x90\x9D"},  // the five unassigned codes
        {"\xE2\x80\x9A\xC6\x92\xE2\x84\xA2\xC5\xBE\xC2\xA0\xC3\xBF", "\x82\x83\x99\x9E\xA0\xFF"}};
    for (const auto& [utf8, codePage] : bothWays) {
        EXPECT_EQ(uitools::utf8ToCodePage1252Replacing(utf8), codePage);
        EXPECT_EQ(uitools::codePage1252ToUtf8(codePage), utf8);
    }
    for (int code = 0; code < 256; ++code) {
        std::string byte(1, static_cast<char>(code));
        EXPECT_EQ(uitools::utf8ToCodePage1252Replacing(uitools::codePage1252ToUtf8(byte)), byte) << code;
    }
    // What it lacks: a CJK character, an emoji, a stray byte, U+0080 (a code of its own there is the
    // euro sign) and U+0152's neighbour U+0151.
    EXPECT_EQ(uitools::utf8ToCodePage1252Replacing("a\xE4\xB8\xAD\xF0\x9F\x98\x80" "b\xE9\xC2\x80\xC5\x91"), "a??b???");
}
