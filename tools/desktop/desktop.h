// Showing the library's dialogs to a person: on Windows USER32 shows them in real windows; on
// Linux they would need a window of the demo's own around the headless dialog manager.
#pragma once

#include <string>

namespace desktop {

// Whether a person can see and answer dialogs here; when not, `whyNot` says why.
bool canShowDialogs(std::string& whyNot);

}  // namespace desktop
