// The sample host playing the bundled scripts through the scripted user: the transcript tells
// what each dialog did to the scene, and each dialog's picture shows its live controls.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "tools/demo/demo_script.h"
#include "tools/demo/editor.h"
#include "tools/demo/script_player.h"
#include "tools/demo/transcript.h"
#include "tools/render/image.h"

namespace {

struct Played {
    int problems = 0;
    std::string transcript;
    std::string errors;
    std::vector<std::string> pictures;
};

Played play(const std::string& text, const std::string& folder) {
    demo::DemoScript script;
    std::string error;
    EXPECT_TRUE(demo::parseDemoScript(text, script, error)) << error;
    std::ostringstream transcript, errors;
    Played played;
    {
        std::string pictureDir = std::string(UIRESOURCE_TEST_OUTPUT_DIR) + "/" + folder;
        std::filesystem::create_directories(pictureDir);
        demo::Scene scene;
        demo::buildScene(scene);
        demo::Transcript told(transcript, errors, pictureDir);
        demo::Editor editor(scene, told);
        played.problems = demo::playScript(script, editor, told);
        played.pictures = told.pictures();
    }
    played.transcript = transcript.str();
    played.errors = errors.str();
    return played;
}

std::string bundled(const std::string& name) {
    std::ifstream file(std::string(UIRESOURCE_DEMO_SCRIPTS_DIR) + "/" + name);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

uitools::Image loadPicture(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    uitools::Image image;
    EXPECT_TRUE(uitools::decodeImage(bytes.data(), bytes.size(), image)) << path;
    return image;
}

// Dark pixels in the rectangle: the text set into a control.
int inkAt(const uitools::Image& image, int left, int right, int top, int bottom) {
    int ink = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) ink += image.pixel(x, y).r < 64 ? 1 : 0;
    }
    return ink;
}

bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace

TEST(DemoSession, MainTourRunsEveryDialogAndReportsWhatChanged) {
    Played tour = play(bundled("tour.txt"), "tour");
    const std::string& t = tour.transcript;
    EXPECT_EQ(tour.problems, 0) << t;
    EXPECT_TRUE(has(t, "    name: \"Boulder\" -> \"Granite Boulder\"\n")) << t;
    EXPECT_TRUE(has(t, "    fake shadow material: 6 (Soft Shadow) -> 5 (Shadow Blob)\n"));
    EXPECT_TRUE(has(t, "    > type 1077 \"90x\"\n      (the field reads \"90\")\n      mesh now: LOD range 2: 75 -> 90\n"));
    EXPECT_TRUE(has(t, "      mesh now: flags: -Billboard (2D), +Billboard (3D)\n"));
    EXPECT_TRUE(has(t, "    opened \"Fake Shadow Material\"\n      > double-click 1085 \"Granite\"\n"));
    EXPECT_TRUE(has(t, "  host: onApply(null, tag 7) keeps the changes\n  result: 1 (OK)\n"));
    EXPECT_TRUE(has(t, "    flags: +Billboard (3D), +Fake Shadows, +Fake Shadow Auto Size\n"));
    EXPECT_TRUE(has(t, "    animation \"Walk\" speed: 30 -> 24\n"));
    EXPECT_TRUE(has(t, "  closed \"Material Properties Dialog\"; picture"));
    EXPECT_TRUE(has(t, "translators after: 4\n    On Click -> Open Door (door_01)\n    Zone Enter -> Show Text (Welcome)\n"
                       "    On Timer -> Play Sound (bell)\n    On Click -> Open Door (door_02)\n"));
    EXPECT_TRUE(has(t, "6 steps, 7 pictures, 0 problems\n"));
}

TEST(DemoSession, CancelRollsTheMeshBackAfterLiveChanges) {
    Played cancel = play(bundled("cancel_rollback.txt"), "cancel");
    const std::string& t = cancel.transcript;
    EXPECT_EQ(cancel.problems, 0) << t;
    EXPECT_TRUE(has(t, "      mesh now: flags: +Billboard (2D), -Billboard (3D)\n")) << t;
    EXPECT_TRUE(has(t, "      mesh now: animation \"Sway\" speed: 12 -> 3\n"));
    EXPECT_TRUE(has(t, "      mesh now: fake shadow material: 6 (Soft Shadow) -> 4 (Leaves)\n"));
    EXPECT_TRUE(has(t, "  result: 0 (Cancel)\n  mesh after: unchanged (Cancel rolled back every change the dialog made)\n"));
    EXPECT_FALSE(has(t, "onApply"));
    EXPECT_TRUE(has(t, "    > escape\n  closed \"Name Entry\"; picture"));
}

