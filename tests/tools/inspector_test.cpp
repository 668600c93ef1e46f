// The uiresource commands on the module's own resources and on a compiled .res of the test's
// own, with their failures: unknown ids and types, unreadable and malformed input, unwritable
// output and wrong command lines.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

#include <UIResource/UIResource.h>
#include "tests/support/res_bytes.h"
#include "tools/inspector/inspector.h"
#include "tools/render/image.h"

namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome inspect(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    int status = uitools::runInspector(args, out, err);
    return Outcome{status, out.str(), err.str()};
}

std::string scratch(const std::string& name) { return std::string(UIRESOURCE_TEST_OUTPUT_DIR) + "/" + name; }
const std::string kSampleRes = UIRESOURCE_TEST_SAMPLE_RES;

std::vector<uint8_t> readFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void writeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// A command that fails: exit status 1 and a message holding `message` on the error stream.
void expectFailure(const std::vector<std::string>& args, const std::string& message) {
    Outcome run = inspect(args);
    EXPECT_EQ(run.status, 1) << args[0];
    EXPECT_TRUE(contains(run.err, message)) << run.err;
}

uitools::Image readPicture(const std::string& path) {
    std::vector<uint8_t> png = readFile(path);
    uitools::Image picture;
    EXPECT_TRUE(uitools::decodeImage(png.data(), png.size(), picture)) << path;
    return picture;
}

}  // namespace

