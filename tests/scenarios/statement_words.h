// A scenario statement's words, with the readings and answers its handler needs; shared by the
// actions (scenario_statements.cpp) and the checks (scenario_checks.cpp).
#pragma once

#include <string>
#include <vector>

#include "tests/scenarios/scenario_names.h"
#include "tests/scenarios/scenario_statements.h"

namespace scenario {

// A statement's words with the readings handlers need; the first problem met is kept.
class Words {
public:
    Words(const Statement& statement, std::string& error) : words_(statement.words), error_(error) {}

    size_t size() const { return words_.size(); }
    const std::string& text(size_t i) const { return i < words_.size() ? words_[i].text : empty_; }
    bool quoted(size_t i) const { return i < words_.size() && words_[i].quoted; }
    bool ok() const { return error_.empty(); }

    long long value(size_t i) {
        long long result = 0;
        if (i >= words_.size()) fail("a value is missing");
        else if (!valueOf(words_[i].text, result)) fail("no value is named " + words_[i].text);
        return result;
    }

    // Pixels, in numbers or in the measures of the window they are taken on (pixelsOf).
    long long pixels(size_t i, const Measures& measures) {
        long long result = 0;
        if (i >= words_.size()) fail("a value is missing");
        else if (!pixelsOf(words_[i].text, measures, result)) fail(words_[i].text + " is no pixels");
        return result;
    }

    // A quoted text, or the word null for a null pointer.
    const char* textOrNull(size_t i) {
        if (quoted(i)) return words_[i].text.c_str();
        if (text(i) != "null") fail("a \"text\" or null is missing");
        return nullptr;
    }

    // What follows "= ": the answer an action must give; false when none is asked for.
    bool answer(long long& expected) {
        for (size_t at = 0; at + 1 < words_.size(); ++at) {
            if (!words_[at].quoted && words_[at].text == "=") {
                expected = value(at + 1);
                return true;
            }
        }
        return false;
    }

    // How many words come before "= ANSWER".
    size_t operands() const {
        for (size_t at = 0; at < words_.size(); ++at) {
            if (!words_[at].quoted && words_[at].text == "=") return at;
        }
        return words_.size();
    }

    void fail(const std::string& message) {
        if (error_.empty()) error_ = message;
    }

private:
    const std::vector<Token>& words_;
    std::string& error_;
    const std::string empty_;
};

Outcome checked(Words& words);

// An action's answer against the "= ANSWER" the statement asks for.
Outcome answered(Words& words, long long actual);

// The word at i names a control of the dialog, or DIALOG the dialog itself.
HWND windowNamed(Words& words, size_t i, HWND dialog);

int idOf(Words& words, size_t i);

// The measures of a window's pixels: its font's height, and its items' in a list or combo box.
Measures measuresOf(HWND window);

// expect ...: the checks.
Outcome expect(Words& words, StatementContext& context);

}  // namespace scenario