TEST(DemoSession, PicturesShowTheLiveControlsAsTheUserLeftThem) {
    Played typed = play("run rename \"Guard\"\n  type 1051 \"WWWWWWWWWWWWWWWWWWWW\"\n  enter\n"
                        "run rename \"WWWWWWWWWWWWWWWWWWWW\"\n  type 1051 \"i\"\n  escape\n",
                        "typed");
    ASSERT_EQ(typed.pictures.size(), 2u) << typed.transcript;
    uitools::Image wide = loadPicture(typed.pictures[0]);
    uitools::Image narrow = loadPicture(typed.pictures[1]);
    ASSERT_EQ(wide.width(), narrow.width());
    // The New Name field lies at 55 to 209 across and 30 to 44 down in the 223 x 90 dialog units of
    // "Name Entry"; its right half holds ink only when the long name was typed. The units are
    // scaled by the picture's own client size, since Wine's fonts give other base units.
    int clientWidth = wide.width() - 6, clientHeight = wide.height() - 6 - 19;
    auto x = [&](int units) { return 3 + units * clientWidth / 223; };
    auto y = [&](int units) { return 3 + 19 + units * clientHeight / 90; };
    int fieldTop = y(30) + 4, fieldBottom = y(44) - 4;
    EXPECT_GT(inkAt(wide, x(132), x(205), fieldTop, fieldBottom), 0);
    EXPECT_EQ(inkAt(narrow, x(132), x(205), fieldTop, fieldBottom), 0);
}

// A dialog the block was not written for is cancelled and the block skipped; actions the dialog
// cannot take are skipped; every problem goes to standard error as well.
TEST(DemoSession, ScriptsThatDoNotFitTheDialogsAreReportedAsProblems) {
    Played wrong = play("run edit \"Guard\"\n"
                        "dialog \"Name Entry\"\n"
                        "  click 1\n"
                        "dialog\n"
                        "  enter\n"
                        "run edit \"Guard\"\n"
                        "  click \"No Such Box\"\n"
                        "  select 1032 \"Fly\"\n"
                        "  double-click 1032 7\n"
                        "  click 4242\n"
                        "  type 1 \"x\"\n"
                        "  enter\n"
                        "run rename \"Nobody\"\n"
                        "run material-properties\n"
                        "  click 1051\n",
                        "wrong");
    const std::string& t = wrong.transcript;
    EXPECT_TRUE(has(t, "PROBLEM: line 2: expected a dialog titled \"Name Entry\"; it is cancelled and the block skipped\n"
                       "  closed \"Edit Mesh Dialog:  Guard\"")) << t;
    EXPECT_TRUE(has(t, "result: 0 (Cancel)"));
    EXPECT_TRUE(has(t, "PROBLEM: 1 dialog block(s) of line 1's step found no dialog to act in"));
    EXPECT_TRUE(has(t, "PROBLEM: line 7: the dialog has no control captioned \"No Such Box\"; the action is skipped"));
    EXPECT_TRUE(has(t, "PROBLEM: line 8: list 1032 has no entry \"Fly\""));
    EXPECT_TRUE(has(t, "PROBLEM: line 9: list 1032 has no entry 7"));
    EXPECT_TRUE(has(t, "PROBLEM: line 10: the dialog has no control with id 4242"));
    EXPECT_TRUE(has(t, "PROBLEM: line 11: control 1 is no field to type into"));
    EXPECT_TRUE(has(t, "PROBLEM: line 13: the scene has no mesh \"Nobody\""));
    EXPECT_TRUE(has(t, "PROBLEM: a dialog was left open by its block and ended from outside"));
    EXPECT_TRUE(has(t, "PROBLEM: line 15: the dialog has no control with id 1051"));
    EXPECT_EQ(wrong.problems, 10) << t;
    EXPECT_TRUE(has(wrong.errors, "uiresource-demo: PROBLEM: line 11: control 1 is no field to type into; the action is skipped\n"));
}
