// Random scenarios for the differential run: a seed picks a test template and a sequence of keys
// (the clipboard's and undo's among them), typed characters, clicks, right clicks with what follows
// in a field's menu, drags and wheel turns over its controls, each followed by a snapshot of the
// dialog. The generator is its own (splitmix64), so a seed makes the same scenario on every
// platform and compiler.
#include "tests/differential/random_scenario.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <vector>

namespace differential {

namespace {

class Random {
public:
    explicit Random(uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 1) {}

    uint64_t next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int below(int bound) { return static_cast<int>(next() % static_cast<uint64_t>(bound)); }
    template <typename T>
    const T& pick(const std::vector<T>& from) { return from[static_cast<size_t>(below(static_cast<int>(from.size())))]; }

private:
    uint64_t state_;
};

// What the generator knows of a template: its controls, the text fields among them, the letters of
// its mnemonics, the lists to scroll, how the procedure fills it as it opens and what is typed.
struct Stage {
    const char* name;
    std::vector<std::string> controls;
    std::vector<std::string> fields;
    std::vector<std::string> lists;
    std::string letters;
    std::vector<std::string> atInit;
    std::string typed = "abkmz 07";
};

// Long texts are digits, as wide in the headless manager's font as in USER32's, so that where a
// field scrolls to, what fits into a field that does not scroll and where a click lands inside the
// text do not depend on the fonts.
const std::string kLongDigits = "\"1234567890123456789012345678901234567890123456789012345\"";

const std::string kFruit =
    "\"apple\" \"Banana\" \"cherry\" \"apricot\" \"blueberry\" \"Cedar\" \"date\" \"elm\" \"fig\" \"grape\" "
    "\"hazel\" \"ivy\" \"juniper\" \"kiwi\" \"lemon\" \"lime\" \"mango\" \"melon\" \"nut\" \"olive\"";

const std::vector<Stage>& stages() {
    static const std::vector<Stage> all = {
        {"KEYS", {"LABEL", "TEXT", "SIZE", "SMALL", "LARGE", "HUGE", "CHECK_A", "PUSH", "OFF", "OK", "CANCEL"},
         {"TEXT"}, {}, "nsmlhbaq", {"set-text TEXT \"Crate\""}},
        {"EDITS", {"TEXT", "NUMBER", "LABEL", "OK", "CANCEL"}, {"TEXT", "NUMBER"}, {}, "lo",
         {"set-text TEXT \"big box\"", "set-text NUMBER \"42\""}},
        {"BUTTONS", {"CHECK_A", "CHECK_B", "CHECK_C", "PUSH", "OFF", "OK"}, {}, {}, "fstpo", {}},
        {"LISTS", {"SORTED", "UNSORTED", "QUIET", "OK", "CANCEL"}, {}, {"SORTED", "UNSORTED", "QUIET"}, "abclmz",
         {"fill SORTED " + kFruit, "fill UNSORTED " + kFruit, "fill QUIET " + kFruit, "send UNSORTED LB_SETCURSEL 3"}},
        {"COMBOS", {"SORTED_COMBO", "PLAIN_COMBO", "OK"}, {"SORTED_COMBO", "PLAIN_COMBO"},
         {"SORTED_COMBO", "PLAIN_COMBO"}, "abcgk",
         {"fill SORTED_COMBO " + kFruit, "fill PLAIN_COMBO " + kFruit, "send PLAIN_COMBO CB_SETCURSEL 2"}},
        {"EDITS", {"TEXT", "NUMBER", "LABEL", "OK", "CANCEL"}, {"TEXT", "NUMBER"}, {}, "lo",
         {"set-text TEXT " + kLongDigits, "set-text NUMBER \"42\""}, "0718"},
        {"LONG_FIELDS", {"SHORT", "FIXED_COMBO", "OK", "CANCEL"}, {"SHORT", "FIXED_COMBO"}, {"FIXED_COMBO"}, "x",
         {"set-text SHORT \"1234567\"", "fill FIXED_COMBO \"1234\" \"98765432109876543210\"",
          "set-text FIXED_COMBO \"12345678901234567890\""}, "0718"},
    };
    return all;
}

// Alt+Backspace (which undoes on Windows, not under Wine 8.0) and Shift+F10 (whose F10, where no
// menu takes it, puts Wine into the system menu's keyboard mode, which the headless manager does not
// keep) are left out.
const std::vector<std::string> kKeys = {
    "Tab", "Shift+Tab", "Up", "Down", "Left", "Right", "Home", "End", "PageUp", "PageDown", "Space", "Back",
    "Delete", "F4", "Alt+Down", "Shift+Left", "Shift+Right", "Shift+Home", "Shift+End", "Ctrl+Left",
    "Ctrl+Right", "Enter", "Escape", "A", "B", "M", "Ctrl+C", "Ctrl+X", "Ctrl+V", "Ctrl+Z", "Ctrl+Insert",
    "Shift+Insert", "Shift+Delete", "Ctrl+Back"};

// What a person does with a field's context menu once it is open.
const std::vector<std::string> kMenuActions = {
    "choose \"&Undo\"", "choose \"Cu&t\"", "choose \"&Copy\"", "choose \"&Paste\"", "choose \"&Delete\"",
    "choose \"Select &All\"", "key Escape", "key Down Enter", "key Up", "key P"};

std::string quoted(const std::string& text) { return "\"" + text + "\""; }

bool isField(const Stage& stage, const std::string& control) {
    return std::find(stage.fields.begin(), stage.fields.end(), control) != stage.fields.end();
}

// A point inside a control: its corner, its middle, or a row near its top (a list's first items,
// in the rows the list reports). A text field is clicked at its corner or middle only: where a
// click inside a text lands depends on each character's width, which the headless manager takes
// from the module's own font and USER32 from "MS Sans Serif".
std::string somewhereOn(Random& random, const Stage& stage, const std::string& control) {
    if (isField(stage, control)) return random.below(2) ? control + " 3 3" : control;
    switch (random.below(4)) {
    case 0: return control + " 3 3";
    case 1: return control + " 8 3+row*" + std::to_string(random.below(4));
    default: return control;
    }
}

// Where the pointer rests between actions: at the dialog's far corner, where no list drops. A
// list dropped by a key under a pointer that stays still follows it under Wine or not, as the X
// server's timing has it.
const char kRest[] = "mouse-move DIALOG -3 -3";

std::string withPointerAtRest(const std::string& action) { return action + "\n  " + kRest; }

// The actions of one scenario. Two presses of separate actions never land on the same point: they
// would make a double click or not as the time between them has it, which differs from run to run.
class Steps {
public:
    Steps(Random& random, const Stage& stage) : random_(random), stage_(stage) {}

