// The uiresource commands whose results are files rather than text: pictures, extracted bytes and
// standard output used as a file; text in the font's code page; help. What the commands print,
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

TEST(InspectorFiles, PicturesHaveTheSizesTheTemplateAndTheAdvanceTableGive) {
    uitools::Image dialog = picture({"render", "101"}, "name_entry.png");
    EXPECT_EQ(dialog.width(), 335 + 6);    // 223 units of 6/4 pixels, rounded, and the frame
    EXPECT_EQ(dialog.height(), 146 + 25);  // 90 units of 13/8 pixels, the frame and the title bar
    EXPECT_EQ(picture({"render", "101", "--scale", "2"}, "name_entry2.png").width(), 2 * dialog.width());
    std::string advances = moduleBytes(108, "FONTSIZE");
    auto advance = [&advances](char code) { return static_cast<uint8_t>(advances[code]); };
    uitools::Image text = picture({"text", "A\\tB\\nC"}, "text.png");  // the default scale is 2
    EXPECT_EQ(text.width(), 2 * (advance('A') + advance('\t') + advance('B') + 8));
    EXPECT_EQ(text.height(), 2 * (2 * 16 + 8));
    EXPECT_EQ(picture({"extract", "MOUSE_POINTER_TEXTURE", "111"}, "pointer.PNG").width(), 32);
}

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
        {"a中", "U+4E2D is not in code page 1252"},
        {"\xC2\x81", "U+0081 is not in code page 1252"},  // unassigned there
        {"a\xE9", "byte 0xE9 at offset 1 is not UTF-8"}};
    for (const auto& [text, message] : refused) {
        Outcome run = inspect({"text", text, "-o", "-"});
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
    }
}

// The desktop's clipboard as the dialogs see it, both ways: what code page 1252 lacks becomes '?'
// and its five unassigned codes pass as the control characters of their value.
TEST(ClipboardText, ConvertsBetweenUtf8AndCodePage1252AsWindowsDoes) {
    const std::pair<const char*, const char*> bothWays[] = {
        {"Crate", "Crate"}, {"caf\xC3\xA9 \xE2\x82\xAC\xC5\xB8", "caf\xE9 \x80\x9F"}, {"\xC2\x81\xC2\x9D", "\x81\x9D"}};
    for (const auto& [utf8, codePage] : bothWays) {
        EXPECT_EQ(uitools::utf8ToCodePage1252Replacing(utf8), codePage);
        EXPECT_EQ(uitools::codePage1252ToUtf8(codePage), utf8);
    }
    EXPECT_EQ(uitools::utf8ToCodePage1252Replacing("a\xE4\xB8\xAD\xF0\x9F\x98\x80" "b\xE9\xC2\x80"), "a??b??");
}

TEST(InspectorHelp, EveryCommandHasHelpAndNoCommandIsAUsageError) {
    EXPECT_EQ(inspect({}).status, 2);
    EXPECT_EQ(inspect({"--help"}).status, 0);
    for (const char* command : {"list", "show", "render", "font", "text", "extract"}) {
        Outcome help = inspect({command, "--help"});
        EXPECT_EQ(help.status, 0) << command;
        EXPECT_EQ(help.out.rfind(std::string("usage: uiresource [--res FILE.res] ") + command, 0), 0u) << help.out;
        EXPECT_EQ(inspect({"help", command}).out, help.out);
    }
}
