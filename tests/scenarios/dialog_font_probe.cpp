// `dialog_font_probe` (Windows only): says which face USER32 gives a dialog whose template asks for
// each 8-point face the templates use, its height and the dialog base units it makes. Every pixel
// the Windows tests check follows from these; Wine picks the faces from the fonts it can find, so
// the test command prints them first and fails at once when the prefix resolved others.
//
// usage: dialog_font_probe          exit status 1 when a face is not Wine's own
#include <windows.h>

#include <cstdio>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr WORD kPointSize = 8;

struct Face {
    const char* asked;     // what the templates ask for
    const char* expected;  // what the prefix must give: Wine's own face (cmake/wine-prefix.sh)
};
constexpr Face kFaces[] = {{"MS Sans Serif", "MS Sans Serif"}, {"MS Shell Dlg", "Tahoma"}};

void appendWords(std::vector<WORD>& words, const char* text) {
    do words.push_back(static_cast<WORD>(static_cast<unsigned char>(*text)));
    while (*text++ != '\0');
}

// A classic template with no controls: style, counts, position and size, then no menu, the
// default class, an empty caption, the point size and the face.
std::vector<WORD> emptyDialogTemplate(const char* face) {
    std::vector<WORD> words(sizeof(DLGTEMPLATE) / sizeof(WORD), 0);
    DLGTEMPLATE header{};
    header.style = DS_SETFONT | WS_POPUP;
    header.cx = 100;
    header.cy = 50;
    std::memcpy(words.data(), &header, sizeof header);
    words.insert(words.end(), {0, 0, 0, kPointSize});
    appendWords(words, face);
    return words;
}

// The family of the font selected into `context`: a substitute's (MS Shell Dlg is Tahoma) where
// the font has outlines, whose name GetTextFace would give as asked; else the face's own name.
std::string resolvedFamily(HDC context) {
    UINT size = GetOutlineTextMetricsA(context, 0, nullptr);
    if (size == 0) {
        char face[LF_FACESIZE] = "";
        GetTextFaceA(context, sizeof face, face);
        return face;
    }
    std::vector<char> buffer(size);
    auto* metrics = reinterpret_cast<OUTLINETEXTMETRICA*>(buffer.data());
    GetOutlineTextMetricsA(context, size, metrics);
    return buffer.data() + reinterpret_cast<uintptr_t>(metrics->otmpFamilyName);
}

INT_PTR CALLBACK keepEverything(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// Prints what a dialog asking for `face` gets; false when it is not the face expected.
bool reportFace(const Face& face) {
    std::vector<WORD> words = emptyDialogTemplate(face.asked);
    HWND dialog = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), reinterpret_cast<DLGTEMPLATE*>(words.data()),
                                             nullptr, keepEverything, 0);
    if (dialog == nullptr) {
        std::printf("dialog font: no dialog can be created (error %lu)\n", GetLastError());
        return false;
    }
    HDC context = GetDC(dialog);
    HGDIOBJ previous = SelectObject(context, reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0)));
    std::string resolved = resolvedFamily(context);
    TEXTMETRICA metrics{};
    GetTextMetricsA(context, &metrics);
    SelectObject(context, previous);
    ReleaseDC(dialog, context);
    RECT units{0, 0, 4, 8};
    MapDialogRect(dialog, &units);
    DestroyWindow(dialog);

    bool pinned = resolved == face.expected;
    std::printf("dialog font: %d-point \"%s\" resolves to \"%s\" (%s, %ld px high, dialog base units %ld x %ld)%s\n",
                kPointSize, face.asked, resolved.c_str(), (metrics.tmPitchAndFamily & TMPF_VECTOR) != 0 ? "outline" : "bitmap",
                metrics.tmHeight, units.right, units.bottom,
                pinned ? "" : ": not Wine's own, the prefix lacks Wine's fonts (cmake/wine-prefix.sh)");
    return pinned;
}

}  // namespace

int main() {
    bool pinned = true;
    for (const Face& face : kFaces) pinned = reportFace(face) && pinned;
    return pinned ? 0 : 1;
}
