// Names shared by the shell marker program and the test that has the real shell start it.
#pragma once

#define kShellMarkerProgram "dialogs_shell_marker.exe"
#define kShellMarkerFile "dialogs_shell_marker.txt"
#define kShellMarkerEvent "UIResourceDialogsShellMarker"
