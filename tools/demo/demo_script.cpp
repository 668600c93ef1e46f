// Parses the demo's scripts line by line into steps, dialog blocks and actions.
#include "tools/demo/demo_script.h"

#include <cctype>
#include <cstdlib>
#include <sstream>

namespace demo {

namespace {

struct Token {
    std::string text;
    bool quoted = false;
};

// Splits a line into words and "quoted texts" (\" and \\ escape inside quotes); # starts a
// comment outside quotes.
bool tokenize(const std::string& line, std::vector<Token>& tokens, std::string& error) {
    size_t i = 0;
    while (i < line.size()) {
        char c = line[i];
        if (std::isspace(static_cast<unsigned char>(c))) { ++i; continue; }
        if (c == '#') break;
        Token token;
        if (c == '"') {
            token.quoted = true;
            for (++i; i < line.size() && line[i] != '"'; ++i) {
                if (line[i] == '\\' && i + 1 < line.size()) ++i;
                token.text += line[i];
            }
            if (i >= line.size()) {
                error = "the quoted text has no closing \"";
                return false;
            }
            ++i;
        } else {
            while (i < line.size() && !std::isspace(static_cast<unsigned char>(line[i])) && line[i] != '#')
                token.text += line[i++];
        }
        tokens.push_back(token);
    }
    return true;
}

bool parseNumber(const Token& token, int& value) {
    if (token.quoted || token.text.empty() || token.text.size() > 9) return false;
    for (char c : token.text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    }
    value = std::atoi(token.text.c_str());
    return true;
}

bool parseControl(const Token& token, ControlRef& control, std::string& error) {
    if (token.quoted) {
        control.caption = token.text;
        if (!control.caption.empty()) return true;
    } else if (parseNumber(token, control.id)) {
        return true;
    }
    error = "a control is a number (its id) or a \"caption\", not " + (token.quoted ? "\"\"" : token.text);
    return false;
}

bool parseItem(const Token& token, ItemRef& item, std::string& error) {
    if (token.quoted) {
        item.text = token.text;
        return true;
    }
    if (parseNumber(token, item.index)) return true;
    error = "a list entry is a position from 0 or a \"text\", not " + token.text;
    return false;
}

struct ActionSyntax {
    const char* word;
    ActionKind kind;
    size_t operands;
    const char* usage;
};

const ActionSyntax kActions[] = {
    {"click", ActionKind::Click, 1, "click CONTROL"},
    {"type", ActionKind::Type, 2, "type CONTROL \"text\""},
    {"select", ActionKind::Select, 2, "select LIST ENTRY"},
    {"double-click", ActionKind::DoubleClick, 2, "double-click LIST ENTRY"},
    {"enter", ActionKind::Enter, 0, "enter"},
    {"escape", ActionKind::Escape, 0, "escape"},
    {"close", ActionKind::Close, 0, "close"},
};

bool parseAction(const std::vector<Token>& tokens, Action& action, std::string& error) {
    for (const ActionSyntax& syntax : kActions) {
        if (tokens[0].text != syntax.word) continue;
        if (tokens.size() - 1 != syntax.operands) {
            error = std::string(syntax.word) + " takes " + std::to_string(syntax.operands) + " operand(s): " + syntax.usage;
            return false;
        }
        action.kind = syntax.kind;
        if (syntax.operands == 0) return true;
        if (!parseControl(tokens[1], action.control, error)) return false;
        if (action.kind == ActionKind::Type) {
            if (!tokens[2].quoted) error = "type needs the text in quotes: " + std::string(syntax.usage);
            action.text = tokens[2].text;
            return tokens[2].quoted;
        }
        return action.kind == ActionKind::Click || parseItem(tokens[2], action.item, error);
    }
    error = "unknown word \"" + tokens[0].text +
            "\" (expected run, dialog, click, type, select, double-click, enter, escape or close)";
    return false;
}

struct StepSyntax {
    const char* word;
    StepCommand command;
    bool needsMesh;
};

const StepSyntax kSteps[] = {
    {"rename", StepCommand::Rename, true},
    {"pick-material", StepCommand::PickMaterial, true},
    {"edit", StepCommand::Edit, true},
    {"material-properties", StepCommand::MaterialProperties, false},
    {"translator", StepCommand::Translator, false},
    {"exit", StepCommand::Exit, false},
};

const StepSyntax& syntaxOf(StepCommand command) {
    for (const StepSyntax& syntax : kSteps) {
        if (syntax.command == command) return syntax;
    }
    return kSteps[0];
}

bool parseRun(const std::vector<Token>& tokens, Step& step, std::string& error) {
    const StepSyntax* found = nullptr;
    for (const StepSyntax& syntax : kSteps) {
        if (tokens.size() >= 2 && tokens[1].text == syntax.word) found = &syntax;
    }
    if (found == nullptr) {
        error = "run takes a step: rename, pick-material, edit (each with a mesh name), material-properties, "
                "translator or exit";
        return false;
    }
    step.command = found->command;
    if (tokens.size() != (found->needsMesh ? 3u : 2u)) {
        error = std::string("run ") + found->word + (found->needsMesh ? " takes one mesh name" : " takes nothing more");
        return false;
    }
    if (found->needsMesh) step.mesh = tokens[2].text;
    return true;
}

// Keystrokes and the close box are handled by the dialog's loop once the user's script returns.
bool endsTheScript(ActionKind kind) {
    return kind == ActionKind::Enter || kind == ActionKind::Escape || kind == ActionKind::Close;
}

bool parseLine(const std::vector<Token>& tokens, int number, const std::string& source, DemoScript& script,
               std::string& error) {
    if (tokens[0].text == "run") {
        Step step;
        step.line = number;
        if (!parseRun(tokens, step, error)) return false;
        script.steps.push_back(step);
        return true;
    }
    if (script.steps.empty()) {
        error = "\"" + tokens[0].text + "\" before the first run line";
        return false;
    }
    std::vector<DialogBlock>& dialogs = script.steps.back().dialogs;
    if (tokens[0].text == "dialog") {
        if (tokens.size() > 2) error = "dialog takes at most one \"title\"";
        dialogs.push_back(DialogBlock{tokens.size() == 2 ? tokens[1].text : "", number, {}});
        return tokens.size() <= 2;
    }
    Action action;
    action.line = number;
    action.source = source;
    if (!parseAction(tokens, action, error)) return false;
    if (dialogs.empty()) dialogs.push_back(DialogBlock{"", number, {}});
    std::vector<Action>& actions = dialogs.back().actions;
    if (!actions.empty() && endsTheScript(actions.back().kind)) {
        error = "nothing can follow enter, escape or close in the same dialog block (line " +
                std::to_string(actions.back().line) + "); start the next dialog's block with a dialog line";
        return false;
    }
    actions.push_back(action);
    return true;
}

// The line as the transcript repeats it: its words, without indentation or comment.
std::string joinTokens(const std::vector<Token>& tokens) {
    std::string text;
    for (const Token& token : tokens) {
        text += (text.empty() ? "" : " ") + (token.quoted ? "\"" + token.text + "\"" : token.text);
    }
    return text;
}

std::string quoted(const std::string& text) {
    std::string result = "\"";
    for (char c : text) result += (c == '"' || c == '\\') ? std::string("\\") + c : std::string(1, c);
    return result + "\"";
}

std::string describeControl(const ControlRef& control) {
    return control.caption.empty() ? "id " + std::to_string(control.id) : "caption " + quoted(control.caption);
}

std::string describeAction(const Action& action) {
    std::string text = kActions[0].word;
    for (const ActionSyntax& syntax : kActions) {
        if (syntax.kind == action.kind) text = syntax.word;
    }
    if (endsTheScript(action.kind)) return text;
    text += " control " + describeControl(action.control);
    if (action.kind == ActionKind::Type) return text + ", text " + quoted(action.text);
    if (action.kind == ActionKind::Click) return text;
    bool byPosition = action.item.index >= 0;
    return text + ", entry " + (byPosition ? "at " + std::to_string(action.item.index) : quoted(action.item.text));
}

}  // namespace

std::string describeDemoScript(const DemoScript& script) {
    std::string text;
    for (const Step& step : script.steps) {
        text += "line " + std::to_string(step.line) + ": run " + stepWord(step.command) +
                (stepNeedsMesh(step.command) ? " on mesh " + quoted(step.mesh) : "") + "\n";
        for (const DialogBlock& block : step.dialogs) {
            text += "  line " + std::to_string(block.line) + ": dialog " +
                    (block.expectedTitle.empty() ? "of any title" : "titled " + quoted(block.expectedTitle)) + "\n";
            for (const Action& action : block.actions) {
                text += "    line " + std::to_string(action.line) + ": " + describeAction(action) + "\n";
            }
        }
    }
    return text;
}

const char* stepWord(StepCommand command) { return syntaxOf(command).word; }

bool stepNeedsMesh(StepCommand command) { return syntaxOf(command).needsMesh; }

bool parseDemoScript(const std::string& text, DemoScript& script, std::string& error) {
    script = DemoScript();
    const std::string byteOrderMark = "\xEF\xBB\xBF";
    std::istringstream lines(text.compare(0, 3, byteOrderMark) == 0 ? text.substr(3) : text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        std::vector<Token> tokens;
        std::string why;
        bool parsed = tokenize(line, tokens, why);
        if (parsed && tokens.empty()) continue;
        if (!parsed || !parseLine(tokens, number, joinTokens(tokens), script, why)) {
            error = "line " + std::to_string(number) + ": " + why;
            return false;
        }
    }
    if (script.steps.empty()) error = "the script runs no step (no run line)";
    return !script.steps.empty();
}

}  // namespace demo
