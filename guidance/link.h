// The forum link's logic apart from the window system: its target, its fallback command line, the
// colour it shows and how it follows the pointer.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/definition.h"

// The address a link opens: its web address (kind 1), or "mailto:" and its mail address (kind 0).
// Nothing when that address is empty.
std::optional<std::string> LinkTargetText(const std::vector<rt::Setting>& link);

// The text a link shows: its caption, else its address without any prefix.
std::string LinkDisplayText(const std::vector<rt::Setting>& link);

constexpr std::size_t kRegistryValueSize = 260;  // a registry value read with its terminating zero
constexpr std::size_t kCommandLineSize = 520;    // the command line with its terminating zero

// The command line that starts the registered browser directly: the registry's command cut at its
// first quoted "%1", else at its first bare "%1", then a space and the unquoted target. Nothing
// when it would not fit the command line buffer.
std::optional<std::string> FallbackCommandLine(std::string_view command, std::string_view target);

// The colour the link's text takes: hover wins over visited, visited over normal.
std::int64_t LinkColour(const std::vector<rt::Setting>& link, bool hover, bool visited);

// What a mouse move over the link asks for.
struct HoverStep {
    bool hover;                   // the hover flag afterwards
    bool capture, release, repaint;
};
HoverStep OnLinkMouseMove(bool hover, bool inside, bool holdsCapture);
