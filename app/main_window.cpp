// The main window's definition: its own settings, its controls and their event bindings.
#include "app/app.h"
#include "blocking/blocking.h"
#include "guidance/guidance.h"

using namespace rt;

const WindowDefinition& MainWindowDefinition() {
    static const WindowDefinition window = {
        kMainWindow, "", 50, 50, 270, 142, true,
        {
            {win::Caption, "屏蔽广告 - 新手作品 @Kelvaro"},
            {win::BorderStyle, 2},
            {win::BackColour, kSystemButtonFace},
            {win::PictureMode, 1},
            {win::MusicPlayMode, 0},
            {win::ControlButtons, 1},
            {win::MaximizeButton, 0},
            {win::MinimizeButton, 0},
            {win::StartPosition, 1},
            {win::Movable, 1},
            {win::EnterMovesFocus, 0},
            {win::EscCloses, 1},
            {win::F1OpensHelp, 0},
            {win::HelpContext, 0},
            {win::ShowInTaskbar, 1},
            {win::DragAnywhere, 0},
            {win::Shape, 0},
            {win::AlwaysOnTop, 0},
            {win::KeepTitleActive, 0},
        },
        {
            // id, name, kind, left, top, width, height, visible, tab stop, tab order, settings, bindings
            {按钮1, "按钮1", Kind::Button, 8, 0, 88, 40, true, true, 0, BlockButtonSettings(),
             {{event::Clicked, BlockAdsCommand}}},
            {编辑框1, "编辑框1", Kind::EditBox, 0, 0, 72, 48, false, true, 0, BlockListBoxSettings(),
             {{event::ContentChanged, BlockListChanged}}},
            {通用对话框1, "通用对话框1", Kind::CommonDlg, 216, 64, 32, 32, false, false, 0, HostsDialogSettings(), {}},
            {标签1, "标签1", Kind::Label, 16, 56, 240, 24, true, false, 0, InstructionLabelSettings(), {}},
            {按钮2, "按钮2", Kind::Button, 112, 0, 135, 40, true, true, 0, LinkFrameButtonSettings(), {}},
            {超级链接框1, "超级链接框1", Kind::HyperLinker, 120, 8, 118, 20, true, false, 0, ForumLinkSettings(),
             {{event::LeftDown, ForumLinkPressed}}},
            {标签2, "标签2", Kind::Label, 0, 80, 264, 24, true, false, 0, CreditLabelSettings(), {}},
        },
        {},
    };
    return window;
}
