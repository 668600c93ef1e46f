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

struct Step {
    std::string command;   // rename, pick-material, edit, material-properties, translator, exit
    std::string argument;  // the mesh's name for rename, pick-material and edit
    int line = 0;
    std::vector<DialogBlock> dialogs;
};

struct DemoScript {
    std::vector<Step> steps;
};

// False with "line N: what is wrong" in `error` at the first bad line.
bool parseDemoScript(const std::string& text, DemoScript& script, std::string& error);

// Whether `command` is a step the demo can run, and whether it names a mesh.
bool isStepCommand(const std::string& command, bool& needsMesh);

}  // namespace demo