TEST(InspectorOnModule, ListShowsEveryResourceWithTypeIdLanguageSizeAndKind) {
    Outcome run = inspect({"list"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(contains(run.out, "FONTDATA                107     1033    262188    TGA picture 256 x 256"));
    EXPECT_TRUE(contains(run.out, "FONTSIZE                108     1033    256"));
    EXPECT_TRUE(contains(run.out, "MOUSE_POINTER_TEXTURE   111     1033    4140      TGA picture 32 x 32"));
    EXPECT_TRUE(contains(run.out, "MENU                    104     1033    126       menu \"&Resize\", 1 pop-up(s), 6 items"));
    EXPECT_TRUE(contains(run.out, "classic dialog \"Edit Mesh\", 425 x 404, 41 controls"));
    EXPECT_TRUE(contains(run.out, "extended dialog \"Edit Translator\", 428 x 444, 52 controls"));
    EXPECT_TRUE(contains(run.out, "11 resources"));
}

TEST(InspectorOnModule, ShowGivesTemplatesWithNamedStylesAndOneRowPerControl) {
    Outcome mesh = inspect({"show", "109"});
    ASSERT_EQ(mesh.status, 0) << mesh.err;
    EXPECT_TRUE(contains(mesh.out, "0x80C800C0 WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT | DS_MODALFRAME"));
    EXPECT_TRUE(contains(mesh.out, "8 pt \"MS Sans Serif\""));
    EXPECT_TRUE(contains(mesh.out, "   41    1171  BUTTON     159  310   75   10  \"Instantly Terminate\""));
    EXPECT_TRUE(contains(mesh.out, "ES_CENTER | ES_AUTOHSCROLL | ES_NUMBER | WS_TABSTOP | WS_CHILD | WS_VISIBLE | WS_BORDER"));
    Outcome nameEntry = inspect({"show", "#101"});
    EXPECT_TRUE(contains(nameEntry.out, "0x80C000C0 WS_POPUP | WS_CAPTION | DS_SETFONT | DS_MODALFRAME\n"));
    Outcome exitDialog = inspect({"show", "122"});
    EXPECT_TRUE(contains(exitDialog.out, "extended template (DLGTEMPLATEEX, version 1)"));
    EXPECT_TRUE(contains(exitDialog.out, "\"MS Shell Dlg\", weight 400, not italic, character set 1"));
    EXPECT_TRUE(contains(exitDialog.out, "DS_FIXEDSYS | DS_SETFONT | DS_MODALFRAME"));
}

TEST(InspectorOnModule, ShowGivesTheMenuAndSummarisesData) {
    Outcome menu = inspect({"show", "104"});
    ASSERT_EQ(menu.status, 0) << menu.err;
    EXPECT_TRUE(contains(menu.out, "POPUP \"&Resize\"  (MF_POPUP | MF_END)"));
    EXPECT_TRUE(contains(menu.out, "40001  \"48x48\"\n"));
    EXPECT_TRUE(contains(menu.out, "40006  \"128x128\"  (MF_END)"));
    Outcome atlas = inspect({"show", "107"});
    ASSERT_EQ(atlas.status, 0) << atlas.err;
    EXPECT_TRUE(contains(atlas.out, "  0000: 00 00 02 00 00 00 00 00 00 00 00 00 00 01 00 01"));
    EXPECT_TRUE(contains(atlas.out, "more bytes; use extract"));
}

TEST(InspectorOnModule, RenderFontAndTextWritePicturesOfTheExpectedSize) {
    Outcome render = inspect({"render", "101", "-o", scratch("name_entry.png")});
    ASSERT_EQ(render.status, 0) << render.err;
    uitools::Image picture = readPicture(scratch("name_entry.png"));
    EXPECT_EQ(picture.width(), 335 + 6);   // 223 units of 6/4 pixels, rounded, and the frame
    EXPECT_EQ(picture.height(), 146 + 25); // 90 units of 13/8 pixels, the frame and the title bar
    ASSERT_EQ(inspect({"render", "109", "--scale", "2", "-o", scratch("edit_mesh.png")}).status, 0);
    ASSERT_EQ(inspect({"font", "-o", scratch("font.png")}).status, 0);
    Outcome piped = inspect({"font", "-o", "-"});
    std::vector<uint8_t> png = readFile(scratch("font.png"));
    EXPECT_EQ(piped.out, std::string(png.begin(), png.end())) << "-o - is standard output, nothing else on it";
    ASSERT_EQ(inspect({"text", "A\\tB\\nC", "-o", scratch("text.png")}).status, 0);
    picture = readPicture(scratch("text.png"));
    char* advances = nullptr;
    ASSERT_EQ(getResourceData(getResourceStringFromInt(108), "FONTSIZE", &advances), 256);
    int width = static_cast<unsigned char>(advances['A']) + static_cast<unsigned char>(advances['\t']) +
                static_cast<unsigned char>(advances['B']);
    EXPECT_EQ(picture.width(), 2 * (width + 8));
    EXPECT_EQ(picture.height(), 2 * (2 * 16 + 8));
}

TEST(InspectorOnModule, TextIsUtf8SetInCodePage1252AndRefusesWhatTheFontLacks) {
    // Codes 128 to 159, which differ from Unicode, and two above, typed and as escapes of the codes.
    Outcome typed = inspect({"text", "€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ éÿ", "-o", "-"});
    Outcome escaped = inspect({"text", "\\x80\\x82\\x83\\x84\\x85\\x86\\x87\\x88\\x89\\x8A\\x8B\\x8C\\x8E\\x91"
                               "\\x92\\x93\\x94\\x95\\x96\\x97\\x98\\x99\\x9A\\x9B\\x9C\\x9E\\x9F \\xE9\\xFF", "-o", "-"});
    ASSERT_EQ(typed.status, 0) << typed.err;
    EXPECT_EQ(typed.out, escaped.out);
    expectFailure({"text", "a中", "-o", "-"}, "U+4E2D is not in code page 1252");
    expectFailure({"text", "\xC2\x81", "-o", "-"}, "U+0081 is not in code page 1252");  // unassigned there
    expectFailure({"text", "a\xE9", "-o", "-"}, "byte 0xE9 at offset 1 is not UTF-8");
}

TEST(InspectorOnModule, ExtractWritesTheExactBytesOrAPngOfATgaPicture) {
    Outcome raw = inspect({"extract", "FONTSIZE", "108", "-o", scratch("advances.bin")});
    ASSERT_EQ(raw.status, 0) << raw.err;
    char* data = nullptr;
    long size = getResourceData(getResourceStringFromInt(108), "FONTSIZE", &data);
    EXPECT_EQ(readFile(scratch("advances.bin")), std::vector<uint8_t>(data, data + size));
    EXPECT_EQ(inspect({"extract", "FONTSIZE", "108", "-o", "-"}).out, std::string(data, data + size));
    Outcome dialog = inspect({"extract", "dialog", "#109", "-o", scratch("edit_mesh.dlg")});
    ASSERT_EQ(dialog.status, 0) << dialog.err;
    EXPECT_EQ(readFile(scratch("edit_mesh.dlg")).size(), 2156u);
    Outcome png = inspect({"extract", "MOUSE_POINTER_TEXTURE", "111", "-o", scratch("pointer.PNG")});
    ASSERT_EQ(png.status, 0) << png.err;
    EXPECT_EQ(readPicture(scratch("pointer.PNG")).width(), 32);
    expectFailure({"extract", "DIALOG", "109", "-o", scratch("dialog.png")}, "not a TGA picture");
}

TEST(InspectorOnModule, UnknownIdsAndTypesFailWithAMessage) {
    expectFailure({"show", "999"}, "no resource with id 999 in the module");
    expectFailure({"render", "104", "-o", scratch("menu.png")}, "no dialog template with id 104");
    expectFailure({"extract", "NOSUCHTYPE", "107", "-o", scratch("x.bin")}, "no resource NOSUCHTYPE 107");
    EXPECT_EQ(inspect({"extract", "FONTDATA", "70000", "-o", scratch("x.bin")}).status, 1);
}

TEST(InspectorOnModule, UnwritableOutputFails) {
    std::string nowhere = scratch("no_such_folder/out.png");
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"render", "101", "-o", nowhere}, {"font", "-o", nowhere}, {"text", "x", "-o", nowhere},
             {"extract", "FONTDATA", "107", "-o", nowhere}, {"extract", "FONTSIZE", "108", "-o", nowhere + ".bin"}})
        expectFailure(args, ": cannot be written: No such file or directory");
}

