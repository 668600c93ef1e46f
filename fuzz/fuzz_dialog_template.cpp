// Fuzzes the dialog template decoder (classic and extended) with the bytes of one DIALOG resource.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_checks.h"
#include "resources/dialog_template.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    uires::DialogTemplate dialog;
    std::string error;
    bool accepted = uires::decodeDialogTemplate(data, size, dialog, error);
    fuzzcheck::requireClearError(accepted, error);
    if (!accepted) return 0;
    for (const uires::DialogControl& control : dialog.controls) {
        control.className();
        fuzzcheck::require(control.creationData.size() < size, "creation data comes from the template's bytes");
    }
    return 0;
}
