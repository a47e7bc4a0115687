// Open: the dialog of a CommonDlg control, from its settings, and what an accepted dialog leaves.
#include "runtime/core.h"
#include "runtime/file_dialog.h"

namespace rt {

bool Open(WindowId window, ControlId control) {
    WindowInstance* w = FindWindowInstance(window);
    ControlInstance* c = w ? w->Control(control) : nullptr;
    if (!c || c->def->kind != Kind::CommonDlg) return false;
    switch (c->settings[dialog::DialogKind].integer) {
        case 2: return platform::RunFontDialog(c->settings, *w);
        case 3: return platform::RunHelp(c->settings, *w);
    }
    const FileDialogRequest request = BuildFileDialogRequest(c->settings, platform::IsLeadByte);
    std::optional<std::string> path = platform::RunFileDialog(request, *w);
    if (!path) return false;
    c->settings[dialog::FileName].text = *path;
    return true;
}

void ShowMessage(WindowId owner, const char* text, const char* caption) {
    platform::ShowMessage(FindWindowInstance(owner), text ? text : "", caption ? caption : "");
}

}  // namespace rt
