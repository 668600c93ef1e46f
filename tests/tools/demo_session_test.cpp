// The sample host's pictures of the dialogs it plays: each shows the live controls as the user left
// them. What the transcripts say is in golden/demo-sessions.txt.
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

}  // namespace

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
