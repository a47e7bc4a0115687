// The settings schema of every kind of window and control, and how stored values become settings.
#include <algorithm>
#include <climits>

#include "runtime/definition.h"

namespace rt {
namespace {

constexpr std::int64_t kIntMin = INT32_MIN, kIntMax = INT32_MAX;
constexpr std::int64_t kColourMax = 0xFFFFFFFF;

SettingInfo Int(std::int32_t n, const char* name, std::int64_t def = 0, std::int64_t lo = kIntMin,
                std::int64_t hi = kIntMax) {
    return {n, name, SettingType::Integer, lo, hi, def, nullptr};
}
SettingInfo Choice(std::int32_t n, const char* name, std::int64_t hi, std::int64_t def = 0) {
    return {n, name, SettingType::Integer, 0, hi, def, nullptr};
}
SettingInfo Flag(std::int32_t n, const char* name, bool def) {
    return {n, name, SettingType::Logical, 0, 1, def ? 1 : 0, nullptr};
}
SettingInfo Txt(std::int32_t n, const char* name, const char* def = "") {
    return {n, name, SettingType::Text, 0, 0, 0, def};
}
SettingInfo Colour(std::int32_t n, const char* name, std::int64_t def) {
    return {n, name, SettingType::Colour, 0, kColourMax, def, nullptr};
}
SettingInfo Data(std::int32_t n, const char* name) {  // pictures, fonts, cursors, sounds
    return {n, name, SettingType::Bytes, 0, 0, 0, nullptr};
}

std::vector<SettingInfo> WithCommon(std::initializer_list<SettingInfo> own) {
    std::vector<SettingInfo> all = {
        Int(common::Left, "Left"),       Int(common::Top, "Top"),
        Int(common::Width, "Width", 0, 0),  Int(common::Height, "Height", 0, 0),
        Txt(common::Tag, "Tag"),         Flag(common::Visible, "Visible", true),
        Flag(common::Disabled, "Disabled", false), Data(common::MousePointer, "MousePointer"),
    };
    all.insert(all.end(), own);
    return all;
}

constexpr std::int64_t kGrey = Rgb(128, 128, 128), kWhite = Rgb(255, 255, 255);

}  // namespace

const std::vector<SettingInfo>& SchemaOf(Kind kind) {
    static const std::vector<SettingInfo> window = WithCommon({
        Txt(8, "Caption"), Choice(9, "BorderStyle", 6, 2), Colour(10, "BackColour", kSystemButtonFace),
        Data(11, "BackPicture"), Choice(12, "PictureMode", 4, 1), Data(13, "BackMusic"),
        Choice(14, "MusicPlayMode", 2, 0), Flag(15, "ControlButtons", true), Flag(16, "MaximizeButton", false),
        Flag(17, "MinimizeButton", true), Choice(18, "StartPosition", 3, 1), Flag(19, "Movable", true),
        Data(20, "Icon"), Flag(21, "EnterMovesFocus", false), Flag(22, "EscCloses", false),
        Flag(23, "F1OpensHelp", true), Txt(24, "HelpFile"), Int(25, "HelpContext", 0, 0),
        Flag(26, "ShowInTaskbar", true), Flag(27, "DragAnywhere", false), Int(28, "Shape", 0, 0),
        Flag(29, "AlwaysOnTop", false), Flag(30, "KeepTitleActive", false), Txt(31, "WindowClassName"),
    });
    static const std::vector<SettingInfo> button = WithCommon({
        Data(8, "Picture"), Choice(9, "ButtonType", 1, 0), Txt(10, "Caption"),
        Choice(11, "HorizontalAlignment", 2, 1), Choice(12, "VerticalAlignment", 2, 1), Data(13, "Font"),
    });
    static const std::vector<SettingInfo> editBox = WithCommon({
        Txt(8, "Content"), Choice(9, "Border", 5, 1), Colour(10, "TextColour", 0), Colour(11, "BackColour", kWhite),
        Data(12, "Font"), Flag(13, "HideSelection", true), Int(14, "MaxLength", 0, 0), Flag(15, "MultiLine", false),
        Choice(16, "ScrollBars", 3, 0), Choice(17, "Alignment", 2, 0), Choice(18, "InputMode", 2, 0),
        Txt(19, "PasswordChar", "*"), Choice(20, "CaseConversion", 2, 0), Choice(21, "SpinnerMode", 2, 0),
        Int(22, "SpinnerMin", 0), Int(23, "SpinnerMax", 100), Int(24, "SelectionStart", 0, 0),
        Int(25, "SelectionLength", 0, 0), Txt(26, "SelectedText"), Txt(27, "DataSource"), Txt(28, "DataColumn"),
    });
    static const std::vector<SettingInfo> label = WithCommon({
        Txt(8, "Caption", "标签"), Choice(9, "TextEffect", 3, 0), Choice(10, "Border", 6, 0),
        Int(11, "GradientBorderWidth", 8, 5), Colour(12, "GradientBorderColour1", kGrey),
        Colour(13, "GradientBorderColour2", kWhite), Colour(14, "GradientBorderColour3", kGrey), Data(15, "Font"),
        Colour(16, "TextColour", 0), Colour(17, "BackColour", kSystemButtonFace), Data(18, "BackgroundPicture"),
        Choice(19, "BackgroundPictureMode", 2, 1), Choice(20, "GradientBackground", 8, 0),
        Colour(21, "GradientBackColour1", kGrey), Colour(22, "GradientBackColour2", kWhite),
        Colour(23, "GradientBackColour3", kGrey), Choice(24, "HorizontalAlignment", 2, 0),
        Flag(25, "WordWrap", false), Choice(26, "VerticalAlignment", 2, 1), Txt(27, "DataSource"),
        Txt(28, "DataColumn"),
    });
    static const std::vector<SettingInfo> link = WithCommon({
        Txt(8, "Caption"), Choice(9, "LinkKind", 1, 0), Txt(10, "MailAddress"), Txt(11, "WebAddress"),
        Colour(12, "NormalColour", Rgb(0, 0, 255)), Colour(13, "VisitedColour", Rgb(128, 0, 0)),
        Colour(14, "HoverColour", kSystemHighlight), Colour(15, "BackColour", kSystemButtonFace),
        Choice(16, "Border", 5, 0), Data(17, "Font"),
    });
    static const std::vector<SettingInfo> commonDlg = WithCommon({
        Choice(8, "DialogKind", 3, 0), Txt(9, "Title"), Txt(10, "FileName"), Txt(11, "Filter"),
        Int(12, "InitialFilterIndex", 0, 0), Txt(13, "InitialDirectory"), Txt(14, "DefaultExtension"),
        Flag(15, "CreatePrompt", false), Flag(16, "FileMustExist", true), Flag(17, "OverwritePrompt", true),
        Flag(18, "PathMustExist", true), Flag(19, "NoChangeDirectory", false), Colour(20, "FontColour", 0),
        Flag(21, "Bold", false), Flag(22, "Italic", false), Flag(23, "Strikeout", false),
        Flag(24, "Underline", false), Txt(25, "FontName"), Int(26, "FontSize", 0, 0), Txt(27, "HelpFile"),
        Choice(28, "HelpCommand", 5, 0), Int(29, "HelpContext", 0),
    });
    switch (kind) {
        case Kind::Window: return window;
        case Kind::Button: return button;
        case Kind::EditBox: return editBox;
        case Kind::Label: return label;
        case Kind::HyperLinker: return link;
        case Kind::CommonDlg: return commonDlg;
    }
    return window;
}

const char* KindName(Kind kind) {
    switch (kind) {
        case Kind::Window: return "window";
        case Kind::Button: return "Button";
        case Kind::EditBox: return "EditBox";
        case Kind::Label: return "Label";
        case Kind::HyperLinker: return "HyperLinker";
        case Kind::CommonDlg: return "CommonDlg";
    }
    return "";
}

std::int64_t ClampSetting(const SettingInfo& entry, std::int64_t value) {
    if (entry.type == SettingType::Text || entry.type == SettingType::Bytes) return 0;
    return std::clamp(value, entry.min, entry.max);
}

std::vector<Setting> MakeSettings(Kind kind, std::int32_t left, std::int32_t top, std::int32_t width,
                                  std::int32_t height, bool visible, const std::vector<SettingInit>& stored) {
    const auto& schema = SchemaOf(kind);
    std::vector<Setting> settings(schema.size());
    auto assign = [&](std::int32_t number, std::int64_t integer, std::string_view text) {
        if (number < 0 || static_cast<std::size_t>(number) >= schema.size()) return;
        const SettingInfo& entry = schema[static_cast<std::size_t>(number)];
        settings[static_cast<std::size_t>(number)].integer = ClampSetting(entry, integer);
        settings[static_cast<std::size_t>(number)].text.assign(text);
    };
    for (const SettingInfo& entry : schema) assign(entry.number, entry.defaultInteger, entry.defaultText ? entry.defaultText : "");
    assign(common::Left, left, {});
    assign(common::Top, top, {});
    assign(common::Width, width, {});
    assign(common::Height, height, {});
    assign(common::Visible, visible ? 1 : 0, {});
    for (const SettingInit& init : stored) assign(init.number, init.integer, init.text);
    return settings;
}

Handler FindHandler(const std::vector<Binding>& bindings, std::int32_t event) {
    for (const Binding& b : bindings)
        if (b.event == event) return b.handler;
    return nullptr;
}

}  // namespace rt
