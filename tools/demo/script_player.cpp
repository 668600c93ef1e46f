// The script player: one scripted-user script for each dialog block, queued before its step runs.
#include "tools/demo/script_player.h"

#include <memory>

#include "harness/scripted_user/scripted_user.h"
#include "tools/demo/demo_actions.h"

namespace demo {

namespace {

// A dialog that is not the one the block was written for is cancelled, and the block skipped.
bool isTheBlocksDialog(scripted::Dialog& dialog, const DialogBlock& block, Transcript& transcript) {
    std::string title = dialog.title();
    if (block.expectedTitle.empty() || title.find(block.expectedTitle) != std::string::npos) return true;
    transcript.problem("line " + std::to_string(block.line) + ": expected a dialog titled \"" + block.expectedTitle +
                       "\"; it is cancelled and the block skipped");
    dialog.pressEscape();
    return false;
}

std::unique_ptr<scripted::User> queueBlocks(const Step& step, Editor& editor, Transcript& transcript) {
    auto user = std::make_unique<scripted::User>();
    for (const DialogBlock& block : step.dialogs) {
        user->then([&block, &editor, &transcript](scripted::Dialog& dialog) {
            transcript.dialogOpened(dialog.handle());
            if (!isTheBlocksDialog(dialog, block, transcript)) return;
            for (const Action& action : block.actions) {
                if (performAction(transcript, dialog, action)) editor.reportLiveChanges();
            }
        });
    }
    return user;
}

void playStep(const Step& step, Editor& editor, Transcript& transcript) {
    transcript.heading("== run " + std::string(stepWord(step.command)) + (step.mesh.empty() ? "" : " \"" + step.mesh + "\"") +
                       "  (line " + std::to_string(step.line) + ")");
    Mesh* mesh = stepNeedsMesh(step.command) ? findMesh(editor.scene(), step.mesh) : nullptr;
    if (stepNeedsMesh(step.command) && mesh == nullptr) {
        transcript.problem("line " + std::to_string(step.line) + ": the scene has no mesh \"" + step.mesh +
                           "\" (it has \"Boulder\", \"Oak Tree\" and \"Guard\")");
        return;
    }
    std::unique_ptr<scripted::User> user = queueBlocks(step, editor, transcript);
    editor.run(step.command, mesh, nullptr, nullptr);  // a scripted run opens no link
    if (user->scriptsLeft() > 0) {
        transcript.problem(std::to_string(user->scriptsLeft()) + " dialog block(s) of line " +
                           std::to_string(step.line) + "'s step found no dialog to act in");
    }
    if (user->dialogsAbandoned() > 0) transcript.problem("a dialog was left open by its block and ended from outside");
}

}  // namespace

int playScript(const DemoScript& script, Editor& editor, Transcript& transcript) {
    for (const Step& step : script.steps) playStep(step, editor, transcript);
    transcript.heading(std::to_string(script.steps.size()) + " steps, " + std::to_string(transcript.pictures().size()) +
                       " pictures, " + std::to_string(transcript.problems()) + " problems");
    return transcript.problems();
}

}  // namespace demo
