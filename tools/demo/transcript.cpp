// The sample host's transcript, and the pictures of the dialogs it drew.
#include "tools/demo/transcript.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "harness/dialog_driver.h"
#include "tools/render/dialog_painter.h"
#include "tools/render/dialog_view.h"
#include "tools/render/file_bytes.h"
#include "tools/render/module_font.h"

namespace demo {

namespace {

std::string slugOf(const std::string& title) {
    std::string slug;
    for (char c : title) {
        if (std::isalnum(static_cast<unsigned char>(c))) slug += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        else if (!slug.empty() && slug.back() != '-') slug += '-';
    }
    while (!slug.empty() && slug.back() == '-') slug.pop_back();
    return slug.substr(0, 40).empty() ? "dialog" : slug.substr(0, 40);
}

}  // namespace

Transcript::Transcript(std::ostream& out, std::ostream& err, const std::string& pictureDir)
    : out_(out), err_(err), pictureDir_(pictureDir) {
    std::string error;
    fontLoaded_ = uitools::loadModuleFont(font_, error);
    if (!fontLoaded_) out_ << "note: no pictures will be drawn: " << error << "\n";
    DialogDriver::observeClosing(onClosing, this);
}

Transcript::~Transcript() { DialogDriver::observeClosing(nullptr, nullptr); }

void Transcript::say(const std::string& line) {
    out_ << std::string(2 * (1 + openDialogs_.size()), ' ') << line << std::endl;
}

void Transcript::heading(const std::string& line) { out_ << "\n" << line << std::endl; }

void Transcript::problem(const std::string& message) {
    ++problems_;
    say("PROBLEM: " + message);
    err_ << "uiresource-demo: PROBLEM: " << message << "\n";
}

void Transcript::dialogOpened(HWND dialog) {
    say("opened \"" + DialogDriver::text(dialog) + "\"");
    openDialogs_.push_back(dialog);
}

bool Transcript::isOpen(HWND dialog) const {
    return std::find(openDialogs_.begin(), openDialogs_.end(), dialog) != openDialogs_.end();
}

void Transcript::onClosing(HWND dialog, void* transcript) { static_cast<Transcript*>(transcript)->dialogClosing(dialog); }

void Transcript::dialogClosing(HWND dialog) {
    std::string title = DialogDriver::text(dialog);
    std::string picture = fontLoaded_ ? drawPicture(dialog, title) : std::string();
    auto open = std::find(openDialogs_.begin(), openDialogs_.end(), dialog);
    if (open != openDialogs_.end()) openDialogs_.erase(open);
    say("closed \"" + title + "\"" + (picture.empty() ? "" : "; picture " + picture));
}

// The dialog as the user left it, from its live controls; the file's path, or "" when none.
std::string Transcript::drawPicture(HWND dialog, const std::string& title) {
    uitools::DialogView view;
    if (!uitools::viewOfLiveDialog(dialog, view)) return std::string();
    char number[8];
    std::snprintf(number, sizeof number, "%02zu-", pictures_.size() + 1);
    std::string picture = pictureDir_ + "/" + number + slugOf(title) + ".png";
    std::vector<uint8_t> png = uitools::paintDialog(view, font_).encodePng();
    std::string error = picture + ": cannot be drawn";
    if (png.empty() || !uitools::writeFileBytes(picture, png.data(), png.size(), error)) {
        problem("the picture " + error);
        return std::string();
    }
    pictures_.push_back(picture);
    return picture;
}

}  // namespace demo
