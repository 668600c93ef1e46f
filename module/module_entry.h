// The module entry and the instance handle it stores.
#pragma once

#include "platform/module_entry_point.h"

// DllMain stores `instance` as the module instance on every call, whatever the reason, and
// returns TRUE.

HINSTANCE moduleInstance();
