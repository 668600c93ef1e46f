// The dialog procedure of "Edit Mesh" (template 109): fills the controls from the current mesh
// and writes each change into it the moment a control reports it.
#pragma once

#include "platform/win32_types.h"

INT_PTR CALLBACK meshEditorProcedure(HWND dialog, UINT message, WPARAM wordParam, LPARAM longParam);
