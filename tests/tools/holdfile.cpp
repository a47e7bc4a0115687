// A stand-in for another program that holds a file open, shared with no one, until its input ends.
#include <windows.h>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    HANDLE file = CreateFileA(argv[1], GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    std::puts("held");
    std::fflush(stdout);
    char c;
    while (std::fread(&c, 1, 1, stdin) == 1) {
    }
    CloseHandle(file);
    return 0;
}
