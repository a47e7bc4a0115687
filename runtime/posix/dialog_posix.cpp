// The native build's dialogs and message boxes: stand-ins that tests answer and read.
#include "runtime/core.h"
#include "runtime/posix/standins.h"

namespace rt {
namespace {
standin::FileDialog g_fileDialog;
}

void standin::SetFileDialog(FileDialog dialog) { g_fileDialog = std::move(dialog); }

std::vector<standin::Message>& standin::ShownMessages() {
    static std::vector<Message> messages;
    return messages;
}

namespace platform {

std::optional<std::string> RunFileDialog(const FileDialogRequest& request, const WindowInstance&) {
    if (!g_fileDialog) return std::nullopt;
    return g_fileDialog(request);
}

bool RunFontDialog(std::vector<Setting>&, const WindowInstance&) { return false; }
bool RunHelp(const std::vector<Setting>&, const WindowInstance&) { return false; }
bool IsLeadByte(unsigned char byte) { return IsGbkLeadByte(byte); }

void ShowMessage(const WindowInstance* owner, const std::string& text, const std::string& caption) {
    standin::ShownMessages().push_back({text, caption, owner != nullptr});
}

}  // namespace platform
}  // namespace rt
