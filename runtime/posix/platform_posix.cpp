// The native build's stand-ins for the platform: no window system, so windows exist as settings only.
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "runtime/core.h"

namespace rt::platform {

void StartServices() {
    char path[PATH_MAX];
    ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) return;
    std::string folder(path, static_cast<std::size_t>(n));
    folder.resize(folder.rfind('/') + 1);
    if (::chdir(folder.c_str()) != 0) std::perror("chdir");
}

void ReleaseServices() {}

bool BuildWindow(WindowInstance&) { return true; }

bool ReadLive(const WindowInstance&, const ControlInstance*, std::int32_t, Setting&) { return false; }

// Without a window system there is no message to wait for.
void RunLoop() {}

void ShowFatalBox(const std::string& text) { std::fprintf(stderr, "%s", text.c_str()); }

void EndProcess(int code) { std::exit(code); }

}  // namespace rt::platform
