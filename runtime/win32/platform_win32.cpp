// Process-level services on Windows: the entry point, the program's folder, COM/OLE, the fatal box.
#include <windows.h>
#include <ole2.h>

#include <cstdlib>

#include "runtime/core.h"

namespace rt::platform {
namespace {
bool g_oleUp = false;
}

void StartServices() {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (n > 0 && n < MAX_PATH) {
        // Cut before the last backslash, scanning by ANSI character so that a double-byte
        // character's trail byte is never taken for one.
        char* cut = nullptr;
        for (char* p = path; *p; p = CharNextA(p))
            if (*p == '\\') cut = p;
        if (cut) {
            cut[cut == path + 2 ? 1 : 0] = 0;  // "C:\" stays whole: "C:" alone is a drive's current folder
            SetCurrentDirectoryA(path);
        }
    }
    g_oleUp = SUCCEEDED(OleInitialize(nullptr));
    std::atexit(RunEndSequence);  // the end sequence is entered again while the process is torn down
}

void ReleaseServices() {
    if (g_oleUp) {
        g_oleUp = false;
        OleUninitialize();
    }
}

void ShowFatalBox(const std::string& text) {
    MessageBoxA(nullptr, text.c_str(), "错误", MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

void EndProcess(int code) { std::exit(code); }

}  // namespace rt::platform
