// The main window's seven controls as its definition stores them, read back through ReadProperty.
#include <gtest/gtest.h>

#include <string>

#include "app/app.h"
#include "blocking/blocking.h"
#include "guidance/guidance.h"
#include "runtime/core.h"

namespace {

using rt::Kind;

struct Entry {
    rt::ControlId id;
    const char* name;
    Kind kind;
    int left, top, width, height;
    bool visible, tabStop;
};

TEST(Controls, SevenEntriesInCreationOrder) {
    const Entry expected[] = {
        {按钮1, "按钮1", Kind::Button, 8, 0, 88, 40, true, true},
        {编辑框1, "编辑框1", Kind::EditBox, 0, 0, 72, 48, false, true},
        {通用对话框1, "通用对话框1", Kind::CommonDlg, 216, 64, 32, 32, false, false},
        {标签1, "标签1", Kind::Label, 16, 56, 240, 24, true, false},
        {按钮2, "按钮2", Kind::Button, 112, 0, 135, 40, true, true},
        {超级链接框1, "超级链接框1", Kind::HyperLinker, 120, 8, 118, 20, true, false},
        {标签2, "标签2", Kind::Label, 0, 80, 264, 24, true, false},
    };
    const auto& controls = MainWindowDefinition().controls;
    ASSERT_EQ(controls.size(), std::size(expected));
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const auto& c = controls[i];
        const Entry& e = expected[i];
        EXPECT_EQ(c.id, e.id) << e.name;
        EXPECT_STREQ(c.name, e.name);
        EXPECT_EQ(c.kind, e.kind) << e.name;
        EXPECT_EQ((std::array<int, 4>{c.left, c.top, c.width, c.height}),
                  (std::array<int, 4>{e.left, e.top, e.width, e.height}))
            << e.name;
        EXPECT_EQ(c.visible, e.visible) << e.name;
        EXPECT_EQ(c.tabStop, e.tabStop) << e.name;
        EXPECT_EQ(c.tabOrder, 0) << e.name;
    }
}

TEST(Controls, ThreeEventsAreBound) {
    const auto& controls = MainWindowDefinition().controls;
    std::size_t bound = 0;
    for (const auto& c : controls) bound += c.bindings.size();
    EXPECT_EQ(bound, 3u);
    EXPECT_EQ(rt::FindHandler(controls[0].bindings, rt::event::Clicked), &BlockAdsCommand);
    EXPECT_EQ(rt::FindHandler(controls[1].bindings, rt::event::ContentChanged), &BlockListChanged);
    EXPECT_EQ(rt::FindHandler(controls[5].bindings, rt::event::LeftDown), &ForumLinkPressed);
    // The link's handler returns no value, so a press goes on to the link.
    EXPECT_EQ(ForumLinkPressed({}), rt::Reply::Nothing);
    EXPECT_TRUE(MainWindowDefinition().bindings.empty());
}

class StoredSettings : public testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!rt::FindWindowInstance(kMainWindow)) rt::LoadWindow(kMainWindow);
    }
};

struct Number {
    rt::ControlId control;
    std::int32_t property;
    std::int64_t value;
};

TEST_F(StoredSettings, NumbersAndLogicals) {
    using namespace rt;
    const Number cases[] = {
        {按钮1, button::ButtonType, 0}, {按钮1, button::HorizontalAlignment, 1}, {按钮1, button::VerticalAlignment, 1},
        {编辑框1, edit::Border, 1}, {编辑框1, edit::TextColour, 0}, {编辑框1, edit::BackColour, 0xFFFFFF},
        {编辑框1, edit::HideSelection, 1}, {编辑框1, edit::MaxLength, 0}, {编辑框1, edit::MultiLine, 1},
        {编辑框1, edit::ScrollBars, 2}, {编辑框1, edit::InputMode, 0}, {编辑框1, edit::SpinnerMax, 100},
        {通用对话框1, dialog::DialogKind, 1}, {通用对话框1, dialog::InitialFilterIndex, 0},
        {通用对话框1, dialog::CreatePrompt, 0}, {通用对话框1, dialog::FileMustExist, 1},
        {通用对话框1, dialog::OverwritePrompt, 1}, {通用对话框1, dialog::PathMustExist, 1},
        {通用对话框1, dialog::NoChangeDirectory, 0}, {通用对话框1, dialog::FontSize, 0},
        {标签1, label::TextColour, 0}, {标签1, label::BackColour, 0xFF000000}, {标签1, label::GradientBorderWidth, 8},
        {标签1, label::GradientBorderColour2, 0xFFFFFF}, {标签1, label::VerticalAlignment, 1},
        {标签1, label::HorizontalAlignment, 0}, {标签1, label::WordWrap, 0}, {标签1, label::Border, 0},
        {标签2, label::TextColour, 0x0000FF}, {标签2, label::GradientBorderColour1, 0x0000FF},
        {标签2, label::GradientBorderColour3, 0x0000FF}, {标签2, label::GradientBackColour1, 0x808080},
        {超级链接框1, link::LinkKind, 1}, {超级链接框1, link::NormalColour, 0x0000FF},
        {超级链接框1, link::VisitedColour, Rgb(88, 48, 224)}, {超级链接框1, link::HoverColour, Rgb(51, 153, 255)},
        {超级链接框1, link::BackColour, 0xFF000000}, {超级链接框1, link::Border, 0},
        {按钮2, button::ButtonType, 0}, {按钮2, common::Disabled, 0}, {按钮2, common::Visible, 1},
        {编辑框1, common::Visible, 0}, {通用对话框1, common::Visible, 0},
    };
    for (const Number& c : cases)
        EXPECT_EQ(ReadProperty(kMainWindow, c.control, c.property).integer, c.value)
            << std::hex << c.control << std::dec << " property " << c.property;
}

struct Text {
    rt::ControlId control;
    std::int32_t property;
    const char* value;  // null: no value
};

TEST_F(StoredSettings, Texts) {
    using namespace rt;
    const Text cases[] = {
        {按钮1, button::Caption, "屏蔽广告"},
        {按钮2, button::Caption, nullptr},
        {编辑框1, edit::PasswordChar, "*"},
        {通用对话框1, dialog::FileName, "hosts"},
        {通用对话框1, dialog::Filter, "*ics"},
        {通用对话框1, dialog::InitialDirectory, "C:\\WINDOWS\\system32\\drivers\\etc"},
        {通用对话框1, dialog::DefaultExtension, nullptr},
        {通用对话框1, dialog::Title, nullptr},
        {标签1, label::Caption, "点屏蔽广告，然后直接点保存，重启浏览器。"},
        {标签2, label::Caption, "新手刚学，一键改hosts，感谢Kelvaro各路大神庇佑"},
        {超级链接框1, link::Caption, "点击查看更多给力软件"},
        {超级链接框1, link::WebAddress, kForumAddress},
        {超级链接框1, link::MailAddress, nullptr},
    };
    for (const Text& c : cases) {
        Value v = ReadProperty(kMainWindow, c.control, c.property);
        if (c.value) EXPECT_STREQ(v.text(), c.value) << std::hex << c.control;
        else EXPECT_TRUE(v.IsNone()) << std::hex << c.control << std::dec << " property " << c.property;
        ReleaseValue(v);
    }
}

TEST_F(StoredSettings, ContentOfTheEditBoxIsTheBlockList) {
    rt::Value v = rt::ReadProperty(kMainWindow, 编辑框1, rt::edit::Content);
    EXPECT_STREQ(v.text(), kBlockList);
    rt::ReleaseValue(v);
}

}  // namespace
