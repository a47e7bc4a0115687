"""End-to-end cases of the main window's controls: where they lie, what shows, the focus, the keys and
the events that reach handlers."""
import os

from cases_window import end_with_escape, only_the_main_window, start_main
from harness import case, check, check_equal

BST_PUSHED, BST_FOCUS = 0x4, 0x8
WS_TABSTOP, WS_CLIPSIBLINGS, WS_VSCROLL, WS_EX_CLIENTEDGE = 0x00010000, 0x04000000, 0x00200000, 0x200
BS_DEFPUSHBUTTON, BS_MULTILINE, BS_CENTER, BS_VCENTER = 0x1, 0x2000, 0x300, 0xC00
ES_MULTILINE, ES_WANTRETURN, ES_READONLY = 0x4, 0x1000, 0x800

# Child windows, top of the z-order first: (class, text, place in the client area, visible).
EXPECTED = [
    ('RtLabel', '新手刚学，一键改hosts，感谢Kelvaro各路大神庇佑', [0, 80, 264, 24], True),
    ('RtLink', '点击查看更多给力软件', [120, 8, 118, 20], True),
    ('Button', '', [112, 0, 135, 40], True),
    ('RtLabel', '点屏蔽广告，然后直接点保存，重启浏览器。', [16, 56, 240, 24], True),
    ('Edit', None, [0, 0, 72, 48], False),
    ('Button', '屏蔽广告', [8, 0, 88, 40], True),
]


def buttons(w):
    """按钮1 and 按钮2 of the main window."""
    b1 = w.find('Button', '屏蔽广告')
    b2 = w.find('Button', '')
    return b1, b2


def focused_text(s):
    w = s.tree().top('RtWindow')
    f = w.focused()
    return f.text if f else None


def wait_focus(s, text, what):
    """Waits until the control with the focus is the one of this text."""
    def probe(t):
        f = t.top('RtWindow').focused()
        return f is not None and f.text == text
    return s.wait(probe, what, timeout=10)


def tab_to_button2(s, w):
    s.keys('Tab', over=w)
    wait_focus(s, '', 'the focus on 按钮2')


def client_origin(w):
    """Where the main window's client area begins on the screen."""
    c = w.children[0]
    return c.rect[0] - c.rel[0], c.rect[1] - c.rel[1]


@case
def every_control_lies_at_its_place(s):
    app, w = start_main(s)
    s.screenshot('started')
    got = [(c.cls, c.text, c.rel, c.visible) for c in w.children]
    check_equal(len(got), len(EXPECTED), f'child windows (a CommonDlg has none): {got}')
    for (cls, text, rel, visible), (gcls, gtext, grel, gvisible) in zip(EXPECTED, got):
        check_equal((gcls, grel, gvisible), (cls, rel, visible), f'{cls} {text!r}')
        if text is not None:
            check_equal(gtext, text, f'text of the {cls} at {rel}')
    edit = w.find('Edit')
    check(edit.text.startswith('127.0.0.1 atm.youku.com\r\n127.0.0.1 Fvid.atm.youku.com\r\n'),
          'the hidden edit box holds the block list')
    check(edit.style & ES_MULTILINE and edit.style & ES_WANTRETURN and edit.style & WS_VSCROLL,
          'the edit box: several lines, Enter a line break, a vertical scroll bar')
    check(not edit.style & ES_READONLY and edit.exstyle & WS_EX_CLIENTEDGE, 'the edit box: not read-only, sunken edge')
    b1, b2 = buttons(w)
    check(b1.focus, '按钮1 has the focus right after start')
    for b in (b1, b2):
        check(b.style & WS_TABSTOP, f'{b} is a tab stop')
        check(b.style & BS_MULTILINE and b.style & BS_CENTER == BS_CENTER and b.style & BS_VCENTER == BS_VCENTER,
              f'{b}: a caption too long breaks onto further lines, centred both ways')
        check(not b.style & BS_DEFPUSHBUTTON, f'{b} is an ordinary push button')
    for c in w.children:
        check(c.enabled, f'{c} is enabled')
        check(c.style & WS_CLIPSIBLINGS, f'{c} clips its siblings')
    end_with_escape(s, app, w)


@case
def tab_and_shift_tab_cycle_the_two_buttons(s):
    app, w = start_main(s)
    steps = [('Tab', ''), ('Tab', '屏蔽广告'), ('shift+Tab', ''), ('shift+Tab', '屏蔽广告'), ('Tab', '')]
    for key, text in steps:
        s.keys(key, over=w)
        wait_focus(s, text, f'the focus on the button {text!r} after {key}')
    s.screenshot('focus-on-button2')
    # The arrow keys belong to the focused button, which does nothing with them.
    s.keys('Left', 'Up', 'Tab', over=w)
    wait_focus(s, '屏蔽广告', 'the focus back on 按钮1 after the arrows and Tab')
    end_with_escape(s, app, w)


