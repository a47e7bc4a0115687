// The stored settings of 标签1, 标签2, 超级链接框1 and 按钮2.
#include "guidance/guidance.h"

using namespace rt;

const char kForumAddress[] = "http://www.kelvaro.com/";

std::vector<SettingInit> InstructionLabelSettings() {
    return {{label::Caption, "点屏蔽广告，然后直接点保存，重启浏览器。"}};
}

std::vector<SettingInit> CreditLabelSettings() {
    constexpr auto red = Rgb(255, 0, 0);
    return {{label::Caption, "新手刚学，一键改hosts，感谢Kelvaro各路大神庇佑"},
            {label::TextColour, red},
            {label::GradientBorderColour1, red},
            {label::GradientBorderColour2, red},
            {label::GradientBorderColour3, red}};
}

std::vector<SettingInit> ForumLinkSettings() {
    return {{link::Caption, "点击查看更多给力软件"},   {link::LinkKind, 1},
            {link::WebAddress, kForumAddress},        {link::NormalColour, Rgb(255, 0, 0)},
            {link::VisitedColour, Rgb(88, 48, 224)},  {link::HoverColour, Rgb(51, 153, 255)},
            {link::BackColour, kSystemButtonFace},    {link::Border, 0}};
}

std::vector<SettingInit> LinkFrameButtonSettings() {
    return {{button::ButtonType, 0}, {button::Caption, ""}, {button::HorizontalAlignment, 1},
            {button::VerticalAlignment, 1}};
}

Reply ForumLinkPressed(const EventArgs&) { return Reply::Nothing; }
