// The program's start routine and its own start-up and end-of-program steps.
#include "app/app.h"
#include "runtime/runtime.h"

void ProgramInit() {}

void ProgramCleanup() {}

int StartRoutine() {
    rt::StartRuntime();
    rt::ResetFloatingPoint();
    ProgramInit();
    rt::SetEndHook(ProgramCleanup);
    rt::LoadWindow(kMainWindow);
    rt::RunEventLoop();
    return 0;
}
