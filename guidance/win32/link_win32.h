// Opening the forum link's target on Windows.
#pragma once

#include <string>
#include <vector>

#include "runtime/definition.h"

namespace rt::platform {

// Opens the link's target with the shell ("open"), else with the browser that the registry names
// for web pages; true when one of them started. An empty target opens nothing.
bool OpenLinkTarget(const std::vector<Setting>& link, int showMode);

// The registry fallback alone: the ".htm" file type's open command, cut at its placeholder, with
// a space and the target appended, started with WinExec.
bool OpenWithRegisteredBrowser(const std::string& target, int showMode);

}  // namespace rt::platform
