// The focus ring and the keys that the window handles before the focused control.
#include <gtest/gtest.h>

#include "runtime/keyboard.h"

namespace {

using rt::Kind;
using rt::RingCandidate;

RingCandidate Shown(Kind kind, bool tabStop = true, std::int32_t order = 0) { return {kind, true, true, true, tabStop, order}; }

TEST(FocusRing, TakesShownEnabledTabStopsOfFocusableKindsOnly) {
    RingCandidate hidden = Shown(Kind::EditBox);
    hidden.shown = false;
    RingCandidate disabled = Shown(Kind::Button);
    disabled.enabled = false;
    RingCandidate gone = Shown(Kind::Button);
    gone.exists = false;
    const std::vector<RingCandidate> controls = {
        Shown(Kind::Button),       hidden, Shown(Kind::CommonDlg), Shown(Kind::Label), Shown(Kind::Button),
        Shown(Kind::HyperLinker),  disabled, gone, Shown(Kind::Button, false), Shown(Kind::EditBox),
    };
    EXPECT_EQ(rt::FocusRing(controls), (std::vector<std::size_t>{0, 4, 9}));
}

TEST(FocusRing, OrdersByTabOrderThenCreationOrder) {
    const std::vector<RingCandidate> controls = {Shown(Kind::Button, true, 2), Shown(Kind::Button, true, 0),
                                                 Shown(Kind::Button, true, 2), Shown(Kind::Button, true, -1)};
    EXPECT_EQ(rt::FocusRing(controls), (std::vector<std::size_t>{3, 1, 0, 2}));
}

TEST(FocusRing, TabAndShiftTabWrapRound) {
    const std::vector<std::size_t> ring = {0, 4};
    struct Case {
        std::optional<std::size_t> from;
        bool forward;
        std::size_t to;
    } cases[] = {{0, true, 4}, {4, true, 0}, {0, false, 4}, {4, false, 0}, {std::nullopt, true, 0},
                 {std::nullopt, false, 4}, {2, true, 0}};
    for (const Case& c : cases) EXPECT_EQ(rt::NextInRing(ring, c.from, c.forward), c.to);
    EXPECT_EQ(rt::NextInRing({}, 0, true), std::nullopt);
    EXPECT_EQ(rt::NextInRing({3}, 3, true), 3u);
}

TEST(Keys, WhatTheWindowDoesBeforeTheFocusedControl) {
    using rt::Key;
    using rt::KeyAction;
    rt::KeyContext main;  // the main window: Esc closes, Enter does not move focus, F1 no help
    main.escCloses = true;
    struct Case {
        Key key;
        rt::KeyContext context;
        KeyAction action;
    };
    rt::KeyContext shifted = main;
    shifted.shift = true;
    rt::KeyContext wanting = main;
    wanting.controlWantsKey = true;
    rt::KeyContext moving = main;
    moving.enterMovesFocus = true;
    rt::KeyContext noEsc;
    rt::KeyContext help;
    help.f1OpensHelp = true;
    rt::KeyContext alt = main;
    alt.alt = true;
    const Case cases[] = {
        {Key::Tab, main, KeyAction::FocusNext},       {Key::Tab, shifted, KeyAction::FocusPrevious},
        {Key::Escape, main, KeyAction::Close},        {Key::Escape, noEsc, KeyAction::PassOn},
        {Key::Enter, main, KeyAction::ClickDefaultButton}, {Key::Enter, moving, KeyAction::FocusNext},
        {Key::F1, main, KeyAction::PassOn},           {Key::F1, help, KeyAction::Help},
        {Key::Other, main, KeyAction::PassOn},        {Key::Tab, wanting, KeyAction::PassOn},
        {Key::Escape, wanting, KeyAction::PassOn},    {Key::Tab, alt, KeyAction::PassOn},
    };
    for (const Case& c : cases) EXPECT_EQ(c.action, rt::DecideKey(c.key, c.context)) << static_cast<int>(c.key);
}

TEST(Keys, EnterClicksTheFocusedDefaultButtonElseTheLastCreatedOne) {
    EXPECT_EQ(rt::EnterTarget({false, false}, 0), std::nullopt);  // the main window: no default button
    EXPECT_EQ(rt::EnterTarget({true, false, true}, 0), 0u);
    EXPECT_EQ(rt::EnterTarget({true, false, true}, 1), 2u);
    EXPECT_EQ(rt::EnterTarget({true, false, false}, std::nullopt), 0u);
}

}  // namespace
