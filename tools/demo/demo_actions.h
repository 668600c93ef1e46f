// Plays one scripted action on an open dialog through the scripted user and reports its effect.
#pragma once

#include "platform/scripted_user/scripted_user.h"
#include "tools/demo/demo_script.h"
#include "tools/demo/demo_session.h"

namespace demo {

void performAction(Session& session, scripted::Dialog& dialog, const Action& action);

}  // namespace demo
