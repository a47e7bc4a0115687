// The request that a CommonDlg control's settings make for the system's file dialog.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/definition.h"

namespace rt {

// Option bits of the request, as the system's file dialog takes them.
namespace ofn {
constexpr std::uint32_t OverwritePrompt = 0x2, HideReadOnly = 0x4, NoChangeDir = 0x8, EnableHook = 0x20,
                        PathMustExist = 0x800, FileMustExist = 0x1000, CreatePrompt = 0x2000,
                        Explorer = 0x80000, EnableSizing = 0x800000;
}

constexpr std::size_t kNameBufferSize = 260;

struct FileDialogRequest {
    bool save = false;                      // DialogKind 1, else an open dialog
    std::string name;                       // initial name, at most kNameBufferSize - 1 bytes
    std::optional<std::string> filterList;  // description and pattern pairs, zero-separated, closed by an empty one
    std::uint32_t filterIndex = 0;          // counted from 1; 0 without a list
    std::optional<std::string> initialDirectory, title, defaultExtension;
    std::uint32_t flags = 0;
};

// Whether a byte starts a double-byte character in the ANSI code page.
using LeadBytePredicate = bool (*)(unsigned char);
// The GBK rule (code page 936), for where the system cannot be asked.
bool IsGbkLeadByte(unsigned char byte);

// Filter text to the list that the dialog takes: trailing white space dropped, "||" appended when
// it does not end so, every bar a zero, scanning by character so that a trail byte is never a bar.
// An empty filter gives no list.
std::optional<std::string> FilterList(std::string_view filter, LeadBytePredicate isLead);

// The initial name as the 260-byte name buffer holds it: cut after 259 bytes.
std::string NameForBuffer(std::string_view name);

FileDialogRequest BuildFileDialogRequest(const std::vector<Setting>& settings, LeadBytePredicate isLead);

}  // namespace rt
