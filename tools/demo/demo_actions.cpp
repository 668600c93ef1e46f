// Resolves the control and entry an action names, plays it and says what changed on screen.
#include "tools/demo/demo_actions.h"

#include <algorithm>

#include "tools/render/dialog_view.h"

namespace demo {

namespace {

std::string withoutMnemonics(const std::string& caption) {
    std::string text;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) ++i;
        text += caption[i];
    }
    return text;
}

// The control the action names, as the live dialog has it; null (and `error` set) when missing.
bool findControl(scripted::Dialog& dialog, const ControlRef& ref, uitools::ControlView& found, std::string& error) {
    uitools::DialogView view;
    if (!uitools::viewOfLiveDialog(dialog.handle(), view)) {
        error = "the dialog cannot be read";
        return false;
    }
    for (const uitools::ControlView& control : view.controls) {
        bool byCaption = !ref.caption.empty() && withoutMnemonics(control.text) == ref.caption;
        if (byCaption || (ref.caption.empty() && control.id == ref.id)) {
            found = control;
            return true;
        }
    }
    error = ref.caption.empty() ? "the dialog has no control with id " + std::to_string(ref.id)
                                : "the dialog has no control captioned \"" + ref.caption + "\"";
    return false;
}

// The position of the entry the action names in the list's display order, or -1.
int findEntry(scripted::Dialog& dialog, int listId, const ItemRef& item) {
    std::vector<std::string> items = dialog.listItems(listId);
    if (item.index >= 0) return item.index < static_cast<int>(items.size()) ? item.index : -1;
    auto found = std::find(items.begin(), items.end(), item.text);
    return found == items.end() ? -1 : static_cast<int>(found - items.begin());
}

std::string selectionEffect(scripted::Dialog& dialog, int listId) {
    int selected = dialog.listSelection(listId);
    std::vector<std::string> items = dialog.listItems(listId);
    if (selected < 0 || selected >= static_cast<int>(items.size())) return "(nothing selected)";
    return "(selected \"" + items[static_cast<size_t>(selected)] + "\")";
}

bool playListAction(scripted::Dialog& dialog, const Action& action, int listId, std::string& effect,
                    std::string& error) {
    int position = findEntry(dialog, listId, action.item);
    if (position < 0) {
        error = action.item.index >= 0 ? "list " + std::to_string(listId) + " has no entry " + std::to_string(action.item.index)
                                       : "list " + std::to_string(listId) + " has no entry \"" + action.item.text + "\"";
        return false;
    }
    if (action.kind == ActionKind::Select) dialog.clickListItem(listId, position);
    else dialog.doubleClickListItem(listId, position);
    effect = selectionEffect(dialog, listId);
    return true;
}

bool playControlAction(scripted::Dialog& dialog, const Action& action, std::string& effect, std::string& error) {
    uitools::ControlView control;
    if (!findControl(dialog, action.control, control, error)) return false;
    bool isList = control.kind == uitools::ControlKind::ListBox || control.kind == uitools::ControlKind::ComboBox;
    if ((action.kind == ActionKind::Select || action.kind == ActionKind::DoubleClick) && !isList) {
        error = "control " + std::to_string(control.id) + " is no list to pick an entry from";
        return false;
    }
    if (action.kind == ActionKind::Select || action.kind == ActionKind::DoubleClick) {
        return playListAction(dialog, action, control.id, effect, error);
    }
    if (action.kind == ActionKind::Type) {
        if (control.kind != uitools::ControlKind::Edit && control.kind != uitools::ControlKind::ComboBox) {
            error = "control " + std::to_string(control.id) + " is no field to type into";
            return false;
        }
        dialog.type(control.id, action.text);
        effect = "(the field reads \"" + dialog.text(control.id) + "\")";
        return true;
    }
    dialog.click(control.id);
    if (control.kind == uitools::ControlKind::CheckBox) effect = dialog.checked(control.id) ? "(now checked)" : "(now unchecked)";
    return true;
}

}  // namespace

bool performAction(Transcript& transcript, scripted::Dialog& dialog, const Action& action) {
    transcript.say("> " + action.source);
    std::string effect, error;
    bool played = true;
    switch (action.kind) {
        case ActionKind::Enter: dialog.pressEnter(); break;
        case ActionKind::Escape: dialog.pressEscape(); break;
        case ActionKind::Close: dialog.closeBox(); break;
        default: played = playControlAction(dialog, action, effect, error);
    }
    if (!played) {
        transcript.problem("line " + std::to_string(action.line) + ": " + error + "; the action is skipped");
        return false;
    }
    if (!effect.empty()) transcript.say("  " + effect);
    return true;
}

}  // namespace demo
