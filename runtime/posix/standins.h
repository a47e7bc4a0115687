// The native build's stand-ins for the system dialogs and message boxes, which tests drive.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "runtime/file_dialog.h"

namespace rt::standin {

// Answers a file dialog request: the accepted full path, or nothing for a dialog not accepted.
using FileDialog = std::function<std::optional<std::string>(const FileDialogRequest&)>;
void SetFileDialog(FileDialog dialog);

struct Message {
    std::string text, caption;
    bool owned;  // shown with an owner window
};
// The message boxes shown so far, oldest first.
std::vector<Message>& ShownMessages();

}  // namespace rt::standin
