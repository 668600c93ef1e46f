// The dialog tests' shell recorder on Linux: the headless dialog manager opens nothing and keeps
// a record of the requests.
#include "tests/dialogs/dialog_test_platform.h"

#include "platform/headless/headless_support.h"

namespace testplatform {

ShellRecorder::ShellRecorder() { headless::clearShellRequests(); }

ShellRecorder::~ShellRecorder() { headless::clearShellRequests(); }

// DialogHost::shellOpen takes no window, verb, parameters or directory: the default verb is all
// the module can ask for here.
std::vector<ShellRequest> ShellRecorder::requests() const {
    std::vector<ShellRequest> requests;
    for (const headless::ShellRequest& made : headless::shellRequests())
        requests.push_back(ShellRequest{made.file, made.showCommand, true});
    return requests;
}

}  // namespace testplatform
