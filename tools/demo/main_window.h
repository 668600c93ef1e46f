// The sample host's main window, the same template on Windows (a USER32 dialog) and on Linux (the
// headless dialog manager's, shown by the desktop): the scene's meshes, materials and translators,
// a button for each dialog of the library and what the last one changed.
#pragma once

#include <string>

#include "tools/demo/editor.h"
#include "tools/demo/transcript.h"

namespace demo {

// Shows the main window until the person leaves it (E&xit accepted, Escape or the close box).
// Each button runs its dialog through `editor`, owned by the main window, on the mesh selected in
// its list; `exitLink` is what an accepted exit dialog opens. False, with `error` saying why, when
// the window cannot be shown.
bool runMainWindow(Editor& editor, Transcript& transcript, const char* exitLink, std::string& error);

}  // namespace demo
