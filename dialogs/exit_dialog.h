// The exit dialog's module-wide state and the maker's texts it shows.
#pragma once

#define UIRESOURCE_MAKER_COMPANY "Veldacor"
#define UIRESOURCE_MAKER_WEB_ADDRESS "www.veldacor.com"
// The title shown when the host gives none: the company line, two blanks, the web address.
#define UIRESOURCE_EXIT_DEFAULT_TITLE UIRESOURCE_MAKER_COMPANY "  " UIRESOURCE_MAKER_WEB_ADDRESS

constexpr int kExitLinkCapacity = 256;  // bytes of ExitDialogState::link, NUL included

struct ExitDialogState {
    const char* pendingTitle;      // host's title for the next exit dialog, not copied; null after use
    char link[kExitLinkCapacity];  // NUL-terminated text for the shell on accept; empty means none
};

// Zero at load; set by UI::createExitApplicationDialog and read by its dialog procedure.
extern ExitDialogState exitDialogState;
