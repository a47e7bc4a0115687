// Start of the runtime, the end hook, the end sequence and fatal errors.
#include <cstdio>

#include "runtime/core.h"

namespace rt {
namespace {
void (*g_endHook)() = nullptr;
bool g_definitionsDropped = false;
int g_quitCode = 0;
}  // namespace

void StartRuntime() {
    if (ProgramDefinitions().format != kDefinitionFormat) FatalError("载入窗口模板数据段出错!");
    platform::StartServices();
}

void SetEndHook(void (*hook)()) { g_endHook = hook; }

void SetQuitCode(int code) { g_quitCode = code; }
int QuitCode() { return g_quitCode; }

void RunEndSequence() {
    g_definitionsDropped = true;  // nothing loads a window from here on
    if (auto hook = g_endHook) {
        g_endHook = nullptr;
        hook();
    }
    platform::ReleaseServices();
}

void FatalError(const char* message, std::int32_t errorCode) {
    platform::ShowFatalBox(FatalErrorText(errorCode, message));
    g_endHook = nullptr;
    RunEndSequence();
    platform::EndProcess(-1);
}

const WindowDefinition* FindDefinition(WindowId id) {
    if (g_definitionsDropped) return nullptr;
    for (const WindowDefinition& def : ProgramDefinitions().windows)
        if (def.id == id) return &def;
    return nullptr;
}

}  // namespace rt
