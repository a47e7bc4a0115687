// The benchmark's stopwatch: starts a program, times until its window is shown, presses the button
// "屏蔽广告" and times until the Save dialog is shown, then closes both. Prints the two times in
// milliseconds. Usage: probe EXE
#include <windows.h>

#include <cstdio>

namespace {

struct Find {
    DWORD pid;
    HWND owner;  // null: the program's window; else a dialog that this window owns
    HWND found;
};

BOOL CALLBACK Look(HWND w, LPARAM lp) {
    auto* f = reinterpret_cast<Find*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid != f->pid || !IsWindowVisible(w)) return TRUE;
    char cls[64];
    GetClassNameA(w, cls, sizeof cls);
    const bool dialog = lstrcmpA(cls, "#32770") == 0;
    if ((f->owner == nullptr && !dialog) || (f->owner && dialog && GetWindow(w, GW_OWNER) == f->owner)) {
        f->found = w;
        return FALSE;
    }
    return TRUE;
}

double Now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return 1000.0 * static_cast<double>(t.QuadPart) / static_cast<double>(frequency.QuadPart);
}

HWND WaitFor(DWORD pid, HWND owner) {
    Find f = {pid, owner, nullptr};
    for (int i = 0; i < 20000 && !f.found; ++i) {  // 20 s at most
        EnumWindows(Look, reinterpret_cast<LPARAM>(&f));
        if (!f.found) Sleep(1);
    }
    return f.found;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    char folder[MAX_PATH];
    lstrcpynA(folder, argv[1], MAX_PATH);
    *strrchr(folder, '\\') = 0;
    STARTUPINFOA si = {sizeof si};
    PROCESS_INFORMATION pi;
    const double start = Now();
    if (!CreateProcessA(argv[1], nullptr, nullptr, nullptr, FALSE, 0, nullptr, folder, &si, &pi)) return 3;
    HWND window = WaitFor(pi.dwProcessId, nullptr);
    const double shown = Now();
    if (!window) return 4;
    HWND button = FindWindowExA(window, nullptr, "Button", "屏蔽广告");
    if (!button) return 5;
    const double press = Now();
    PostMessageA(button, BM_CLICK, 0, 0);
    HWND dialog = WaitFor(pi.dwProcessId, window);
    const double dialogShown = Now();
    if (!dialog) return 6;
    std::printf("%.1f %.1f\n", shown - start, dialogShown - press);
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    for (int i = 0; i < 5000 && IsWindow(dialog); ++i) Sleep(1);
    PostMessageA(window, WM_CLOSE, 0, 0);
    WaitForSingleObject(pi.hProcess, 20000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return 0;
}
