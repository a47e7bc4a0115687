// The program's own routines and the identifiers of its window and controls.
#pragma once

#include "runtime/definition.h"

constexpr rt::WindowId kMainWindow = 0x52010001;

int StartRoutine();
void ProgramInit();
void ProgramCleanup();

// The main window's stored definition.
const rt::WindowDefinition& MainWindowDefinition();
