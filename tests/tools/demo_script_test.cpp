// The demo's script format: steps, dialog blocks in opening order, actions with ids, captions,
// positions and texts, and a clear message with the line number for every bad line.
#include <gtest/gtest.h>

#include "tools/demo/demo_script.h"

namespace {

using demo::ActionKind;
using demo::DemoScript;

std::string parseError(const std::string& text) {
    DemoScript script;
    std::string error;
    EXPECT_FALSE(demo::parseDemoScript(text, script, error)) << text;
    return error;
}

}  // namespace

TEST(DemoScript, StepsDialogBlocksAndActionsAreReadInOrder) {
    DemoScript script;
    std::string error;
    ASSERT_TRUE(demo::parseDemoScript("\xEF\xBB\xBF# a comment, after the byte-order mark an editor wrote\n"
                                      "run edit \"Oak Tree\"   # trailing comment\n"
                                      "  click \"Fake Shadows\"\n"
                                      "  type 1004 \"say \\\"hi\\\" # not a comment\"\n"
                                      "  click 1001\n"
                                      "  enter\n"
                                      "dialog \"Fake Shadow\"\n"
                                      "  double-click 1085 2\n"
                                      "  select 1085 \"Granite\"\n"
                                      "  close\n"
                                      "\n"
                                      "run exit\n"
                                      "  escape\n",
                                      script, error))
        << error;
    ASSERT_EQ(script.steps.size(), 2u);
    const demo::Step& edit = script.steps[0];
    EXPECT_EQ(edit.command, demo::StepCommand::Edit);
    EXPECT_EQ(edit.mesh, "Oak Tree");
    EXPECT_EQ(edit.line, 2);
    ASSERT_EQ(edit.dialogs.size(), 2u);
    EXPECT_EQ(edit.dialogs[0].expectedTitle, "");
    ASSERT_EQ(edit.dialogs[0].actions.size(), 4u);
    EXPECT_EQ(edit.dialogs[0].actions[0].control.caption, "Fake Shadows");
    EXPECT_EQ(edit.dialogs[0].actions[1].text, "say \"hi\" # not a comment");
    EXPECT_EQ(edit.dialogs[0].actions[2].control.id, 1001);
    EXPECT_EQ(edit.dialogs[0].actions[2].source, "click 1001");
    EXPECT_EQ(edit.dialogs[1].expectedTitle, "Fake Shadow");
    EXPECT_EQ(edit.dialogs[1].actions[0].kind, ActionKind::DoubleClick);
    EXPECT_EQ(edit.dialogs[1].actions[0].item.index, 2);
    EXPECT_EQ(edit.dialogs[1].actions[1].item.text, "Granite");
    EXPECT_EQ(edit.dialogs[1].actions[1].line, 9);
    EXPECT_EQ(script.steps[1].command, demo::StepCommand::Exit);
    EXPECT_EQ(script.steps[1].dialogs[0].actions[0].kind, ActionKind::Escape);
}

TEST(DemoScript, BadLinesAreRefusedWithTheirLineNumber) {
    EXPECT_EQ(parseError("click 1\n"), "line 1: \"click\" before the first run line");
    EXPECT_EQ(parseError("run fly\n").rfind("line 1: run takes a step", 0), 0u);
    EXPECT_EQ(parseError("run edit\n"), "line 1: run edit takes one mesh name");
    EXPECT_EQ(parseError("run exit \"now\"\n"), "line 1: run exit takes nothing more");
    EXPECT_EQ(parseError("run exit\n\n  dance\n").rfind("line 3: unknown word \"dance\"", 0), 0u);
    EXPECT_EQ(parseError("run exit\n  type 1200 door\n").rfind("line 2: type needs the text in quotes", 0), 0u);
    EXPECT_EQ(parseError("run exit\n  type 1200 \"open\n"), "line 2: the quoted text has no closing \"");
    EXPECT_EQ(parseError("run exit\n  select 1085\n").rfind("line 2: select takes 2 operand(s)", 0), 0u);
    EXPECT_EQ(parseError("run exit\n  click abc\n").rfind("line 2: a control is a number", 0), 0u);
    EXPECT_EQ(parseError("run exit\n  click \"\"\n").rfind("line 2: a control is a number", 0), 0u);
    EXPECT_EQ(parseError("run exit\n  select 1085 -1\n").rfind("line 2: a list entry is a position", 0), 0u);
    EXPECT_EQ(parseError("run exit\n  click 99999999999\n").rfind("line 2: a control is a number", 0), 0u);
    EXPECT_EQ(parseError("run exit\n  dialog \"a\" \"b\"\n"), "line 2: dialog takes at most one \"title\"");
    EXPECT_EQ(parseError("run exit\n  enter\n  click 1\n").rfind("line 3: nothing can follow enter", 0), 0u);
    EXPECT_EQ(parseError(""), "the script runs no step (no run line)");
    EXPECT_EQ(parseError("# only a comment\n"), "the script runs no step (no run line)");
}
