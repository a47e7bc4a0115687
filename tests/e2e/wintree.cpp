// The end-to-end tests' eyes: prints the window tree of the other programs in this Wine session as JSON.
//
//   wintree            every visible top-level window with its children
//   wintree --all      hidden top-level windows too
//
// Per window: handle, class, text (UTF-8), screen rectangle, rectangle relative to the parent's
// client area, client size, style, extended style, visible, enabled, which child has the focus, a
// button's state (BM_GETSTATE),
// which window is active and foreground, children top of the z-order first.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string Utf8(const wchar_t* w) {
    int n = WideCharToMultiByte(CP_UTF8, 0, w, -1, nullptr, 0, nullptr, nullptr);
    std::string s(static_cast<std::size_t>(n > 0 ? n : 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, w, -1, s.data(), n, nullptr, nullptr);
    s.resize(s.size() - 1);
    return s;
}

std::string Json(const std::string& s) {
    std::string out = "\"";
    for (unsigned char c : s) {
        if (c == '"' || c == '\\') out += '\\', out += static_cast<char>(c);
        else if (c < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
        } else out += static_cast<char>(c);
    }
    return out + "\"";
}

std::string TextOf(HWND hwnd) {
    wchar_t buf[4096] = {};
    // WM_GETTEXT, not GetWindowText: the latter does not ask windows of other processes.
    SendMessageTimeoutW(hwnd, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(buf), SMTO_ABORTIFHUNG, 2000, nullptr);
    return Utf8(buf);
}

std::string ClassOf(HWND hwnd) {
    wchar_t buf[256] = {};
    GetClassNameW(hwnd, buf, 256);
    return Utf8(buf);
}

std::string Rect(const RECT& r) {
    char buf[96];
    std::snprintf(buf, sizeof buf, "[%ld,%ld,%ld,%ld]", r.left, r.top, r.right - r.left, r.bottom - r.top);
    return buf;
}

void Print(HWND hwnd, HWND focus, int depth);

void PrintChildren(HWND hwnd, HWND focus, int depth) {
    std::printf(",\"children\":[");
    bool first = true;
    for (HWND c = GetWindow(hwnd, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (!first) std::printf(",");
        first = false;
        Print(c, focus, depth + 1);
    }
    std::printf("]");
}

void Print(HWND hwnd, HWND focus, int depth) {
    RECT screen, client;
    GetWindowRect(hwnd, &screen);
    GetClientRect(hwnd, &client);
    RECT relative = screen;
    HWND parent = (GetWindowLongW(hwnd, GWL_STYLE) & WS_CHILD) ? GetParent(hwnd) : nullptr;
    if (parent) MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&relative), 2);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    std::printf("{\"hwnd\":%llu,\"pid\":%lu,\"class\":%s,\"text\":%s,\"rect\":%s,\"rel\":%s,\"client\":%s,"
                "\"style\":%lu,\"exstyle\":%lu,\"visible\":%s,\"enabled\":%s,\"focus\":%s,\"id\":%lld",
                static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(hwnd)), pid, Json(ClassOf(hwnd)).c_str(),
                Json(TextOf(hwnd)).c_str(), Rect(screen).c_str(), Rect(relative).c_str(), Rect(client).c_str(),
                static_cast<unsigned long>(GetWindowLongW(hwnd, GWL_STYLE)),
                static_cast<unsigned long>(GetWindowLongW(hwnd, GWL_EXSTYLE)), IsWindowVisible(hwnd) ? "true" : "false",
                IsWindowEnabled(hwnd) ? "true" : "false", hwnd == focus ? "true" : "false",
                static_cast<long long>(GetWindowLongPtrW(hwnd, GWLP_ID)));
    if (ClassOf(hwnd) == "Button") {
        DWORD_PTR state = 0;
        SendMessageTimeoutW(hwnd, BM_GETSTATE, 0, 0, SMTO_ABORTIFHUNG, 2000, &state);
        std::printf(",\"state\":%llu", static_cast<unsigned long long>(state));
    }
    if (depth == 0) {
        HWND owner = GetWindow(hwnd, GW_OWNER);
        std::printf(",\"owner\":%llu", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(owner)));
    }
    PrintChildren(hwnd, focus, depth);
    std::printf("}");
}

}  // namespace

int main(int argc, char** argv) {
    const bool all = argc > 1 && std::string(argv[1]) == "--all";
    const DWORD self = GetCurrentProcessId();
    HWND foreground = GetForegroundWindow();
    std::printf("{\"foreground\":%llu,\"screen\":[%d,%d],\"windows\":[",
                static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(foreground)), GetSystemMetrics(SM_CXSCREEN),
                GetSystemMetrics(SM_CYSCREEN));
    bool first = true;
    for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
        DWORD pid = 0;
        DWORD thread = GetWindowThreadProcessId(w, &pid);
        if (pid == self || (!all && !IsWindowVisible(w))) continue;
        GUITHREADINFO gui = {sizeof gui};
        GetGUIThreadInfo(thread, &gui);
        if (!first) std::printf(",");
        first = false;
        std::printf("{\"active\":%s,\"window\":", gui.hwndActive == w ? "true" : "false");
        Print(w, gui.hwndFocus, 0);
        std::printf("}");
    }
    std::printf("]}\n");
    return 0;
}
