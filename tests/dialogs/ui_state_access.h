// Test access to the shared dialog procedure's module-wide hooks, which UI keeps private.
#pragma once

#include "module/UIResource.h"

struct UIStateAccess {
    static UI::SetupHook setupFunction() { return UI::setupFunction; }
    static UI::ShutdownHook shutdownFunction() { return UI::shutdownFunction; }
    static UI::SelectionHook selectionFunction() { return UI::selectionFunction; }
    static void* info() { return UI::info; }

    // Installs hooks of a test's own, as an entry function would before its dialog runs.
    static void setHooks(UI::SetupHook setup, UI::ShutdownHook shutdown, UI::SelectionHook selection, void* info) {
        UI::setupFunction = setup;
        UI::shutdownFunction = shutdown;
        UI::selectionFunction = selection;
        UI::info = info;
    }
    static void setSelectionFunction(UI::SelectionHook selection) { UI::selectionFunction = selection; }
};
