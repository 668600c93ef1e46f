// Plays a demo script: each step's dialog through the host, and each dialog block's actions
// through the scripted user, as a person would act.
#pragma once

#include "tools/demo/demo_script.h"
#include "tools/demo/editor.h"
#include "tools/demo/transcript.h"

namespace demo {

// Runs every step with no owner window; returns the number of problems met: a dialog whose title
// is not the block's (it is cancelled and the block skipped), controls or entries the dialog
// lacks, actions a control cannot take, dialogs left open, blocks no dialog took.
int playScript(const DemoScript& script, Editor& editor, Transcript& transcript);

}  // namespace demo
