// The system's dialogs on Win32: file dialogs centred over their owner, the font dialog, help, message boxes.
#include <windows.h>
#include <commdlg.h>

#include <cstring>

#include "runtime/core.h"
#include "runtime/file_dialog.h"
#include "runtime/win32/controls_win32.h"

namespace rt::platform {
namespace {

constexpr UINT kCentreAgain = WM_APP + 1;

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

// The hook of an Explorer-style dialog runs as a child dialog; the dialog itself is its parent.
UINT_PTR CALLBACK FileDialogHook(HWND hook, UINT msg, WPARAM, LPARAM lp) {
    if (msg == WM_NOTIFY && reinterpret_cast<NMHDR*>(lp)->code == CDN_INITDONE) {
        HWND dialog = GetParent(hook);
        CentreOver(dialog, GetWindow(dialog, GW_OWNER));
        // The dialog may still change its size once laid out; centre again when it has settled.
        PostMessageA(hook, kCentreAgain, 0, 0);
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
    char name[kNameBufferSize] = {};
    std::memcpy(name, request.name.data(), request.name.size());
    std::string filter;
    if (request.filterList) filter = *request.filterList + '\0';  // doubly closed, whatever the list holds

    OPENFILENAMEA ofn = {};
    ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    ofn.hwndOwner = GetActiveWindow();
    ofn.lpstrFilter = request.filterList ? filter.c_str() : nullptr;
    ofn.nFilterIndex = request.filterIndex;
    ofn.lpstrFile = name;
    ofn.nMaxFile = sizeof name;
    ofn.lpstrInitialDir = OrNull(request.initialDirectory);
    ofn.lpstrTitle = OrNull(request.title);
    ofn.lpstrDefExt = OrNull(request.defaultExtension);
    ofn.Flags = request.flags;
    ofn.lpfnHook = FileDialogHook;
    const BOOL accepted = request.save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
    if (!accepted) return std::nullopt;
    return std::string(name);
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
