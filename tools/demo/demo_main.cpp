// The `uiresource-demo` program: a stand-in for the engine's editor that runs each dialog of the
// library on a small scene, driven by a script of user actions or, on a desktop, by a person.
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include <UIResource/UIResourceVersion.h>

#include "tools/demo/demo_script.h"
#include "tools/demo/editor.h"
#include "tools/demo/main_window.h"
#include "tools/demo/screen_watch.h"
#include "tools/demo/script_player.h"
#include "tools/demo/tour_script.h"
#include "tools/demo/transcript.h"
#include "tools/render/file_bytes.h"

namespace {

constexpr int kUsageError = 2;
constexpr const char* kExitLink = "https://www.example.com/";  // opened when a person accepts the exit dialog

const char kHelp[] =
    "uiresource-demo: a sample host that runs every dialog of UIResource on a small scene.\n\n"
    "usage: uiresource-demo [--script FILE [--check]] [--out DIR] [--snapshot FILE.png]\n\n"
    "  --script FILE  play the user actions in FILE (format: tools/demo/scripts/FORMAT.md; - for\n"
    "                 standard input); without it the main window opens for you (on Linux in a\n"
    "                 window of its own, which needs a display), or, where no window can be shown,\n"
    "                 the built-in main tour plays\n"
    "  --check        read the script and print its steps, dialog blocks and actions as understood,\n"
    "                 opening nothing\n"
    "  --out DIR      where the pictures of the dialogs go (default: uiresource-demo-pictures)\n"
    "  --snapshot FILE.png  with the main window: FILE.png always holds a picture of the screen as it\n"
    "                 stands, drawn by the renderer from the live dialogs\n"
    "  -h, --help     this help\n"
    "  --version      the version of UIResource this program belongs to\n\n"
    "A scripted run prints a transcript: each dialog opened, each action and what it changed, each\n"
    "result and the meshes before and after, and writes a picture of each dialog as the user left it.\n"
    "The main window tells the same as you use it.\n"
    "exit status: 0 done, 1 the script met problems or the main window could not be shown, 2 the\n"
    "command line or the script is wrong\n";

struct Options {
    std::string scriptPath;
    std::string pictureDir = "uiresource-demo-pictures";
    std::string snapshotPath;
    bool help = false;
    bool version = false;
    bool check = false;  // --check: parse the script and print it, running nothing
};

std::string* optionValue(Options& options, const std::string& name) {
    if (name == "--script") return &options.scriptPath;
    if (name == "--out") return &options.pictureDir;
    if (name == "--snapshot") return &options.snapshotPath;
    return nullptr;
}

bool parseOptions(int argc, char** argv, Options& options, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "-h" || arg == "--help") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (arg == "--check") {
            options.check = true;
        } else if (std::string* value = optionValue(options, arg)) {
            if (i + 1 >= argc) {
                error = arg + " needs a value";
                return false;
            }
            *value = argv[++i];
        } else {
            error = "unknown argument " + arg;
            return false;
        }
    }
    if (options.check && options.scriptPath.empty()) {
        error = "--check needs --script FILE";
        return false;
    }
    return true;
}

std::string scriptOrigin(const Options& options) {
    if (options.scriptPath.empty()) return "the built-in tour";
    return options.scriptPath == "-" ? "standard input" : options.scriptPath;
}

bool readScript(const Options& options, std::string& text, std::string& error) {
    if (options.scriptPath.empty()) {
        text = demo::kMainTour;
        return true;
    }
    if (options.scriptPath == "-") {
        text.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
        return true;
    }
    std::vector<uint8_t> bytes;
    if (!uitools::readFileBytes(options.scriptPath, bytes, error)) return false;
    text.assign(bytes.begin(), bytes.end());
    return true;
}

