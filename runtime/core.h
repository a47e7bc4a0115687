// The runtime's own state behind the operations: window instances, the end sequence, and the few
// services that each platform supplies.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "runtime/definition.h"

namespace rt {

struct ControlInstance {
    const ControlDefinition* def = nullptr;
    std::vector<Setting> settings;
    void* native = nullptr;  // the platform's control, while it exists
};

struct WindowInstance {
    const WindowDefinition* def = nullptr;
    std::vector<Setting> settings;
    std::vector<ControlInstance> controls;
    void* native = nullptr;  // the platform's window, while it exists
    ControlInstance* Control(ControlId id);
};

// Builds the instance of a window from its definition (settings only; nothing native yet).
std::unique_ptr<WindowInstance> MakeWindowInstance(const WindowDefinition& def);

// The windows of the program that exist now.
WindowInstance* FindWindowInstance(WindowId id);
WindowInstance& AddWindowInstance(std::unique_ptr<WindowInstance> instance);
// Forgets a destroyed window; true when it was the last one and the loop is running, so the
// quit message must be posted.
bool RemoveWindowInstance(WindowId id);
std::size_t WindowInstanceCount();

const WindowDefinition* FindDefinition(WindowId id);
void SetLoopRunning();
bool LoopRunning();

// The text shown for a fatal runtime error.
std::string FatalErrorText(std::int32_t errorCode, const char* message);

// The end sequence: definitions dropped, end hook called once and cleared, the runtime's
// holdings released. Entering it again does nothing more.
void RunEndSequence();
// Exit code of the quit message, recorded by the loop.
void SetQuitCode(int code);
int QuitCode();

// Values handed out and not yet released, and attempts to release a shared constant: for tests.
std::size_t LiveValueCount();
std::size_t ConstantReleaseAttempts();

// Makes a fresh text value (no value when empty).
Value MakeText(std::string_view text);
// Makes a fresh byte set value (no value when empty); the bytes may hold zeros.
Value MakeBytes(std::string_view bytes);

struct FileDialogRequest;

namespace platform {
// Runs the system file dialog; the full path when the user accepted.
std::optional<std::string> RunFileDialog(const FileDialogRequest& request, const WindowInstance& window);
// The font and help kinds of a CommonDlg control.
bool RunFontDialog(std::vector<Setting>& settings, const WindowInstance& window);
bool RunHelp(const std::vector<Setting>& settings, const WindowInstance& window);
bool IsLeadByte(unsigned char byte);
void ShowMessage(const WindowInstance* owner, const std::string& text, const std::string& caption);
// Makes the program's folder the current directory and initialises COM/OLE.
void StartServices();
// Releases what the runtime holds: COM/OLE, libraries, icons, its auxiliary window.
void ReleaseServices();
// Creates the native window and controls of an instance, shows and activates it.
bool BuildWindow(WindowInstance& window);
// The live value of a setting while the control (or window, when control is null) exists.
bool ReadLive(const WindowInstance& window, const ControlInstance* control, std::int32_t property, Setting& out);
void RunLoop();
void ShowFatalBox(const std::string& text);
[[noreturn]] void EndProcess(int code);
}  // namespace platform

}  // namespace rt
