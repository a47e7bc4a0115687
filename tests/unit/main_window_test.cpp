// The main window's stored settings, read through ReadProperty once the window is loaded.
#include <gtest/gtest.h>

#include "app/app.h"
#include "runtime/core.h"

namespace {

class MainWindow : public testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!rt::FindWindowInstance(kMainWindow)) rt::LoadWindow(kMainWindow);
    }
};

std::int64_t Number(std::int32_t property) { return rt::ReadProperty(kMainWindow, 0, property).integer; }

TEST_F(MainWindow, StoredSettingsReadBack) {
    struct Case {
        std::int32_t property;
        std::int64_t value;
    } cases[] = {
        {rt::common::Width, 270}, {rt::common::Height, 142}, {rt::common::Visible, 1}, {rt::common::Disabled, 0},
        {rt::win::BorderStyle, 2}, {rt::win::BackColour, 0xFF000000}, {rt::win::PictureMode, 1},
        {rt::win::MusicPlayMode, 0}, {rt::win::ControlButtons, 1}, {rt::win::MaximizeButton, 0},
        {rt::win::MinimizeButton, 0}, {rt::win::StartPosition, 1}, {rt::win::Movable, 1},
        {rt::win::EnterMovesFocus, 0}, {rt::win::EscCloses, 1}, {rt::win::F1OpensHelp, 0},
        {rt::win::HelpContext, 0}, {rt::win::ShowInTaskbar, 1}, {rt::win::DragAnywhere, 0}, {rt::win::Shape, 0},
        {rt::win::AlwaysOnTop, 0}, {rt::win::KeepTitleActive, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(Number(c.property), c.value) << rt::SchemaOf(rt::Kind::Window)[c.property].name;
}

TEST_F(MainWindow, EmptyTextsComeBackAsNoValue) {
    for (std::int32_t p : {rt::common::Tag, rt::win::HelpFile, rt::win::WindowClassName}) {
        rt::Value v = rt::ReadProperty(kMainWindow, 0, p);
        EXPECT_EQ(v.kind, rt::ValueKind::Text);
        EXPECT_TRUE(v.IsNone()) << p;
    }
    for (std::int32_t p : {rt::win::BackPicture, rt::win::BackMusic, rt::win::Icon, rt::common::MousePointer})
        EXPECT_TRUE(rt::ReadProperty(kMainWindow, 0, p).IsNone()) << p;
}

TEST_F(MainWindow, CaptionIsAFreshCopy) {
    const std::size_t before = rt::LiveValueCount();
    rt::Value a = rt::ReadProperty(kMainWindow, 0, rt::win::Caption);
    rt::Value b = rt::ReadProperty(kMainWindow, 0, rt::win::Caption);
    ASSERT_NE(a.text(), nullptr);
    EXPECT_NE(a.block, b.block);
    EXPECT_STREQ(a.text(), b.text());
    EXPECT_GT(std::string(a.text()).size(), 0u);
    rt::ReleaseValue(a);
    rt::ReleaseValue(b);
    EXPECT_EQ(rt::LiveValueCount(), before);
}

TEST_F(MainWindow, UnknownWindowsControlsAndPropertiesGiveNoValue) {
    EXPECT_TRUE(rt::ReadProperty(0x52010002, 0, rt::win::Caption).IsNone());
    EXPECT_TRUE(rt::ReadProperty(kMainWindow, 0x16019999, 0).IsNone());
    EXPECT_EQ(rt::ReadProperty(kMainWindow, 0, 32).kind, rt::ValueKind::None);
    EXPECT_EQ(rt::ReadProperty(kMainWindow, 0, -1).kind, rt::ValueKind::None);
}

}  // namespace
