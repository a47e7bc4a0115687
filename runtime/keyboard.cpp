// The focus ring and the window's key rules, apart from any window system.
#include "runtime/keyboard.h"

#include <algorithm>

namespace rt {

bool CanTakeFocus(Kind kind) { return kind == Kind::Button || kind == Kind::EditBox; }

std::vector<std::size_t> FocusRing(const std::vector<RingCandidate>& controls) {
    std::vector<std::size_t> ring;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const RingCandidate& c = controls[i];
        if (c.exists && c.shown && c.enabled && c.tabStop && CanTakeFocus(c.kind)) ring.push_back(i);
    }
    std::stable_sort(ring.begin(), ring.end(),
                     [&](std::size_t a, std::size_t b) { return controls[a].tabOrder < controls[b].tabOrder; });
    return ring;
}

std::optional<std::size_t> NextInRing(const std::vector<std::size_t>& ring, std::optional<std::size_t> current,
                                      bool forward) {
    if (ring.empty()) return std::nullopt;
    auto it = current ? std::find(ring.begin(), ring.end(), *current) : ring.end();
    if (it == ring.end()) return forward ? ring.front() : ring.back();
    std::size_t at = static_cast<std::size_t>(it - ring.begin());
    std::size_t n = ring.size();
    return ring[forward ? (at + 1) % n : (at + n - 1) % n];
}

KeyAction DecideKey(Key key, const KeyContext& c) {
    if (c.controlWantsKey || c.ctrl || c.alt) return KeyAction::PassOn;
    switch (key) {
        case Key::Tab: return c.shift ? KeyAction::FocusPrevious : KeyAction::FocusNext;
        case Key::Escape: return c.escCloses ? KeyAction::Close : KeyAction::PassOn;
        case Key::Enter: return c.enterMovesFocus ? KeyAction::FocusNext : KeyAction::ClickDefaultButton;
        case Key::F1: return c.f1OpensHelp ? KeyAction::Help : KeyAction::PassOn;
        case Key::Other: return KeyAction::PassOn;
    }
    return KeyAction::PassOn;
}

std::optional<std::size_t> EnterTarget(const std::vector<bool>& defaultStyle, std::optional<std::size_t> focused) {
    if (focused && *focused < defaultStyle.size() && defaultStyle[*focused]) return focused;
    for (std::size_t i = defaultStyle.size(); i-- > 0;)
        if (defaultStyle[i]) return i;
    return std::nullopt;
}

}  // namespace rt
