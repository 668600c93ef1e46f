// The demo's script of user actions: which host steps run, and what the user does in each dialog
// they open. The format is described in tools/demo/scripts/FORMAT.md.
#pragma once

#include <string>
#include <vector>

namespace demo {

enum class ActionKind { Click, Type, Select, DoubleClick, Enter, Escape, Close };

// A control named by its id or by its caption ("&" marks ignored).
struct ControlRef {
    int id = 0;
    std::string caption;  // used when not empty
};

// A list entry named by its position (from 0) or by its text.
struct ItemRef {
    int index = -1;
    std::string text;  // used when index is -1
};

struct Action {
    ActionKind kind = ActionKind::Enter;
    ControlRef control;  // click, type, select, double-click
    std::string text;    // type
    ItemRef item;        // select, double-click
    int line = 0;
    std::string source;  // the line as written, without its comment
};

// What the user does in one dialog, in the order the dialogs open (nested ones included).
struct DialogBlock {
    std::string expectedTitle;  // the opened dialog's title must contain it; empty: any
    int line = 0;
    std::vector<Action> actions;
};

// What the host does in a step; each opens a dialog of the library.
enum class StepCommand { Rename, PickMaterial, Edit, MaterialProperties, Translator, Exit };

struct Step {
    StepCommand command = StepCommand::Rename;
    std::string mesh;  // the mesh's name, for the commands that work on one
    int line = 0;
    std::vector<DialogBlock> dialogs;
};

struct DemoScript {
    std::vector<Step> steps;
};

// False with "line N: what is wrong" in `error` at the first bad line. A UTF-8 byte-order mark
// that an editor put at the start is skipped.
bool parseDemoScript(const std::string& text, DemoScript& script, std::string& error);

// The script as the parser understood it, one line per step, dialog block and action, each with
// its line number: what --check prints.
std::string describeDemoScript(const DemoScript& script);

// The word a script names the command by ("pick-material"), and whether it works on a mesh.
const char* stepWord(StepCommand command);
bool stepNeedsMesh(StepCommand command);

}  // namespace demo
