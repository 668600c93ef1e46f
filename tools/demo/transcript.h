// What a run of the sample host tells: one line an event, indented by the dialogs open, the
// problems met (on standard error too), and a picture of each dialog as the user left it. Each
// line is flushed as it is told, for whoever follows a person's session as it goes.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "platform/win32_types.h"
#include "tools/render/bitmap_font.h"

namespace demo {

class Transcript {
public:
    // Hears every dialog close through the driver for its lifetime, and draws it into
    // `pictureDir` (which must exist and be writable) when the module's font can be read.
    Transcript(std::ostream& out, std::ostream& err, const std::string& pictureDir);
    ~Transcript();
    Transcript(const Transcript&) = delete;
    Transcript& operator=(const Transcript&) = delete;

    void say(const std::string& line);  // indented by the dialogs open
    void heading(const std::string& line);  // a step's first line, not indented
    void problem(const std::string& message);
    void dialogOpened(HWND dialog);
    bool isOpen(HWND dialog) const;  // told as opened and not closed yet

    int problems() const { return problems_; }
    const std::vector<std::string>& pictures() const { return pictures_; }

private:
    static void onClosing(HWND dialog, void* transcript);
    void dialogClosing(HWND dialog);
    std::string drawPicture(HWND dialog, const std::string& title);

    std::ostream& out_;
    std::ostream& err_;
    std::string pictureDir_;
    uitools::BitmapFont font_;
    bool fontLoaded_ = false;
    std::vector<HWND> openDialogs_;
    std::vector<std::string> pictures_;
    int problems_ = 0;
};

}  // namespace demo
