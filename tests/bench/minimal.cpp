// The benchmark's yardstick: the least Win32 program that does what hosts-adblock does on screen.
// It carries the same icon and manifest, initialises COM/OLE on its thread as the program's
// start-up must, and shows one 270 by 142 window centred on the screen with the same visible
// controls in the plainest form (two buttons, two static texts, a static for the link, a hidden
// edit box with the list); a click writes the list to "hosts" and runs the same
// Save dialog (same request, same hook that centres it).
#include <windows.h>
#include <commdlg.h>
#include <ole2.h>

#include <cstring>

#include "blocking/blocking.h"  // the list itself

namespace {


void Centre(HWND dialog) {
    HWND owner = GetWindow(dialog, GW_OWNER);
    RECT d, o;
    GetWindowRect(dialog, &d);
    GetWindowRect(owner, &o);
    SetWindowPos(dialog, nullptr, o.left + ((o.right - o.left) - (d.right - d.left)) / 2,
                 o.top + ((o.bottom - o.top) - (d.bottom - d.top)) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

UINT_PTR CALLBACK Hook(HWND hook, UINT msg, WPARAM, LPARAM lp) {
    if (msg == WM_NOTIFY && reinterpret_cast<NMHDR*>(lp)->code == CDN_INITDONE) Centre(GetParent(hook));
    return 0;
}

void Press(HWND owner) {
    HANDLE f = CreateFileA("hosts", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f != INVALID_HANDLE_VALUE) {
        DWORD written;
        WriteFile(f, kBlockList, static_cast<DWORD>(std::strlen(kBlockList)), &written, nullptr);
        CloseHandle(f);
    }
    char name[260] = "hosts";
    OPENFILENAMEA ofn = {};
    ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = "*ics\0\0";
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = name;
    ofn.nMaxFile = sizeof name;
    ofn.lpstrInitialDir = "C:\\WINDOWS\\system32\\drivers\\etc";
    ofn.Flags = 0x881826;
    ofn.lpfnHook = Hook;
    GetSaveFileNameA(&ofn);
}

LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_COMMAND && HIWORD(wp) == BN_CLICKED) Press(hwnd);
    if (msg == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    OleInitialize(nullptr);
    WNDCLASSA wc = {};
    wc.lpfnWndProc = Proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hIcon = LoadIconA(instance, "DEFAULT_ICON");
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "Minimal";
    RegisterClassA(&wc);
    HWND w = CreateWindowExA(0, "Minimal", "minimal", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                             (GetSystemMetrics(SM_CXSCREEN) - 270) / 2, (GetSystemMetrics(SM_CYSCREEN) - 142) / 2, 270,
                             142, nullptr, nullptr, instance, nullptr);
    HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    struct Child {
        const char *cls, *text;
        DWORD style;
        int x, y, cx, cy;
    } children[] = {
        {"BUTTON", "屏蔽广告", WS_TABSTOP | BS_PUSHBUTTON, 8, 0, 88, 40},
        {"EDIT", kBlockList, ES_MULTILINE | WS_VSCROLL, 0, 0, 72, 48},
        {"STATIC", "点屏蔽广告，然后直接点保存，重启浏览器。", WS_VISIBLE, 16, 56, 240, 24},
        {"BUTTON", "", WS_TABSTOP | WS_VISIBLE | BS_PUSHBUTTON, 112, 0, 135, 40},
        {"STATIC", "点击查看更多给力软件", WS_VISIBLE | SS_CENTER, 120, 8, 118, 20},
        {"STATIC", "新手刚学，一键改hosts，感谢Kelvaro各路大神庇佑", WS_VISIBLE, 0, 80, 264, 24},
    };
    for (const Child& c : children) {
        HWND child = CreateWindowExA(0, c.cls, c.text, WS_CHILD | WS_CLIPSIBLINGS | c.style | (c.text == kBlockList ? 0 : WS_VISIBLE),
                                     c.x, c.y, c.cx, c.cy, w, nullptr, instance, nullptr);
        SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    ShowWindow(w, SW_SHOW);
    MSG m;
    while (GetMessageA(&m, nullptr, 0, 0) > 0) {
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
    OleUninitialize();
    return 0;
}
