// One run of the sample host: the scene, the host callbacks the library calls, the steps that
// open the library's dialogs, and (when scripted) the user who answers them, with a transcript
// and a picture of each dialog as the user left it.
#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "tools/demo/demo_scene.h"
#include "tools/demo/demo_script.h"
#include "tools/render/bitmap_font.h"

namespace scripted {
class User;
}

namespace demo {

struct SessionOptions {
    bool scripted = true;     // false: the dialogs wait for a person (a desktop is needed)
    std::string pictureDir;   // where the pictures go; created when missing
};

class Session {
public:
    Session(const SessionOptions& options, std::ostream& transcript);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Runs every step; returns the number of problems met (titles that did not match, controls
    // or entries the script names that the dialog lacks, dialogs left open, blocks never used).
    int play(const DemoScript& script);

    const std::vector<std::string>& pictures() const { return pictures_; }

    // Host callbacks and dialog events; public for the C-style callbacks that forward to them.
    long chooseMaterial(long current);
    Material* lookupMaterial(short id);
    void applied(const char* text, short tag);
    void dialogOpened(HWND dialog, const std::string& title, const DialogBlock& block);
    void dialogClosing(HWND dialog);
    void played(const Action& action, HWND dialog);
    void problem(const std::string& message);
    void say(const std::string& line);  // one transcript line, indented by the dialogs open

private:
    void runStep(const Step& step);
    std::unique_ptr<scripted::User> queueBlocks(const Step& step);
    void reportMeshAfter(const Step& step, const MeshCopy& before, const Mesh& mesh);
    long executeStep(const Step& step, Mesh* mesh);
    long runMeshEditor(Mesh& mesh);
    long runTranslator();
    std::string indent() const;

    SessionOptions options_;
    std::ostream& out_;
    Scene scene_;
    uitools::BitmapFont font_;
    bool fontLoaded_ = false;
    std::vector<HWND> openDialogs_;
    std::vector<std::string> pictures_;
    Mesh* liveMesh_ = nullptr;       // the mesh an open editor changes as the user acts
    MeshCopy liveSeen_;              // its values when last reported
    bool liveChanged_ = false;       // whether the open editor changed the mesh at all
    int problems_ = 0;
};

}  // namespace demo
