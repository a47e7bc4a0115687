// Where the test program lies on Windows.
#include <windows.h>

#include "support.h"

std::filesystem::path test::ProgramFolder() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::filesystem::path(path).parent_path();
}