@case
def enter_does_nothing(s):
    app, w = start_main(s)
    # Had Enter clicked 按钮1, its dialog would now be up and take the Tab that follows.
    s.keys('Return', 'Tab', over=w)
    wait_focus(s, '', 'the Tab after Enter moving the focus to 按钮2')
    tree = s.tree()
    check_equal([t.cls for t in tree.tops if t.pid == w.pid], ['RtWindow'], 'top-level windows of the program')
    check(tree.top('RtWindow').enabled, 'the main window is still enabled')
    end_with_escape(s, app, w)


@case
def a_press_on_the_rim_of_button2_only_presses_it(s):
    app, w = start_main(s)
    x, y = client_origin(w)
    # The rim left of the link: 按钮2 at 112..247, the link at 120..238, both from the top at 0 and 8.
    s.point_at(x + 115, y + 20)
    s.xdotool('mousedown', 1)
    pressed = s.wait(lambda t: (lambda b: b if b.state & BST_PUSHED else None)(buttons(t.top('RtWindow'))[1]),
                     '按钮2 shown pressed while the button is held down', timeout=10)
    s.screenshot('button2-pressed')
    check(pressed.focus, '按钮2 takes the focus')
    s.xdotool('mouseup', 1)
    s.wait(lambda t: not buttons(t.top('RtWindow'))[1].state & BST_PUSHED, '按钮2 released', timeout=10)
    # Nothing else happened: no dialog, no box, the window goes on.
    s.keys('Tab', over=w)
    wait_focus(s, '屏蔽广告', 'Tab moving the focus on to 按钮1')
    only_the_main_window(s, w, 'top-level windows of the program')
    end_with_escape(s, app, w)


@case
def the_focus_comes_back_to_the_control_that_had_it(s):
    first, w = start_main(s)
    tab_to_button2(s, w)
    # A second copy of the program takes the activation; when it ends, the first gets it back.
    second = s.start(s.install(folder='second'))
    other = s.wait(lambda t: next((x for x in t.tops if x.cls == 'RtWindow' and x.pid != w.pid and x.active), None),
                   'the second window, active')
    s.wait(lambda t: not next(x for x in t.tops if x.pid == w.pid).active, 'the first window inactive')
    s.keys('Escape', over=other)
    check_equal(second.wait_exit(), 0, 'exit code of the second copy')
    back = s.wait(lambda t: (lambda x: x if x.active else None)(t.top('RtWindow')), 'the first window active again')
    check_equal(back.focused().text if back.focused() else None, '', 'the focus back on 按钮2')
    end_with_escape(s, first, back)


@case
def events_reach_their_handlers_with_their_arguments(s):
    app, w = start_main(s, program='hosts-adblock-events.exe')
    events = os.path.join(s.work, 'app', 'events.txt')

    def noted(n):
        def probe(_):
            lines = open(events).read().splitlines() if os.path.exists(events) else []
            return lines if len(lines) >= n else None
        return s.wait(probe, f'{n} events written down', timeout=10)

    s.keys('a', over=w)  # a key on the focused 按钮1
    check_equal(noted(1)[-1], 'KeyDown 0 0 0 65', 'the key event with its virtual key')
    # Ctrl and a left press on the rim of 按钮2, 3 pixels from its left edge and 20 from its top.
    x0, y0 = client_origin(w)
    s.point_at(x0 + 112 + 3, y0 + 20)
    s.xdotool('keydown', 'ctrl', 'click', 1, 'keyup', 'ctrl')
    # 按钮1 sees Ctrl go down (virtual key 17, Ctrl held), 按钮2 the press, then 按钮1 loses the focus.
    lines = noted(4)
    check_equal(lines[1:3], ['KeyDown 0 0 1 17', 'LeftDown 3 20 1 0'], 'Ctrl on 按钮1, then the press with Ctrl')
    check(lines[3].startswith('FocusLost 0 0'), f'then the focus leaving 按钮1: {lines}')
    s.xdotool('keydown', 'shift', 'click', 3, 'keyup', 'shift')
    check_equal(noted(5)[-1], 'RightDown 3 20 2 0', 'a right press with Shift')
    # The first close request is refused by the window's handler; the window stays.
    s.keys('Escape', over=w)
    check_equal(noted(6)[-1], 'MayClose 0 0 0 0', 'the close query')
    check(app.running() and s.tree().top('RtWindow'), 'the window stays after a refused close')
    s.keys('Escape', over=w)
    check_equal(app.wait_exit(), 0, 'exit code after the second Esc')
    check_equal(noted(8)[-2:], ['MayClose 0 0 0 0', 'Destroying 0 0 0 0'], 'the close query, then the destruction')
