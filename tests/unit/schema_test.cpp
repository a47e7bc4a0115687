// The settings schemas of the kinds: numbering, names, defaults and bringing values into range.
#include <gtest/gtest.h>

#include <string>

#include "runtime/definition.h"

namespace {

using rt::Kind;

TEST(Schema, EverySettingStandsAtItsPropertyNumber) {
    for (Kind kind : {Kind::Window, Kind::Button, Kind::EditBox, Kind::Label, Kind::HyperLinker, Kind::CommonDlg}) {
        const auto& schema = rt::SchemaOf(kind);
        for (std::size_t i = 0; i < schema.size(); ++i) EXPECT_EQ(schema[i].number, static_cast<int>(i)) << rt::KindName(kind);
    }
    EXPECT_EQ(rt::SchemaOf(Kind::Window).size(), 32u);
    EXPECT_EQ(rt::SchemaOf(Kind::Button).size(), 14u);
    EXPECT_EQ(rt::SchemaOf(Kind::EditBox).size(), 29u);
    EXPECT_EQ(rt::SchemaOf(Kind::Label).size(), 29u);
    EXPECT_EQ(rt::SchemaOf(Kind::HyperLinker).size(), 18u);
    EXPECT_EQ(rt::SchemaOf(Kind::CommonDlg).size(), 30u);
}

struct Named {
    Kind kind;
    std::int32_t number;
    const char* name;
};

// The property constants that the program's code uses name the settings they are meant to.
TEST(Schema, PropertyConstantsNameTheirSettings) {
    const Named cases[] = {
        {Kind::Window, rt::common::Left, "Left"},           {Kind::Window, rt::common::MousePointer, "MousePointer"},
        {Kind::Window, rt::win::Caption, "Caption"},        {Kind::Window, rt::win::StartPosition, "StartPosition"},
        {Kind::Window, rt::win::EscCloses, "EscCloses"},    {Kind::Window, rt::win::WindowClassName, "WindowClassName"},
        {Kind::Button, rt::button::Caption, "Caption"},     {Kind::Button, rt::button::Font, "Font"},
        {Kind::EditBox, rt::edit::Content, "Content"},      {Kind::EditBox, rt::edit::MultiLine, "MultiLine"},
        {Kind::EditBox, rt::edit::DataColumn, "DataColumn"}, {Kind::Label, rt::label::TextColour, "TextColour"},
        {Kind::Label, rt::label::VerticalAlignment, "VerticalAlignment"},
        {Kind::HyperLinker, rt::link::WebAddress, "WebAddress"}, {Kind::HyperLinker, rt::link::Font, "Font"},
        {Kind::CommonDlg, rt::dialog::FileName, "FileName"}, {Kind::CommonDlg, rt::dialog::HelpContext, "HelpContext"},
        {Kind::CommonDlg, rt::dialog::NoChangeDirectory, "NoChangeDirectory"},
    };
    for (const Named& c : cases)
        EXPECT_STREQ(rt::SchemaOf(c.kind)[static_cast<std::size_t>(c.number)].name, c.name) << rt::KindName(c.kind);
}

struct Clamp {
    Kind kind;
    std::int32_t number;
    std::int64_t given, stored;
};

TEST(Schema, OutOfRangeValuesAreBroughtIntoRange) {
    const Clamp cases[] = {
        {Kind::CommonDlg, rt::dialog::DialogKind, 7, 3},        {Kind::CommonDlg, rt::dialog::DialogKind, -1, 0},
        {Kind::CommonDlg, rt::dialog::HelpCommand, 9, 5},       {Kind::CommonDlg, rt::dialog::InitialFilterIndex, -3, 0},
        {Kind::CommonDlg, rt::dialog::FontSize, -1, 0},         {Kind::Label, rt::label::GradientBorderWidth, 2, 5},
        {Kind::Label, rt::label::GradientBorderWidth, 9, 9},    {Kind::Window, rt::win::BorderStyle, 12, 6},
        {Kind::Window, rt::win::EscCloses, 5, 1},               {Kind::Button, rt::button::ButtonType, 4, 1},
        {Kind::Button, rt::button::HorizontalAlignment, -2, 0}, {Kind::EditBox, rt::edit::ScrollBars, 4, 3},
        {Kind::HyperLinker, rt::link::LinkKind, 3, 1},
    };
    for (const Clamp& c : cases) {
        auto settings = rt::MakeSettings(c.kind, 0, 0, 10, 10, true, {{c.number, c.given}});
        EXPECT_EQ(settings[static_cast<std::size_t>(c.number)].integer, c.stored)
            << rt::KindName(c.kind) << " " << rt::SchemaOf(c.kind)[static_cast<std::size_t>(c.number)].name;
    }
}

TEST(Schema, ANewCommonDialogOpensFilesWithItsThreeChecksOn) {
    auto s = rt::MakeSettings(Kind::CommonDlg, 0, 0, 32, 32, false, {});
    EXPECT_EQ(s[rt::dialog::DialogKind].integer, 0);
    EXPECT_EQ(s[rt::dialog::FileMustExist].integer, 1);
    EXPECT_EQ(s[rt::dialog::OverwritePrompt].integer, 1);
    EXPECT_EQ(s[rt::dialog::PathMustExist].integer, 1);
    EXPECT_EQ(s[rt::dialog::CreatePrompt].integer, 0);
    EXPECT_EQ(s[rt::dialog::NoChangeDirectory].integer, 0);
    EXPECT_EQ(s[rt::dialog::FileName].text, "");
}

}  // namespace
