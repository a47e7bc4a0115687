// The forum link on Win32: drawing, following the pointer, and opening its target through the
// shell or, failing that, the browser that the registry names for web pages.
#include <windows.h>
#include <shellapi.h>

#include "guidance/link.h"
#include "guidance/win32/link_win32.h"
#include "runtime/win32/controls_win32.h"

namespace rt::platform {
namespace {

// The unnamed value of a key under HKEY_CLASSES_ROOT, read into at most 260 bytes. Nothing when
// the key does not open, or its value cannot be read, does not fit or is empty.
std::optional<std::string> ReadClassDefault(const std::string& key) {
    HKEY handle;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_QUERY_VALUE, &handle) != ERROR_SUCCESS) return std::nullopt;
    char value[kRegistryValueSize] = {};
    LONG size = sizeof value;
    const LONG result = RegQueryValueA(handle, nullptr, value, &size);
    RegCloseKey(handle);
    if (result != ERROR_SUCCESS || size <= 1 || value[sizeof value - 1] != '\0') return std::nullopt;
    return std::string(value);
}

void Repaint(HWND hwnd) { InvalidateRect(hwnd, nullptr, FALSE); }

void OnMouseMove(NativeControl& n, LPARAM lp) {
    RECT client;
    GetClientRect(n.hwnd, &client);
    const POINT p = {static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
    const HoverStep step = OnLinkMouseMove(n.hover, PtInRect(&client, p) != 0, GetCapture() == n.hwnd);
    n.hover = step.hover;
    if (step.capture) SetCapture(n.hwnd);
    if (step.release) ReleaseCapture();
    if (step.repaint) Repaint(n.hwnd);
}

}  // namespace

bool OpenWithRegisteredBrowser(const std::string& target, int showMode) {
    const std::optional<std::string> type = ReadClassDefault(".htm");
    if (!type) return false;
    const std::optional<std::string> command = ReadClassDefault(*type + "\\shell\\open\\command");
    if (!command) return false;
    const std::optional<std::string> line = FallbackCommandLine(*command, target);
    if (!line) return false;
    return WinExec(line->c_str(), static_cast<UINT>(showMode)) > 32;
}

bool OpenLinkTarget(const std::vector<Setting>& link, int showMode) {
    const std::optional<std::string> target = LinkTargetText(link);
    if (!target) return false;
    const auto shell = reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, "open", target->c_str(), nullptr, nullptr, showMode));
    if (shell > 32) return true;
    return OpenWithRegisteredBrowser(*target, showMode);
}

void PaintLink(NativeControl& n, HDC dc, const RECT& paint) {
    const auto& s = n.instance->settings;
    FillSolid(dc, paint, ResolveColour(s[link::BackColour].integer));
    const std::string text = LinkDisplayText(s);
    RECT r;
    GetClientRect(n.hwnd, &r);
    HGDIOBJ oldFont = SelectObject(dc, n.ownFont ? static_cast<HGDIOBJ>(n.ownFont) : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ResolveColour(LinkColour(s, n.hover, n.visited)));
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r,
              DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOCLIP | DT_NOPREFIX);
    SelectObject(dc, oldFont);
}

bool LinkMessage(NativeControl& n, UINT msg, WPARAM, LPARAM lp) {
    switch (msg) {
        case WM_MOUSEMOVE: OnMouseMove(n, lp); return true;
        case WM_LBUTTONDOWN:
            // The link acts when the button goes down; it takes no focus.
            n.visited = OpenLinkTarget(n.instance->settings, SW_SHOW);
            if (n.visited) Repaint(n.hwnd);
            return true;
        case WM_LBUTTONDBLCLK: return true;  // the second press of a double click opens nothing
    }
    return false;
}

}  // namespace rt::platform
