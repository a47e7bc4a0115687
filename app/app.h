// The program's own routines and the identifiers of its window and controls.
#pragma once

#include "runtime/definition.h"

constexpr rt::WindowId kMainWindow = 0x52010001;

// The main window's controls, in creation order.
constexpr rt::ControlId 按钮1 = 0x16010002;
constexpr rt::ControlId 编辑框1 = 0x1601000D;
constexpr rt::ControlId 通用对话框1 = 0x1601000E;
constexpr rt::ControlId 标签1 = 0x16010015;
constexpr rt::ControlId 按钮2 = 0x16010017;
constexpr rt::ControlId 超级链接框1 = 0x16010018;
constexpr rt::ControlId 标签2 = 0x1601001D;

int StartRoutine();
void ProgramInit();
void ProgramCleanup();

// The main window's stored definition.
const rt::WindowDefinition& MainWindowDefinition();
