// A stand-in browser for the tests: appends the command line it was started with, one line per
// start, to the file that HOSTS_ADBLOCK_RECORD names.
#include <windows.h>

#include <cstdio>

int main() {
    char file[MAX_PATH];
    if (!GetEnvironmentVariableA("HOSTS_ADBLOCK_RECORD", file, MAX_PATH)) return 1;
    if (FILE* f = std::fopen(file, "ab")) {
        std::fprintf(f, "%s\n", GetCommandLineA());
        std::fclose(f);
    }
    return 0;
}
