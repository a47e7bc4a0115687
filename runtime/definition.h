// Window definitions as data: kinds, their settings schemas, and the entries a program stores.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/runtime.h"

namespace rt {

enum class Kind : std::uint8_t { Window, Button, EditBox, Label, HyperLinker, CommonDlg };

enum class SettingType : std::uint8_t { Integer, Logical, Text, Colour, Bytes };

// One setting of a kind: its property number, name, type, range and default.
struct SettingInfo {
    std::int32_t number;
    const char* name;
    SettingType type;
    std::int64_t min;
    std::int64_t max;
    std::int64_t defaultInteger;
    const char* defaultText;  // for Text settings; bytes of a Bytes setting start empty
};

// The settings that every control and window has.
namespace common {
constexpr std::int32_t Left = 0, Top = 1, Width = 2, Height = 3, Tag = 4, Visible = 5, Disabled = 6,
                       MousePointer = 7;
}

// Property numbers of each kind's own settings.
namespace win {
constexpr std::int32_t Caption = 8, BorderStyle = 9, BackColour = 10, BackPicture = 11, PictureMode = 12,
                       BackMusic = 13, MusicPlayMode = 14, ControlButtons = 15, MaximizeButton = 16,
                       MinimizeButton = 17, StartPosition = 18, Movable = 19, Icon = 20, EnterMovesFocus = 21,
                       EscCloses = 22, F1OpensHelp = 23, HelpFile = 24, HelpContext = 25, ShowInTaskbar = 26,
                       DragAnywhere = 27, Shape = 28, AlwaysOnTop = 29, KeepTitleActive = 30,
                       WindowClassName = 31;
}
namespace button {
constexpr std::int32_t Picture = 8, ButtonType = 9, Caption = 10, HorizontalAlignment = 11, VerticalAlignment = 12,
                       Font = 13;
}
namespace edit {
constexpr std::int32_t Content = 8, Border = 9, TextColour = 10, BackColour = 11, Font = 12, HideSelection = 13,
                       MaxLength = 14, MultiLine = 15, ScrollBars = 16, Alignment = 17, InputMode = 18,
                       PasswordChar = 19, CaseConversion = 20, SpinnerMode = 21, SpinnerMin = 22, SpinnerMax = 23,
                       SelectionStart = 24, SelectionLength = 25, SelectedText = 26, DataSource = 27,
                       DataColumn = 28;
}
namespace label {
constexpr std::int32_t Caption = 8, TextEffect = 9, Border = 10, GradientBorderWidth = 11, GradientBorderColour1 = 12,
                       GradientBorderColour2 = 13, GradientBorderColour3 = 14, Font = 15, TextColour = 16,
                       BackColour = 17, BackgroundPicture = 18, BackgroundPictureMode = 19, GradientBackground = 20,
                       GradientBackColour1 = 21, GradientBackColour2 = 22, GradientBackColour3 = 23,
                       HorizontalAlignment = 24, WordWrap = 25, VerticalAlignment = 26, DataSource = 27,
                       DataColumn = 28;
}
namespace link {
constexpr std::int32_t Caption = 8, LinkKind = 9, MailAddress = 10, WebAddress = 11, NormalColour = 12,
                       VisitedColour = 13, HoverColour = 14, BackColour = 15, Border = 16, Font = 17;
}
namespace dialog {
constexpr std::int32_t DialogKind = 8, Title = 9, FileName = 10, Filter = 11, InitialFilterIndex = 12,
                       InitialDirectory = 13, DefaultExtension = 14, CreatePrompt = 15, FileMustExist = 16,
                       OverwritePrompt = 17, PathMustExist = 18, NoChangeDirectory = 19, FontColour = 20, Bold = 21,
                       Italic = 22, Strikeout = 23, Underline = 24, FontName = 25, FontSize = 26, HelpFile = 27,
                       HelpCommand = 28, HelpContext = 29;
}

// The system's button-face colour in a background setting, looked up at every paint.
constexpr std::int64_t kSystemButtonFace = 0xFF000000;

constexpr std::int64_t Rgb(int r, int g, int b) { return r + 256 * g + 65536 * b; }

// A new link's hover colour: the system's highlight colour, looked up when it is drawn.
constexpr std::int64_t kSystemHighlight = 0xFF00000D;

// The schema of a kind, property 0 upward.
const std::vector<SettingInfo>& SchemaOf(Kind kind);
const char* KindName(Kind kind);

// A stored value for one setting of a definition; settings not listed keep their defaults.
struct SettingInit {
    std::int32_t number;
    std::int64_t integer = 0;
    std::string_view text{};
    SettingInit(std::int32_t n, std::int64_t v) : number(n), integer(v) {}
    SettingInit(std::int32_t n, std::string_view t) : number(n), text(t) {}
};

struct EventArgs {
    std::int32_t x = 0, y = 0, keyState = 0;  // key state: 1 Ctrl, 2 Shift, 4 Alt
    std::int32_t key = 0;                      // virtual key or character code, key events
};

// What a handler returns: nothing, or a logical. For a mouse event an explicit false withholds
// the event from the control.
enum class Reply : std::uint8_t { Nothing, True, False };

using Handler = Reply (*)(const EventArgs&);

struct Binding {
    std::int32_t event;
    Handler handler;
};

// Shared event numbers of every kind.
namespace event {
constexpr std::int32_t Clicked = 0, ContentChanged = 0;
constexpr std::int32_t LeftDown = -1, LeftUp = -2, DoubleClick = -3, RightDown = -4, RightUp = -5,
                       MouseMove = -6, FocusGained = -7, FocusLost = -8, KeyDown = -9, KeyUp = -10,
                       Char = -11, Wheel = -12;
constexpr std::int32_t WindowCreated = 0, WindowMayClose = 1, WindowDestroying = 2;
}  // namespace event

struct ControlDefinition {
    ControlId id;
    const char* name;
    Kind kind;
    std::int32_t left, top, width, height;
    bool visible;
    bool tabStop;
    std::int32_t tabOrder;
    std::vector<SettingInit> settings;  // kind-specific settings that differ from the defaults
    std::vector<Binding> bindings;
};

struct WindowDefinition {
    WindowId id;
    const char* name;
    std::int32_t left, top, width, height;
    bool visible;
    std::vector<SettingInit> settings;  // window settings, property 8 upward
    std::vector<ControlDefinition> controls;
    std::vector<Binding> bindings;
};

// The program's window definitions; the program provides this table.
struct DefinitionTable {
    std::uint32_t format;  // kDefinitionFormat, or the definitions cannot be read
    std::vector<WindowDefinition> windows;
};
constexpr std::uint32_t kDefinitionFormat = 0x48414401;  // "HAD" 1

const DefinitionTable& ProgramDefinitions();

// A setting's value at run time.
struct Setting {
    std::int64_t integer = 0;
    std::string text;  // texts and byte data
};

// Brings a value into the range of its setting.
std::int64_t ClampSetting(const SettingInfo& setting, std::int64_t value);

// The settings of a window or control, from its schema, common values and stored values,
// indexed by property number; out-of-range values are clamped.
std::vector<Setting> MakeSettings(Kind kind, std::int32_t left, std::int32_t top, std::int32_t width,
                                  std::int32_t height, bool visible, const std::vector<SettingInit>& stored);

Handler FindHandler(const std::vector<Binding>& bindings, std::int32_t event);

}  // namespace rt