// The picture folder must take files before anything runs: a run whose pictures all fail would
// only say so at its end.
bool preparePictureFolder(const std::string& folder, std::string& error) {
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    const std::string probe = folder + "/.uiresource-demo-probe";
    const uint8_t byte = 0;
    if (!uitools::writeFileBytes(probe, &byte, 1, error)) return false;
    std::remove(probe.c_str());
    return true;
}

// The snapshot must take a picture before anything runs, as the picture folder must.
bool checkSnapshotPath(const std::string& path, std::string& error) {
    if (path.empty()) return true;
    if (path.size() < 4 || path.compare(path.size() - 4, 4, ".png") != 0) {
        error = "--snapshot " + path + ": the picture is written as PNG; give a name ending in .png";
        return false;
    }
    const uint8_t byte = 0;
    if (!uitools::writeFileBytes(path, &byte, 1, error)) {
        error = "--snapshot " + error;
        return false;
    }
    std::remove(path.c_str());
    return true;
}

// The main window for a person, telling the transcript each dialog that opens and each change the
// mesh editor makes as the person acts.
int showMainWindow(demo::ScreenWatch& watch, demo::Editor& editor, demo::Transcript& transcript) {
    watch.follow([&](HWND dialog) {
        if (!transcript.isOpen(dialog)) transcript.dialogOpened(dialog);
        editor.reportLiveChanges();
    });
    std::string error;
    bool shown = demo::runMainWindow(editor, transcript, kExitLink, error);
    demo::stopShowingDialogs();
    if (shown) return 0;
    std::cerr << "uiresource-demo: " << error << "\n";
    return 1;
}

// Whether a person can see the dialogs here: they are shown from now on when so, else `whyNot`
// says why.
bool showDialogsToPerson(demo::ScreenWatch& watch, std::string& whyNot) {
    return watch.start(whyNot) && demo::startShowingDialogs(watch, whyNot);
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    std::string error, text;
    if (!parseOptions(argc, argv, options, error)) {
        std::cerr << "uiresource-demo: " << error << " (uiresource-demo --help)\n";
        return kUsageError;
    }
    if (options.help) {
        std::cout << kHelp;
        return 0;
    }
    if (options.version) {
        std::cout << "uiresource-demo " << UIRESOURCE_VERSION_STRING << "\n";
        return 0;
    }
    demo::DemoScript script;
    if (!readScript(options, text, error) || !demo::parseDemoScript(text, script, error)) {
        std::string origin = scriptOrigin(options);
        std::cerr << "uiresource-demo: " << (error.find(origin) == 0 ? error : origin + ": " + error) << "\n";
        return kUsageError;
    }
    if (options.check) {
        std::cout << demo::describeDemoScript(script);
        return 0;
    }
    if (!preparePictureFolder(options.pictureDir, error)) {
        std::cerr << "uiresource-demo: --out " << error << "\n";
        return kUsageError;
    }
    if (!checkSnapshotPath(options.snapshotPath, error)) {
        std::cerr << "uiresource-demo: " << error << "\n";
        return kUsageError;
    }
    std::string whyNot;
    demo::ScreenWatch watch(options.snapshotPath);
    bool scripted = !options.scriptPath.empty() || !showDialogsToPerson(watch, whyNot);
    if (options.scriptPath.empty() && scripted) {
        std::cerr << "uiresource-demo: the main window cannot be shown: " << whyNot
                  << "; the built-in tour plays instead (--script FILE plays a script of your own)\n";
    }
    std::cout << "uiresource-demo: "
              << (scripted ? "playing " + scriptOrigin(options) : std::string("showing the main window"))
              << std::endl;
    demo::Scene scene;
    demo::buildScene(scene);
    demo::Transcript transcript(std::cout, std::cerr, options.pictureDir);
    demo::Editor editor(scene, transcript);
    int status = 0;
    if (scripted) status = demo::playScript(script, editor, transcript) == 0 ? 0 : 1;
    else status = showMainWindow(watch, editor, transcript);
    std::cout << "pictures of the dialogs as the user left them: " << options.pictureDir << "/\n";
    return status;
}
