// The desktop's clipboard as the headless dialog manager's: while connected, what a field copies
// goes to the system clipboard through SDL, and a paste takes what another program left there, the
// text converted between UTF-8 and the dialogs' code page 1252 both ways as Windows converts it
// (what code page 1252 lacks becomes '?').
#pragma once

namespace desktop {

void connectSystemClipboard();
void disconnectSystemClipboard();

}  // namespace desktop
