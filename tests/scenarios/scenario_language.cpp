// Reads scenario files into scenarios, sections and statements; what the words mean is the
// runner's business.
#include "tests/scenarios/scenario_language.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace scenario {

namespace {

char escaped(char character) {
    return character == 'n' ? '\n' : character == 'r' ? '\r' : character == 't' ? '\t' : character;
}

// Splits text into words and "quoted texts" (inside quotes \n, \r and \t are a line feed, a
// carriage return and a tab, and \ takes any other character as it is, \" and \\ among them); #
// starts a comment outside quotes and ; stands alone.
bool tokenize(const std::string& text, std::vector<Token>& tokens, std::string& error) {
    for (size_t i = 0; i < text.size();) {
        char c = text[i];
        if (std::isspace(static_cast<unsigned char>(c))) {
            ++i;
        } else if (c == '#') {
            break;
        } else if (c == ';') {
            tokens.push_back(Token{";", false});
            ++i;
        } else if (c == '"') {
            Token token{"", true};
            for (++i; i < text.size() && text[i] != '"'; ++i) {
                if (text[i] == '\\' && i + 1 < text.size()) token.text += escaped(text[++i]);
                else token.text += text[i];
            }
            if (i++ >= text.size()) {
                error = "the quoted text has no closing \"";
                return false;
            }
            tokens.push_back(token);
        } else {
            Token token;
            while (i < text.size() && !std::isspace(static_cast<unsigned char>(text[i])) && text[i] != ';' &&
                   text[i] != '#')
                token.text += text[i++];
            tokens.push_back(token);
        }
    }
    return true;
}

// "a; b; c" as statements.
std::vector<Statement> splitActions(const std::vector<Token>& tokens, int line) {
    std::vector<Statement> actions(1, Statement{{}, line, {}});
    for (const Token& token : tokens) {
        if (!token.quoted && token.text == ";") actions.push_back(Statement{{}, line, {}});
        else actions.back().words.push_back(token);
    }
    if (actions.back().words.empty()) actions.pop_back();
    return actions;
}

// A log entry as it was written: the words, texts quoted again.
std::string joined(const std::vector<Token>& words) {
    std::string text;
    for (const Token& word : words) text += (text.empty() ? "" : " ") + (word.quoted ? "\"" + word.text + "\"" : word.text);
    return text;
}

class Reader {
public:
    Reader(const std::string& file, std::vector<Scenario>& scenarios) : file_(file), scenarios_(scenarios) {}

    bool readLine(const std::string& text, int line, std::string& error) {
        std::string trimmed = text.substr(std::min(text.find_first_not_of(" \t"), text.size()));
        if (inLog_) return readLogLine(trimmed, line);
        if (trimmed.rfind("scenario ", 0) == 0) {
            scenarios_.push_back(Scenario{trimmed.substr(9), file_, line, {}});
            return true;
        }
        std::string header = trimmed, actions;
        size_t colon = findColon(trimmed);
        if (colon != std::string::npos) {
            header = trimmed.substr(0, colon);
            actions = trimmed.substr(colon + 1);
        }
        std::vector<Token> words, actionWords;
        if (!tokenize(header, words, error) || !tokenize(actions, actionWords, error)) return false;
        if (words.empty()) return true;
        if (scenarios_.empty()) {
            error = "\"" + words[0].text + "\" before the first scenario line";
            return false;
        }
        return readStatement(words, actionWords, colon != std::string::npos, line, error);
    }

    bool finish(std::string& error) {
        if (!inLog_) return true;
        error = "the log has no end line";
        return false;
    }

private:
    static size_t findColon(const std::string& text) {
        bool quoted = false;
        for (size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '"' && (i == 0 || text[i - 1] != '\\')) quoted = !quoted;
            if (text[i] == '#' && !quoted) return std::string::npos;
            if (text[i] == ':' && !quoted) return i;
        }
        return std::string::npos;
    }

    bool readLogLine(const std::string& text, int) {
        std::string entry = text.substr(0, text.find('#'));
        while (!entry.empty() && std::isspace(static_cast<unsigned char>(entry.back()))) entry.pop_back();
        if (entry == "end") inLog_ = false;
        else if (!entry.empty()) section().log.push_back(entry);
        return true;
    }

    Section& section() { return scenarios_.back().sections.back(); }

    bool readStatement(const std::vector<Token>& words, const std::vector<Token>& actions, bool hasColon, int line,
                       std::string& error) {
        const bool then =
            words[0].text == "then" && words.size() > 1 && (words[1].text == "dialog" || words[1].text == "call");
        const std::string& first = words[0].text;
        if (then || first == "dialog" || first == "call") {
            scenarios_.back().sections.push_back(Section());
            section().afterPrevious = then;
            section().line = line;
            return readOpening(std::vector<Token>(words.begin() + (then ? 1 : 0), words.end()), line, error);
        }
        if (scenarios_.back().sections.empty()) {
            error = "\"" + first + "\" before the scenario's dialog line";
            return false;
        }
        if (hasColon) return readRule(words, actions, line, error);
        if (first == "log") {
            inLog_ = true;
            section().checksLog = true;
            section().logWithoutFocus = words.size() == 3 && words[1].text == "without" && words[2].text == "focus";
            return true;
        }
        if (first == "result" && words.size() == 2) {
            section().checksResult = true;
            section().result = words[1].text;
            return true;
        }
        if (first == "init-answer" || first == "close-answer" || first == "keep-ok-cancel") {
            std::string setting;
            for (const Token& word : words) setting += (setting.empty() ? "" : " ") + word.text;
            section().settings.push_back(setting);
            return true;
        }
        section().steps.push_back(Statement{words, line, {}});
        wineStepsOf_ = nullptr;
        return true;
    }

