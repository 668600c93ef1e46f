// Plays one scripted action on an open dialog through the scripted user and tells its effect.
#pragma once

#include "harness/scripted_user/scripted_user.h"
#include "tools/demo/demo_script.h"
#include "tools/demo/transcript.h"

namespace demo {

// Plays the action and says its effect; false, with a problem reported, when the dialog has no
// such control or entry, or the control cannot take the action.
bool performAction(Transcript& transcript, scripted::Dialog& dialog, const Action& action);

}  // namespace demo
