// The process start-up on Windows: the program's start routine, then the runtime's end sequence.
#include <windows.h>

#include <cstdlib>

#include "runtime/core.h"

int StartRoutine();

// Every allocation of the program goes through the runtime, so memory that cannot be had is the
// runtime's fatal error with its message, never an exception that nobody catches.
void* operator new(std::size_t bytes) { return rt::AllocateOrDie(bytes); }
void* operator new[](std::size_t bytes) { return rt::AllocateOrDie(bytes); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    StartRoutine();
    rt::RunEndSequence();
    std::exit(rt::QuitCode());
}