    std::string next() {
        int roll = random_.below(100);
        if (roll < 36) return "key " + random_.pick(kKeys);
        if (roll < 44) return std::string("key Alt+") + static_cast<char>(std::toupper(pickLetter()));
        if (roll < 54) return "chars " + quoted(std::string(1, pickTyped()));
        if (roll < 60) return withPointerAtRest(rightClick());
        if (roll < 80) return withPointerAtRest("click-at " + pressPoint(random_.pick(stage_.controls)));
        if (roll < 86) return withPointerAtRest("double-click-at " + pressPoint(random_.pick(stage_.controls)));
        if (roll < 93) return withPointerAtRest(drag());
        if (!stage_.lists.empty()) {
            return withPointerAtRest("mouse-move " + random_.pick(stage_.lists) + "\n  wheel " +
                                     (random_.below(2) ? "1" : "-1"));
        }
        return "close-box";
    }

private:
    char pickLetter() { return stage_.letters[static_cast<size_t>(random_.below(static_cast<int>(stage_.letters.size())))]; }

    char pickTyped() { return stage_.typed[static_cast<size_t>(random_.below(static_cast<int>(stage_.typed.size())))]; }

    // A right click: on a text field its menu opens, something is done with it, and Escape closes it
    // if it is still open (otherwise it cancels the dialog, which stays). A menu left open would
    // take later clicks where the two managers' menus, measured in different fonts, differ.
    std::string rightClick() {
        std::string control = random_.pick(stage_.controls);
        std::string click = "right-click-at " + pressPoint(control);
        if (!isField(stage_, control)) return click;
        return click + "\n  snapshot\n  " + random_.pick(kMenuActions) + "\n  snapshot\n  key Escape";
    }

    std::string pressPoint(const std::string& control) {
        std::string point = somewhereOn(random_, stage_, control);
        if (point == lastPress_) point = point == control ? control + " 3 3" : control;
        lastPress_ = point;
        return point;
    }

    // A press, a move and a release. A drag that starts in a text field ends at one of its own
    // ends: across other controls it would stop inside the text, where fonts decide.
    std::string drag() {
        std::string from = random_.pick(stage_.controls);
        std::string pressed = pressPoint(from);
        auto target = [&]() {
            if (isField(stage_, from)) return from + (random_.below(2) ? " 3 3" : " -3 3");
            return somewhereOn(random_, stage_, random_.pick(stage_.controls));
        };
        std::string over = target();
        std::string released = target();
        return "mouse-down " + pressed + "\n  snapshot\n  mouse-move " + over + "\n  snapshot\n  mouse-up " + released;
    }

    Random& random_;
    const Stage& stage_;
    std::string lastPress_;
};

}  // namespace

std::string randomScenario(uint64_t seed, int steps) {
    Random random(seed);
    const Stage& stage = random.pick(stages());
    std::string text = "scenario sequence " + std::to_string(seed) + "\n  dialog " + stage.name + "\n  keep-ok-cancel\n";
    for (const std::string& action : stage.atInit) text += "  at init: " + action + "\n";
    text += std::string("  set-clipboard null\n  ") + kRest + "\n  snapshot\n";
    Steps actions(random, stage);
    for (int i = 0; i < steps; ++i) text += "  " + actions.next() + "\n  snapshot\n";
    return text;
}

}  // namespace differential
