// Each kind of control painted alone, in the states the dialog pictures do not show, as text: one
// character a pixel by its colour (legend in golden/control-pictures.txt). Running the test with
// UIRESOURCE_UPDATE_GOLDEN=1 rewrites the file from what the painter draws.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "block_font.h"
#include "platform/win32_types.h"
#include "tools/render/control_painter.h"
#include "tools/render/palette.h"

namespace {

using uitools::Colour;
using uitools::ControlKind;
using uitools::ControlView;

constexpr Colour kBackground{0, 128, 0, 255};

struct Case {
    const char* what;
    ControlView control;
};

ControlView control(ControlKind kind, int width, int height, const char* text, uint32_t style = 0) {
    ControlView view;
    view.kind = kind;
    view.className = "MyClass";
    view.rect = uitools::PixelRect{1, 1, 1 + width, 1 + height};
    view.text = text;
    view.style = style;
    return view;
}

ControlView with(ControlView view, void (*change)(ControlView&)) {
    change(view);
    return view;
}

char symbol(const Colour& colour) {
    using namespace uitools::palette;
    const std::pair<Colour, char> symbols[] = {
        {kWindow, ' '}, {kFace, '.'},      {kShadow, '+'},     {kDarkShadow, 'o'},
        {kText, '#'},   {kSelection, '='}, {kBackground, '-'}, {{234, 232, 228, 255}, ':'}};
    for (const auto& [known, character] : symbols) {
        if (known == colour) return character;
    }
    return '?';
}

std::string picture(const ControlView& view) {
    uitools::Image image(view.rect.right + 1, view.rect.bottom + 1, kBackground);
    static const uitools::BitmapFont font = blockfont::font();
    uitools::paintControl(image, font, view, view.rect);
    std::string text;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) text += symbol(image.pixel(x, y));
        text += "\n";
    }
    return text;
}

const Case kCases[] = {
    {"push button, its mnemonic underlined", control(ControlKind::PushButton, 28, 14, "&Ok")},
    {"push button held down with the focus; && is a literal &",
     with(control(ControlKind::PushButton, 30, 14, "A&&B"), [](ControlView& c) { c.pushed = c.focused = true; })},
    {"default push button, its caption cut at both sides",
     control(ControlKind::DefaultPushButton, 24, 14, "Wide caption")},
    {"check box, checked, with the focus",
     with(control(ControlKind::CheckBox, 34, 13, "&Tick"), [](ControlView& c) { c.checked = c.focused = true; })},
    {"radio button, checked",
     with(control(ControlKind::RadioButton, 26, 13, "R"), [](ControlView& c) { c.checked = true; })},
    {"radio button without caption: no focus rectangle",
     with(control(ControlKind::RadioButton, 16, 13, ""), [](ControlView& c) { c.focused = true; })},
    {"group box", control(ControlKind::GroupBox, 40, 22, "&Grp")},
    {"group box without caption", control(ControlKind::GroupBox, 20, 16, "")},
    {"field with the focus and characters 1 to 3 selected",
     with(control(ControlKind::Edit, 36, 14, "abcd"),
          [](ControlView& c) { c.focused = true, c.selectionStart = 1, c.selectionEnd = 3; })},
    {"right-aligned field, the caret after its text",
     with(control(ControlKind::Edit, 36, 14, "ab", ES_RIGHT),
          [](ControlView& c) { c.focused = true, c.selectionStart = c.selectionEnd = 2; })},
    {"centred field without the focus", control(ControlKind::Edit, 36, 14, "ab", ES_CENTER)},
    {"password field", control(ControlKind::Edit, 36, 14, "abc", ES_PASSWORD)},
    {"multi-line field, wrapped at blanks", control(ControlKind::Edit, 28, 32, "ab cd ef", ES_MULTILINE)},
    {"field scrolled to its fifth character, the caret at its end",
     with(control(ControlKind::Edit, 30, 14, "abcdefgh"),
          [](ControlView& c) { c.focused = true, c.firstShown = 4, c.selectionStart = c.selectionEnd = 8; })},
    {"label two lines high, wrapped at blanks", control(ControlKind::Static, 22, 26, "ab cd ef")},
    {"centred label", control(ControlKind::Static, 24, 13, "ab", SS_CENTER)},
    {"right-aligned label with a mnemonic", control(ControlKind::Static, 24, 13, "&ab", SS_RIGHT)},
    {"label one line high, cut at its right edge", control(ControlKind::Static, 22, 13, "abcdef ghij")},
    {"label that does not wrap (SS_LEFTNOWORDWRAP); a final & is shown",
     control(ControlKind::Static, 36, 26, "ab cd&", 0xC)},
    {"list scrolled down to its selection, with the focus on it, and a scroll bar",
     with(control(ControlKind::ListBox, 40, 43, "", WS_VSCROLL),
          [](ControlView& c) {
              c.items = {"a", "b", "c", "d", "e"}, c.selection = 3, c.caretItem = 3, c.focused = true;
          })},
    {"list shown from its second item with the focus on the first, out of sight",
     with(control(ControlKind::ListBox, 30, 30, ""),
          [](ControlView& c) {
              c.items = {"a", "b", "c", "d"}, c.topItem = 1, c.focused = true;
          })},
    {"drop-down list with the focus, showing its selection",
     with(control(ControlKind::ComboBox, 40, 21, "", CBS_DROPDOWNLIST),
          [](ControlView& c) {
              c.items = {"x", "yy"}, c.selection = 1, c.focused = true;
          })},
    {"drop-down combo box, open, the caret in its field",
     with(control(ControlKind::ComboBox, 40, 21, "ab", CBS_DROPDOWN),
          [](ControlView& c) { c.dropped = c.focused = true, c.selectionStart = c.selectionEnd = 1; })},
    {"control of a class of the host's own", control(ControlKind::Other, 50, 13, "ignored")},
};

// The golden file's comment header, then one block a case beginning "== what it shows".
std::vector<std::string> blocks(const std::string& text) {
    std::vector<std::string> split;
    for (size_t start = 0; start < text.size();) {
        size_t next = text.find("\n== ", start);
        next = next == std::string::npos ? text.size() : next + 1;
        split.push_back(text.substr(start, next - start));
        start = next;
    }
    return split;
}

}  // namespace

TEST(ControlPictures, EachKindInEachStateIsPaintedAsTheGoldenPicturesShow) {
    const std::string path = std::string(UIRESOURCE_GOLDEN_DIR) + "/control-pictures.txt";
    std::ifstream file(path);
    std::vector<std::string> golden =
        blocks(std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()));
    std::vector<std::string> painted{golden.empty() ? "" : golden[0]};
    for (const Case& one : kCases) {
        painted.push_back("== " + std::string(one.what) + " (" + one.control.text + ")\n" + picture(one.control) +
                          "\n");
    }
    painted.back().pop_back();
    if (std::getenv("UIRESOURCE_UPDATE_GOLDEN") != nullptr) {
        std::ofstream out(path);
        for (const std::string& block : painted) out << block;
    }
    ASSERT_EQ(painted.size(), golden.size());
    for (size_t i = 1; i < painted.size(); ++i) EXPECT_EQ(painted[i], golden[i]);
}
