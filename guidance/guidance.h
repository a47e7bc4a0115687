// Guidance and link: the two labels, the forum link and the button it lies on.
#pragma once

#include <vector>

#include "runtime/definition.h"

// The home page of the forum that the credit line thanks.
extern const char kForumAddress[];

std::vector<rt::SettingInit> InstructionLabelSettings();  // 标签1
std::vector<rt::SettingInit> CreditLabelSettings();       // 标签2
std::vector<rt::SettingInit> ForumLinkSettings();         // 超级链接框1
std::vector<rt::SettingInit> LinkFrameButtonSettings();   // 按钮2

// The left-button press on 超级链接框1: nothing of its own, so the press goes on to the link.
rt::Reply ForumLinkPressed(const rt::EventArgs&);
