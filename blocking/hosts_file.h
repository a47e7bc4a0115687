// Replacing the target file's content with the list without losing what it held before.
#pragma once

#include <cstdint>
#include <string>

#include "runtime/runtime.h"

struct WriteOutcome {
    enum Kind : std::uint8_t { Written, NoName, BackupFailed, WriteFailed } kind;
    std::uint32_t error = 0;      // the system's error code of a failure
    std::uint8_t protection = 0;  // the target's read-only, hidden and system attributes then
};

// The name of the copy of a file's former content: the same name plus ".bak".
std::string BackupName(const char* name);

// Writes the bytes as the file's whole content. An existing file whose bytes differ is first copied
// to its backup; when that copy cannot be made, the file is not touched. A file that already holds
// these bytes gets no new backup, so the first one is kept.
WriteOutcome ReplaceKeepingBackup(const char* name, const rt::ByteBlock* bytes);

// Whether the file holds exactly these bytes, read back from the disk.
bool FileHolds(const char* name, const rt::ByteBlock* bytes);

// What the user is told when the file, read back, does not hold what was written.
std::string MismatchReport(const char* name);

// What the user is told of a failure: the file, the system's reason and what to do.
std::string FailureReport(const char* name, const WriteOutcome& outcome);
