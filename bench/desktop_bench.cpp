// The Linux desktop's frames, on the largest template (119, "Edit Translator"): painting the screen
// from the live dialog, and a key passed through the driver until the next frame is painted; then
// the same as a host of the desktop library's embedded way sees them: a frame handed to its
// presenter, and a key it hands back until the frame that shows it is presented. Copying frames
// into SDL's windows is left out: it needs a display.
#include <benchmark/benchmark.h>

#include <UIResource/UIResource.h>
#include <UIResource/UIResourceDesktop.h>
#include "bench/host_data.h"
#include "harness/dialog_driver.h"
#include "tools/desktop/desktop_frame.h"

namespace {

struct FrameRun {
    FrameRun(benchmark::State& runState, bool afterInput) : state(runState), throughInput(afterInput) {}
    benchmark::State& state;
    bool throughInput;  // each frame follows a key
    desktop::DialogStack stack;
    desktop::FramePainter painter;
    bool done = false;
};

void paintFrames(FrameRun& run) {
    for (auto _ : run.state) benchmark::DoNotOptimize(run.painter.paint(run.stack.dialogs()).pixels());
    run.done = true;
}

// One iteration: the frame the last key led to is painted, and the next key goes in.
void paintAfterKey(FrameRun& run) {
    benchmark::DoNotOptimize(run.painter.paint(run.stack.dialogs()).pixels());
    if (run.state.KeepRunning()) DialogDriver::pressKey(VK_TAB);
    else run.done = true;
}

void onWaiting(HWND dialog, void* context) {
    FrameRun& run = *static_cast<FrameRun*>(context);
    run.stack.update(dialog);
    if (!run.done) run.throughInput ? paintAfterKey(run) : paintFrames(run);
    if (run.done) DialogDriver::pressKey(VK_ESCAPE);
}

void runFrames(benchmark::State& state, bool throughInput) {
    FrameRun run(state, throughInput);
    std::string error;
    if (!run.painter.loadFont(error)) {
        state.SkipWithError(error.c_str());
        return;
    }
    DialogDriver::attachUser(onWaiting, &run);
    long result = UI::createButtonTranslatorDialog(&benchdata::cancellingProcedure, nullptr);
    DialogDriver::attachUser(nullptr, nullptr);
    if (result != 0 || !run.done) state.SkipWithError("the dialog did not end with Cancel");
}

void paintFrame(benchmark::State& state) { runFrames(state, false); }
void inputToPaint(benchmark::State& state) { runFrames(state, true); }

// ---- Through the desktop library --------------------------------------------------------------

struct Presented {
    benchmark::State& state;
    int key;  // handed back with each frame: Tab moves the focus, Shift alone changes nothing
    bool done = false;
};

// Each frame is one iteration. A host that hands input back is presented the next frame at once.
void presentFrame(const UIDesktopFrame* frame, void* context) {
    Presented& run = *static_cast<Presented*>(context);
    benchmark::DoNotOptimize(frame->pixels);
    int key = run.done || !run.state.KeepRunning() ? UIDESKTOP_KEY_ESCAPE : run.key;
    run.done = key == UIDESKTOP_KEY_ESCAPE;
    UIDesktop::keyDown(key);
    UIDesktop::keyUp(key);
}

void runPresented(benchmark::State& state, int key) {
    Presented run{state, key};
    UIDesktopEmbedded settings{presentFrame, &run, 1};
    if (UIDesktop::showEmbedded(&settings) != UIDESKTOP_DONE) {
        state.SkipWithError(UIDesktop::lastError());
        return;
    }
    long result = UI::createButtonTranslatorDialog(&benchdata::cancellingProcedure, nullptr);
    UIDesktop::stopShowing();
    if (result != 0 || !run.done) state.SkipWithError("the dialog did not end with Cancel");
}

void presentedFrame(benchmark::State& state) { runPresented(state, UIDESKTOP_KEY_SHIFT); }
void keyToPresentedFrame(benchmark::State& state) { runPresented(state, UIDESKTOP_KEY_TAB); }

}  // namespace

BENCHMARK(paintFrame)->Name("paintFrame/template_119")->Unit(benchmark::kMicrosecond);
BENCHMARK(inputToPaint)->Name("inputToPaint/template_119")->Unit(benchmark::kMicrosecond);
BENCHMARK(presentedFrame)->Name("presentedFrame/template_119")->Unit(benchmark::kMicrosecond);
BENCHMARK(keyToPresentedFrame)->Name("keyToPresentedFrame/template_119")->Unit(benchmark::kMicrosecond);
