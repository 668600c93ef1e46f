// Random scenarios for the differential run: a seed picks a test template and a sequence of keys,
// typed characters, clicks, drags and wheel turns over its controls, each followed by a snapshot
// of the dialog. The generator is its own (splitmix64), so a seed makes the same scenario on every
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
// its mnemonics, the lists to scroll and how the procedure fills it as it opens.
struct Stage {
    const char* name;
    std::vector<std::string> controls;
    std::vector<std::string> fields;
    std::vector<std::string> lists;
    std::string letters;
    std::vector<std::string> atInit;
};

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
    };
    return all;
}

const std::vector<std::string> kKeys = {
    "Tab", "Shift+Tab", "Up", "Down", "Left", "Right", "Home", "End", "PageUp", "PageDown", "Space", "Back",
    "Delete", "F4", "Alt+Down", "Shift+Left", "Shift+Right", "Shift+Home", "Shift+End", "Ctrl+Left",
    "Ctrl+Right", "Enter", "Escape", "A", "B", "M"};

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

    char pickTyped() {
        static const std::string kTyped = "abkmz 07";
        return kTyped[static_cast<size_t>(random_.below(static_cast<int>(kTyped.size())))];
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
    text += std::string("  ") + kRest + "\n  snapshot\n";
    Steps actions(random, stage);
    for (int i = 0; i < steps; ++i) text += "  " + actions.next() + "\n  snapshot\n";
    return text;
}

}  // namespace differential
