// The main window's definition: its own settings, its controls and their event bindings.
#include "app/app.h"

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
        {},
        {},
    };
    return window;
}