TEST(InspectorCommandLine, WrongCommandLinesAreUsageErrorsAndEveryCommandHasHelp) {
    EXPECT_EQ(inspect({}).status, 2);
    EXPECT_EQ(inspect({"frobnicate"}).status, 2);
    EXPECT_EQ(inspect({"show"}).status, 2);
    EXPECT_EQ(inspect({"show", "1", "2"}).status, 2);
    EXPECT_EQ(inspect({"render", "101"}).status, 2) << "render needs -o";
    EXPECT_EQ(inspect({"list", "-o", "x"}).status, 2);
    EXPECT_EQ(inspect({"font", "-o"}).status, 2);
    EXPECT_EQ(inspect({"font", "--scale", "0", "-o", "x.png"}).status, 2);
    EXPECT_TRUE(contains(inspect({"render", "101", "-o", "x.jpg"}).err, "render writes PNG pictures only"));
    EXPECT_EQ(inspect({"text", "x", "-o", "x.png.bmp"}).status, 2);
    EXPECT_EQ(inspect({"font", "-o", "png"}).status, 2);
    EXPECT_EQ(inspect({"list", "--bogus"}).status, 2);
    Outcome general = inspect({"--help"});
    EXPECT_EQ(general.status, 0);
    EXPECT_TRUE(contains(general.out, "--res FILE.res"));
    for (const char* command : {"list", "show", "render", "font", "text", "extract"}) {
        Outcome help = inspect({command, "--help"});
        EXPECT_EQ(help.status, 0) << command;
        EXPECT_TRUE(contains(help.out, std::string("usage: uiresource [--res FILE.res] ") + command)) << help.out;
        EXPECT_EQ(inspect({"help", command}).out, help.out);
    }
    Outcome dash = inspect({"text", "--", "-dash", "-o", scratch("dash.png")});
    EXPECT_EQ(dash.status, 2) << "after -- even -o is text";
}

