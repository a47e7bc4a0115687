// The window's keyboard rules: which controls form the focus ring and what Tab, Esc, Enter and F1 do.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "runtime/definition.h"

namespace rt {

// What the ring needs to know of one control, in creation order.
struct RingCandidate {
    Kind kind;
    bool exists, shown, enabled, tabStop;
    std::int32_t tabOrder;
};

bool CanTakeFocus(Kind kind);

// Indices of the controls in the focus ring: by TabOrder, equal orders in creation order.
std::vector<std::size_t> FocusRing(const std::vector<RingCandidate>& controls);

// The control that Tab (forward) or Shift+Tab moves the focus to from `current`, wrapping round.
// A current control outside the ring moves to the first (or, backward, the last) of the ring.
std::optional<std::size_t> NextInRing(const std::vector<std::size_t>& ring, std::optional<std::size_t> current,
                                      bool forward);

enum class KeyAction : std::uint8_t { PassOn, FocusNext, FocusPrevious, Close, ClickDefaultButton, Help };

struct KeyContext {
    bool shift = false, ctrl = false, alt = false;
    bool controlWantsKey = false;  // the focused control uses this key itself
    bool escCloses = false, enterMovesFocus = false, f1OpensHelp = false;
};

enum class Key : std::uint8_t { Tab, Escape, Enter, F1, Other };

// What the window does with a key before the focused control sees it.
KeyAction DecideKey(Key key, const KeyContext& context);

// The push button that Enter clicks: the focused control when it is a default-style push button,
// else the default-style push button created last. `defaultStyle[i]` is true for those.
std::optional<std::size_t> EnterTarget(const std::vector<bool>& defaultStyle, std::optional<std::size_t> focused);

}  // namespace rt
