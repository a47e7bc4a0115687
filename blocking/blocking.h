// Hosts blocking: the block list, the Block-ads command and the settings of its controls.
#pragma once

#include <vector>

#include "runtime/definition.h"

// The hosts-file text that the program writes, as stored.
extern const char kBlockList[];

// Kind-specific settings of the controls of this part.
std::vector<rt::SettingInit> BlockListBoxSettings();  // 编辑框1, which holds the list
std::vector<rt::SettingInit> BlockButtonSettings();   // 按钮1, "屏蔽广告"
std::vector<rt::SettingInit> HostsDialogSettings();   // 通用对话框1, the Save dialog

// The click of 按钮1: writes the list to the dialog's file, then runs the dialog.
rt::Reply BlockAdsCommand(const rt::EventArgs&);
// The content change of 编辑框1: nothing to do, the program never edits the list.
rt::Reply BlockListChanged(const rt::EventArgs&);
