// The `uiresource-demo` program: a stand-in for the engine's editor that runs each dialog of the
// library on a small scene, driven by a script of user actions or, on a desktop, by a person.
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include <UIResource/UIResourceVersion.h>

#include "tools/demo/demo_script.h"
#include "tools/demo/editor.h"
#include "tools/demo/script_player.h"
#include "tools/demo/tour_script.h"
#include "tools/demo/transcript.h"
#include "tools/desktop/desktop.h"
#include "tools/render/file_bytes.h"

namespace {

constexpr int kUsageError = 2;
constexpr const char* kExitLink = "https://www.example.com/";  // opened when a person accepts the exit dialog

const char kHelp[] =
    "uiresource-demo: a sample host that runs every dialog of UIResource on a small scene.\n\n"
    "usage: uiresource-demo [--script FILE] [--out DIR]\n\n"
    "  --script FILE  play the user actions in FILE (format: tools/demo/scripts/FORMAT.md); without\n"
    "                 it the built-in main tour plays, except on Windows, where the dialogs wait for you\n"
    "  --out DIR      where the pictures of the dialogs go (default: uiresource-demo-pictures)\n"
    "  -h, --help     this help\n"
    "  --version      the version of UIResource this program belongs to\n\n"
    "A scripted run prints a transcript: each dialog opened, each action and what it changed, each\n"
    "result and the meshes before and after, and writes a picture of each dialog as the user left it.\n"
    "exit status: 0 done, 1 the script met problems, 2 the command line or the script is wrong\n";

struct Options {
    std::string scriptPath;
    std::string pictureDir = "uiresource-demo-pictures";
    bool help = false;
    bool version = false;
};

bool parseOptions(int argc, char** argv, Options& options, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "-h" || arg == "--help") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if ((arg == "--script" || arg == "--out") && i + 1 < argc) {
            (arg == "--script" ? options.scriptPath : options.pictureDir) = argv[++i];
        } else {
            error = arg == "--script" || arg == "--out" ? arg + " needs a value" : "unknown argument " + arg;
            return false;
        }
    }
    return true;
}

bool readScript(const Options& options, std::string& text, std::string& error) {
    if (options.scriptPath.empty()) {
        text = demo::kMainTour;
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

// Without a script, the tour's dialogs wait for a person, one after another.
void showTourToAPerson(const demo::DemoScript& tour, demo::Editor& editor) {
    for (const demo::Step& step : tour.steps) {
        Mesh* mesh = demo::stepNeedsMesh(step.command) ? demo::findMesh(editor.scene(), step.mesh) : nullptr;
        editor.run(step.command, mesh, nullptr, kExitLink);
    }
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
        std::string origin = options.scriptPath.empty() ? "the built-in tour" : options.scriptPath;
        std::cerr << "uiresource-demo: " << (error.find(origin) == 0 ? error : origin + ": " + error) << "\n";
        return kUsageError;
    }
    if (!preparePictureFolder(options.pictureDir, error)) {
        std::cerr << "uiresource-demo: --out " << error << "\n";
        return kUsageError;
    }
    std::string whyNot;
    bool scripted = !options.scriptPath.empty() || !desktop::canShowDialogs(whyNot);
    std::cout << "uiresource-demo: " << (scripted ? "playing " : "showing the dialogs of ")
              << (options.scriptPath.empty() ? "the built-in tour" : options.scriptPath) << "\n";
    demo::Scene scene;
    demo::buildScene(scene);
    demo::Transcript transcript(std::cout, std::cerr, options.pictureDir);
    demo::Editor editor(scene, transcript);
    int problems = 0;
    if (scripted) problems = demo::playScript(script, editor, transcript);
    else showTourToAPerson(script, editor);
    std::cout << "pictures of the dialogs as the user left them: " << options.pictureDir << "/\n";
    return problems == 0 ? 0 : 1;
}