TEST(InspectorOnResFile, ListsShowsRendersAndExtractsAHostsOwnResources) {
    Outcome list = inspect({"--res", kSampleRes, "list"});
    ASSERT_EQ(list.status, 0) << list.err;
    EXPECT_TRUE(contains(list.out, "Resources of " + kSampleRes));
    EXPECT_TRUE(contains(list.out, "classic dialog \"Sample Settings\", 160 x 100, 8 controls"));
    EXPECT_TRUE(contains(list.out, "1031"));  // German (Germany)
    EXPECT_TRUE(contains(list.out, "RCDATA                  SAMPLEDATA"));
    Outcome show = inspect({"show", "7", "--res", kSampleRes});
    ASSERT_EQ(show.status, 0) << show.err;
    EXPECT_TRUE(contains(show.out, "size:     160 x 100 dialog units at (10, 20)"));
    EXPECT_TRUE(contains(show.out, "CBS_DROPDOWN | WS_TABSTOP | WS_CHILD | WS_VISIBLE | WS_VSCROLL"));
    Outcome menu = inspect({"--res", kSampleRes, "show", "9"});
    EXPECT_TRUE(contains(menu.out, "      500  \"&Open\"\n      SEPARATOR\n      501  \"E&xit\"  (MF_END)")) << menu.out;
    EXPECT_EQ(inspect({"--res", kSampleRes, "render", "8", "-o", scratch("sample8.png")}).status, 0);
    ASSERT_EQ(inspect({"--res", kSampleRes, "extract", "RCDATA", "sampledata", "-o", scratch("sample.bin")}).status, 0);
    std::vector<uint8_t> bytes = readFile(scratch("sample.bin"));
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), std::string("raw bytes\0", 10));
    expectFailure({"--res", kSampleRes, "show", "101"}, "no resource with id 101 in " + kSampleRes);
}

TEST(InspectorOnResFile, UnreadableAndMalformedFilesFailWithTheFileNamed) {
    expectFailure({"--res", scratch("absent.res"), "list"}, "absent.res: cannot be read: No such file or directory");
    expectFailure({"--res", UIRESOURCE_TEST_OUTPUT_DIR, "list"}, UIRESOURCE_TEST_OUTPUT_DIR ": cannot be read: ");
    std::vector<uint8_t> sample = readFile(kSampleRes);
    ASSERT_GT(sample.size(), 100u);
    writeFile(scratch("truncated.res"), std::vector<uint8_t>(sample.begin(), sample.begin() + 90));
    expectFailure({"--res", scratch("truncated.res"), "list"}, "truncated.res: not a compiled resource file");
    writeFile(scratch("empty.res"), {});
    expectFailure({"--res", scratch("empty.res"), "list"}, "empty.res: not a compiled resource file: no bytes");
    std::vector<uint8_t> badDialog = resbytes::resEntry(5, 3, {0xC0, 0x00, 0xC8});
    writeFile(scratch("no_leader.res"), badDialog);
    expectFailure({"--res", scratch("no_leader.res"), "list"}, "the first entry (5 3) is not the empty one");
    std::vector<uint8_t> leader = resbytes::resEntry(0, 0, {});
    badDialog.insert(badDialog.begin(), leader.begin(), leader.end());
    writeFile(scratch("bad_dialog.res"), badDialog);
    expectFailure({"--res", scratch("bad_dialog.res"), "show", "3"}, "DIALOG 3 is malformed");
    EXPECT_EQ(inspect({"--res", scratch("bad_dialog.res"), "render", "3", "-o", scratch("bad.png")}).status, 1);
    Outcome listed = inspect({"--res", scratch("bad_dialog.res"), "list"});
    EXPECT_EQ(listed.status, 0);
    EXPECT_TRUE(contains(listed.out, "malformed dialog"));
}
