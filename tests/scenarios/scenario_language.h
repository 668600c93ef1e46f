// The scenario language of the suite that runs on both dialog managers (tests/scenarios/*.scn):
// each scenario opens a test template with a recording procedure, lets a user act in it step by
// step, and compares what the procedure received, in order, with the log it expects. The format
// is described in tests/scenarios/README.md.
#pragma once

#include <string>
#include <vector>

namespace scenario {

struct Token {
    std::string text;
    bool quoted = false;
};

// One statement: its words, and where it stands for messages.
struct Statement {
    std::vector<Token> words;
    int line = 0;
    std::vector<Statement> onWine;  // the step Wine takes instead, where it differs from Windows
};

// A procedure rule: when a command from control `control` (and notification `code`, unless it is
// empty) arrives, the procedure runs `actions` and answers TRUE.
struct CommandRule {
    std::string control;
    std::string code;
    std::vector<Statement> actions;
};

// One dialog of a scenario: the first is opened by the scenario, each further one by an `open`
// action of an earlier dialog (or a host callback of a library entry), in that order, unless it
// comes `then`, once the dialog before it has ended.
struct Section {
    std::string templateName;
    bool library = false;                // `dialog library NAME`: the template is the library's own
    Statement call;                      // `call ENTRY ARGS`: opened by the library's entry instead
    bool afterPrevious = false;          // `then dialog ...`, `then call ...`
    int line = 0;
    std::vector<Statement> atInit;       // procedure actions during WM_INITDIALOG
    std::vector<CommandRule> rules;
    std::vector<Statement> steps;        // the user's actions and checks, in order
    std::vector<std::vector<Statement>> rows;  // `row: STEPS`: each a scenario of its own, at rowsAt
    size_t rowsAt = 0;
    std::vector<std::string> settings;   // "init-answer FALSE", "close-answer TRUE", "keep-ok-cancel"
    bool checksLog = false;
    bool logWithoutFocus = false;        // the focus notifications are left out of the comparison
    std::vector<std::string> log;
    bool checksResult = false;
    std::string result;
};

struct Scenario {
    std::string title;
    std::string file;
    int line = 0;
    std::vector<Section> sections;
};

// Reads every scenario of a file's text; false with "file:line: what is wrong" in `error`.
bool parseScenarios(const std::string& text, const std::string& file, std::vector<Scenario>& scenarios,
                    std::string& error);

}  // namespace scenario