    // dialog TEMPLATE | dialog library TEMPLATE | call ENTRY ARGS... [= RESULT]
    bool readOpening(std::vector<Token> words, int line, std::string& error) {
        if (words[0].text == "call") {
            if (words.size() > 3 && !words[words.size() - 2].quoted && words[words.size() - 2].text == "=") {
                section().checksResult = true;
                section().result = words.back().text;
                words.resize(words.size() - 2);
            }
            section().call = Statement{words, line, {}};
            section().checksLog = true;  // what the entry wrote into the host's data: nothing, unless logged
            if (words.size() < 2) error = "call takes a library entry and its arguments";
            return words.size() >= 2;
        }
        section().library = words.size() == 3 && words[1].text == "library";
        section().templateName = words.back().text;
        if (words.size() != (section().library ? 3 : 2)) error = "dialog takes one template name, or library and one";
        return error.empty();
    }

    bool readRule(const std::vector<Token>& words, const std::vector<Token>& actions, int line, std::string& error) {
        if (words.size() == 2 && words[0].text == "at" && words[1].text == "init") {
            std::vector<Statement> more = splitActions(actions, line);
            section().atInit.insert(section().atInit.end(), more.begin(), more.end());
            return true;
        }
        if (words.size() == 2 && words[0].text == "on" && words[1].text == "wine") return readWineStep(actions, line, error);
        if (words.size() == 1 && words[0].text == "log") return readShortLog(actions);
        if (words.size() == 1 && words[0].text == "row") return readRow(actions, line);
        if ((words.size() == 3 || words.size() == 4) && words[0].text == "on" && words[1].text == "command") {
            section().rules.push_back(CommandRule{words[2].text, words.size() == 4 ? words[3].text : "",
                                                  splitActions(actions, line)});
            return true;
        }
        error = "a rule is \"at init: ACTIONS\", \"on command CONTROL [CODE]: ACTIONS\", \"on wine: STEP\" or "
                "\"log: ENTRIES\"";
        return false;
    }

    // "log: ENTRY; ENTRY": a short log on one line.
    bool readShortLog(const std::vector<Token>& actions) {
        section().checksLog = true;
        for (const Statement& entry : splitActions(actions, 0)) section().log.push_back(joined(entry.words));
        return true;
    }

    // "row: STEP; STEP": the steps of one row of a table, taken in a fresh copy of the scenario
    // where the first row stands.
    bool readRow(const std::vector<Token>& actions, int line) {
        if (section().rows.empty()) section().rowsAt = section().steps.size();
        section().rows.push_back(splitActions(actions, line));
        wineStepsOf_ = &section().rows.back();
        return true;
    }

    // "on wine: STEP" takes the place of the step before it (a row's last) under Wine, where Wine
    // is known to differ from Windows.
    bool readWineStep(const std::vector<Token>& actions, int line, std::string& error) {
        std::vector<Statement> step = splitActions(actions, line);
        std::vector<Statement>& steps = wineStepsOf_ != nullptr ? *wineStepsOf_ : section().steps;
        if (steps.empty() || step.size() != 1 || step[0].words.empty()) {
            error = "\"on wine:\" takes one step, in place of a step before it";
            return false;
        }
        steps.back().onWine = step;
        return true;
    }

    std::string file_;
    std::vector<Scenario>& scenarios_;
    bool inLog_ = false;
    std::vector<Statement>* wineStepsOf_ = nullptr;  // the row an "on wine:" line follows
};

// The copy of a scenario that runs one row of its table, in section `at`, titled with the row's
// line; a row's `result N` is what that copy's dialog must return, its `log: ENTRY` one more entry
// of the log.
Scenario rowScenario(const Scenario& scenario, size_t at, const std::vector<Statement>& row) {
    Scenario copy = scenario;
    Section& section = copy.sections[at];
    section.rows.clear();
    copy.title += " (line " + std::to_string(row.empty() ? 0 : row[0].line) + ")";
    auto place = section.steps.begin() + static_cast<std::ptrdiff_t>(section.rowsAt);
    for (const Statement& step : row) {
        if (step.words.size() == 2 && step.words[0].text == "result") {
            section.checksResult = true;
            section.result = step.words[1].text;
        } else if (!step.words.empty() && step.words[0].text == "log:") {
            section.checksLog = true;
            section.log.push_back(joined(std::vector<Token>(step.words.begin() + 1, step.words.end())));
        } else {
            place = section.steps.insert(place, step) + 1;
        }
    }
    return copy;
}

// A scenario with rows becomes one scenario a row.
void expandRows(std::vector<Scenario>& scenarios) {
    std::vector<Scenario> expanded;
    for (Scenario& scenario : scenarios) {
        auto table = std::find_if(scenario.sections.begin(), scenario.sections.end(),
                                  [](const Section& section) { return !section.rows.empty(); });
        if (table == scenario.sections.end()) {
            expanded.push_back(std::move(scenario));
            continue;
        }
        for (const std::vector<Statement>& row : table->rows)
            expanded.push_back(rowScenario(scenario, static_cast<size_t>(table - scenario.sections.begin()), row));
    }
    scenarios = std::move(expanded);
}

}  // namespace

bool parseScenarios(const std::string& text, const std::string& file, std::vector<Scenario>& scenarios,
                    std::string& error) {
    Reader reader(file, scenarios);
    std::istringstream lines(text);
    std::string line;
    std::string why;
    for (int number = 1; std::getline(lines, line); ++number) {
        if (!reader.readLine(line, number, why)) {
            error = file + ":" + std::to_string(number) + ": " + why;
            return false;
        }
    }
    if (!reader.finish(why)) error = file + ": " + why;
    expandRows(scenarios);
    return error.empty();
}

}  // namespace scenario
