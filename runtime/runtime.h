// The GUI runtime's operations as the program's own code calls them: values, windows, files, dialogs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>

namespace rt {

// ---- Values ---------------------------------------------------------------------------------
//
// A text is a zero-terminated byte string in the ANSI code page; a byte set is a length and that
// many bytes. The runtime hands out fresh heap copies that belong to the caller until it calls
// ReleaseValue. An empty text or byte set comes back as "no value" (a null block) instead.

struct ByteBlock {
    std::size_t size;
    const unsigned char* data() const { return reinterpret_cast<const unsigned char*>(this + 1); }
    unsigned char* data() { return reinterpret_cast<unsigned char*>(this + 1); }
};

enum class ValueKind : std::uint8_t { None, Integer, Logical, Text, Bytes };

struct Value {
    ValueKind kind = ValueKind::None;
    std::int64_t integer = 0;  // Integer and Logical (0 or 1)
    void* block = nullptr;     // Text: char[], Bytes: ByteBlock; null for "no value"

    bool IsNone() const { return block == nullptr && (kind == ValueKind::None || kind == ValueKind::Text || kind == ValueKind::Bytes); }
    const char* text() const { return kind == ValueKind::Text ? static_cast<const char*>(block) : nullptr; }
    const ByteBlock* bytes() const { return kind == ValueKind::Bytes ? static_cast<const ByteBlock*>(block) : nullptr; }
};

// The program's two shared constants, passed wherever "no value" would otherwise be handed on.
// They belong to the program and are never released.
extern const char kEmptyText[1];
extern const ByteBlock kEmptyBytes;

// The text of a value, or the shared empty text when it is no value.
inline const char* TextOrEmpty(const Value& v) { return v.text() ? v.text() : kEmptyText; }
// The byte set of a value, or the shared empty byte set when it is no value.
inline const ByteBlock* BytesOrEmpty(const Value& v) { return v.bytes() ? v.bytes() : &kEmptyBytes; }

// Frees a text or byte set that the runtime handed out; no value is ignored. The value is left
// as no value, so a second release does nothing.
void ReleaseValue(Value& value);

// The bytes of a text without its terminating zero; an empty text gives no value.
Value TextToBytes(const char* text);

// Creates or empties the named file and writes the byte sets in order. False on any failure,
// never a message; an empty name touches nothing. What was written before a failure stays.
bool WriteFileBytes(const char* name, std::initializer_list<const ByteBlock*> sets);

// What reading a whole file found.
enum class FileFound : std::uint8_t { Missing, Read, Unreadable, Folder };

// Reads a whole file into a byte set (no value when it is empty).
FileFound ReadFileBytes(const char* name, Value& bytes);

// The system's error code of the last file operation that failed, and the system's words for it.
std::uint32_t LastFileError();
std::string SystemErrorText(std::uint32_t code);
// The attributes that keep a file from being replaced: read-only, hidden, system.
enum FileProtection : std::uint8_t { kReadOnly = 1, kHidden = 2, kSystem = 4 };
std::uint8_t ReadFileProtection(const char* name);

// Whether an error code says that the user may not write there (no rights, a read-only file).
bool IsAccessDenied(std::uint32_t code);

// Flushes the system's DNS resolver cache, where the system has one to flush; true when it did.
bool FlushDnsCache();

// ---- Windows and controls -------------------------------------------------------------------

using WindowId = std::uint32_t;
using ControlId = std::uint32_t;

// Reads a setting of a control (or, with control 0, of the window itself) by property number.
// Texts come back as fresh copies or no value; while the control exists, place, size, shown and
// disabled are its live state, and an edit box's content is its live text.
Value ReadProperty(WindowId window, ControlId control, std::int32_t property);

// Runs the dialog of a CommonDlg control, modal to the active window. For the file kinds: true
// when the user accepted a file, whose full path is then the control's FileName; anything else
// leaves FileName as it was.
bool Open(WindowId window, ControlId dialog);

// A message box owned by the window, with a warning icon; returns when it is dismissed.
void ShowMessage(WindowId owner, const char* text, const char* caption);

// ---- Program life ---------------------------------------------------------------------------

// Brings the runtime up: definitions in memory, current directory the program's folder, COM/OLE
// on this thread.
void StartRuntime();
// Re-initialises the floating-point unit: all exceptions masked, rounding to nearest.
void ResetFloatingPoint();
// Registers the routine that the end sequence calls once.
void SetEndHook(void (*hook)());
// Builds, shows and activates a window from its definition; a failure is fatal.
void LoadWindow(WindowId window);
// Runs the event loop until the quit message; returns at once when no window exists.
void RunEventLoop();

// Ends the program with a fatal runtime error: message box "错误", end sequence without the end
// hook, exit code -1. Never returns.
[[noreturn]] void FatalError(const char* message, std::int32_t errorCode = 0);

// Heap memory for the runtime's values; failure to get it is fatal.
void* AllocateOrDie(std::size_t bytes);

}  // namespace rt
