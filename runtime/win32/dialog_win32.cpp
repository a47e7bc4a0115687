// The system's dialogs on Win32: file dialogs centred over their owner, the font dialog, help, message boxes.
#include <windows.h>
#include <commdlg.h>
#include <dlgs.h>

#include <cstring>

#include "runtime/core.h"
#include "runtime/file_dialog.h"
#include "runtime/win32/controls_win32.h"

namespace rt::platform {
namespace {

constexpr UINT kCentreAgain = WM_APP + 1;
constexpr std::size_t kLongestPath = 32768;  // the longest path Windows knows, with its zero

void CentreOver(HWND dialog, HWND owner) {
    if (!dialog || !owner) return;
    RECT d, o;
    GetWindowRect(dialog, &d);
    GetWindowRect(owner, &o);
    const int w = d.right - d.left, h = d.bottom - d.top;
    int x = o.left + ((o.right - o.left) - w) / 2, y = o.top + ((o.bottom - o.top) - h) / 2;
    // Keep it on the screen's work area.
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    if (x + w > work.right) x = work.right - w;
    if (y + h > work.bottom) y = work.bottom - h;
    if (x < work.left) x = work.left;
    if (y < work.top) y = work.top;
    SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The name field takes no more than fits the 260-byte name buffer together with the folder shown.
// A longer name could never be accepted, and Wine's dialog, given one, writes past a buffer of its
// own and brings the program down.
void LimitNameField(HWND dialog) {
    char folder[MAX_PATH] = {};
    const LRESULT got = SendMessageA(dialog, CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(folder));
    const std::size_t used = got > 0 ? std::strlen(folder) + 1 : 0;  // the folder and a backslash
    const std::size_t room = used + 1 < kNameBufferSize - 1 ? kNameBufferSize - 1 - used : 1;
    HWND field = GetDlgItem(dialog, edt1);  // with a hook and the 400-size structure, Wine uses edt1
    if (!field) field = FindWindowExA(GetDlgItem(dialog, cmb13), nullptr, "Edit", nullptr);
    if (field) SendMessageA(field, EM_LIMITTEXT, room, 0);
}

// The hook of an Explorer-style dialog runs as a child dialog; the dialog itself is its parent.
UINT_PTR CALLBACK FileDialogHook(HWND hook, UINT msg, WPARAM, LPARAM lp) {
    const UINT code = msg == WM_NOTIFY ? reinterpret_cast<NMHDR*>(lp)->code : 0;
    if (code == CDN_INITDONE) {
        HWND dialog = GetParent(hook);
        CentreOver(dialog, GetWindow(dialog, GW_OWNER));
        LimitNameField(dialog);
        // The dialog may still change its size once laid out; centre again when it has settled.
        PostMessageA(hook, kCentreAgain, 0, 0);
    } else if (code == CDN_FOLDERCHANGE) {
        LimitNameField(GetParent(hook));
    } else if (msg == kCentreAgain) {
        HWND dialog = GetParent(hook);
        CentreOver(dialog, GetWindow(dialog, GW_OWNER));
    }
    return 0;
}

const char* OrNull(const std::optional<std::string>& text) { return text ? text->c_str() : nullptr; }

}  // namespace

bool IsLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != 0; }

std::optional<std::string> RunFileDialog(const FileDialogRequest& request, const WindowInstance&) {
    // The dialog gets far more room than a path may take: Wine's dialog writes a typed name of
    // any length into a buffer of the size it is given, past its end, and crashes. A path that
    // does not fit the 260-byte name buffer is still not accepted.
    std::string name(kLongestPath, '\0');
    std::memcpy(name.data(), request.name.data(), request.name.size());
    std::string filter;
    if (request.filterList) filter = *request.filterList + '\0';  // doubly closed, whatever the list holds

    OPENFILENAMEA ofn = {};
    ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    ofn.hwndOwner = GetActiveWindow();
    ofn.lpstrFilter = request.filterList ? filter.c_str() : nullptr;
    ofn.nFilterIndex = request.filterIndex;
    ofn.lpstrFile = name.data();
    ofn.nMaxFile = static_cast<DWORD>(name.size());
    ofn.lpstrInitialDir = OrNull(request.initialDirectory);
    ofn.lpstrTitle = OrNull(request.title);
    ofn.lpstrDefExt = OrNull(request.defaultExtension);
    ofn.Flags = request.flags;
    ofn.lpfnHook = FileDialogHook;
    const BOOL accepted = request.save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
    if (!accepted) return std::nullopt;
    name.resize(std::strlen(name.c_str()));
    if (name.size() >= kNameBufferSize) return std::nullopt;
    return name;
}

bool RunFontDialog(std::vector<Setting>& s, const WindowInstance&) {
    LOGFONTA lf = {};
    HDC screen = GetDC(nullptr);
    const int size = static_cast<int>(s[dialog::FontSize].integer);
    lf.lfHeight = size > 0 ? -MulDiv(size, GetDeviceCaps(screen, LOGPIXELSY), 72) : 0;
    ReleaseDC(nullptr, screen);
    lf.lfWeight = s[dialog::Bold].integer ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = s[dialog::Italic].integer != 0;
    lf.lfStrikeOut = s[dialog::Strikeout].integer != 0;
    lf.lfUnderline = s[dialog::Underline].integer != 0;
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(lf.lfFaceName, s[dialog::FontName].text.c_str(), LF_FACESIZE);

    CHOOSEFONTA cf = {};
    cf.lStructSize = sizeof cf;
    cf.hwndOwner = GetActiveWindow();
    cf.lpLogFont = &lf;
    cf.rgbColors = static_cast<COLORREF>(s[dialog::FontColour].integer & 0xFFFFFF);
    cf.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
    if (!ChooseFontA(&cf)) return false;
    s[dialog::FontName].text = lf.lfFaceName;
    s[dialog::FontSize].integer = cf.iPointSize / 10;
    s[dialog::Bold].integer = lf.lfWeight >= FW_BOLD;
    s[dialog::Italic].integer = lf.lfItalic != 0;
    s[dialog::Strikeout].integer = lf.lfStrikeOut != 0;
    s[dialog::Underline].integer = lf.lfUnderline != 0;
    s[dialog::FontColour].integer = cf.rgbColors;
    return true;
}

bool RunHelp(const std::vector<Setting>& s, const WindowInstance&) {
    static const UINT commands[] = {HELP_CONTENTS, HELP_CONTEXT, HELP_INDEX, HELP_HELPONHELP, HELP_FINDER, HELP_QUIT};
    const std::string& file = s[dialog::HelpFile].text;
    if (file.empty()) return false;
    const UINT command = commands[s[dialog::HelpCommand].integer];
    return WinHelpA(GetActiveWindow(), file.c_str(), command, static_cast<ULONG_PTR>(s[dialog::HelpContext].integer)) != 0;
}

void ShowMessage(const WindowInstance* owner, const std::string& text, const std::string& caption) {
    const auto* w = owner ? static_cast<const NativeWindow*>(owner->native) : nullptr;
    MessageBoxA(w ? w->hwnd : nullptr, text.c_str(), caption.c_str(), MB_OK | MB_ICONWARNING);
}

}  // namespace rt::platform
