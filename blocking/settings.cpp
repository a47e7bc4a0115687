// The stored settings of 编辑框1, 按钮1 and 通用对话框1.
#include "blocking/blocking.h"

using namespace rt;

std::vector<SettingInit> BlockListBoxSettings() {
    return {
        {edit::Content, kBlockList}, {edit::Border, 1},       {edit::TextColour, Rgb(0, 0, 0)},
        {edit::BackColour, Rgb(255, 255, 255)}, {edit::HideSelection, 1}, {edit::MaxLength, 0},
        {edit::MultiLine, 1},        {edit::ScrollBars, 2},   {edit::Alignment, 0},
        {edit::InputMode, 0},        {edit::PasswordChar, "*"}, {edit::CaseConversion, 0},
        {edit::SpinnerMode, 0},      {edit::SpinnerMin, 0},   {edit::SpinnerMax, 100},
        {edit::SelectionStart, 0},   {edit::SelectionLength, 0},
    };
}

std::vector<SettingInit> BlockButtonSettings() {
    return {{button::ButtonType, 0}, {button::Caption, "屏蔽广告"}, {button::HorizontalAlignment, 1},
            {button::VerticalAlignment, 1}};
}

std::vector<SettingInit> HostsDialogSettings() {
    return {
        {dialog::DialogKind, 1},
        {dialog::FileName, "hosts"},
        {dialog::Filter, "*ics"},
        {dialog::InitialFilterIndex, 0},
        {dialog::InitialDirectory, "C:\\WINDOWS\\system32\\drivers\\etc"},
        // No default extension: with one the system dialog would complete the preset name
        // "hosts" to a new file beside the real one.
        {dialog::DefaultExtension, ""},
        {dialog::CreatePrompt, 0},
        {dialog::FileMustExist, 1},
        {dialog::OverwritePrompt, 1},
        {dialog::PathMustExist, 1},
        {dialog::NoChangeDirectory, 0},
    };
}

Reply BlockListChanged(const EventArgs&) { return Reply::Nothing; }
