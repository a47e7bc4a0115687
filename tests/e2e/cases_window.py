"""End-to-end cases of the program's start and end: the window as it comes up, and the ways to close it."""
from harness import case, check, check_equal

WS_CAPTION, WS_SYSMENU, WS_THICKFRAME = 0x00C00000, 0x00080000, 0x00040000
WS_MINIMIZEBOX, WS_MAXIMIZEBOX = 0x00020000, 0x00010000
MAIN_CLASS = 'RtWindow'
CAPTION = '屏蔽广告 - 新手作品 @Kelvaro'


def wait_main(s):
    """The main window once its start is done: shown, active, a control with the focus."""
    return s.wait(lambda t: (lambda w: w if w and w.active and w.focused() else None)(t.top(MAIN_CLASS)),
                  'the main window, active with a control focused')


def start_main(s, cwd=None, program='hosts-adblock.exe'):
    app = s.start(s.install(program), cwd=cwd)
    return app, wait_main(s)


def end_with_escape(s, app, w):
    """Esc on the main window ends the program with exit code 0."""
    s.keys('Escape', over=w)
    check_equal(app.wait_exit(), 0, 'exit code after Esc')


def only_the_main_window(s, w, what):
    """The program shows no window but its main one: no dialog, no message box."""
    check_equal([t.cls for t in s.tree().tops if t.pid == w.pid], [MAIN_CLASS], what)


@case
def window_comes_up_centred_with_a_fixed_frame(s):
    # Started from a folder other than its own.
    app, w = start_main(s, cwd=s.folder('elsewhere'))
    shot = s.screenshot('started')
    tree = s.tree()
    check_equal(tree.data['screen'], [1024, 768], 'screen size')
    check_equal(w.rect, [377, 313, 270, 142], 'outer place and size')
    check_equal(w.text, CAPTION, 'caption')
    check(w.style & WS_CAPTION == WS_CAPTION and w.style & WS_SYSMENU, 'title bar with system menu')
    check(not w.style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 'no sizing frame, no min or max box')
    check(w.active and tree.data['foreground'] == w.hwnd, 'the window is active and in the foreground')
    check_equal(w.owner, 0, 'owner')
    # The title bar shows the program icon: its red no-entry sign, at the left of the caption.
    icon = s.pixels(shot, w.rect[0] + 2, w.rect[1] + 2, 20, 20)
    check(sum(1 for r, g, b in icon if r > 180 and g < 90 and b < 90) >= 15, 'the program icon in the title bar')
    end_with_escape(s, app, w)


@case
def alt_f4_ends_the_program_with_code_0(s):
    app, w = start_main(s)
    s.keys('alt+F4', over=w)
    check_equal(app.wait_exit(), 0, 'exit code after Alt+F4')


@case
def the_close_button_ends_the_program_with_code_0(s):
    app, w = start_main(s)
    x, y, width, _ = w.rect
    s.click(x + width - 12, y + 12)
    check_equal(app.wait_exit(), 0, 'exit code after the close button')


@case
def a_missing_start_window_is_a_fatal_error(s):
    app = s.start(s.install('hosts-adblock-nostart.exe'))
    box = s.wait_top('#32770', '错误')
    s.screenshot('fatal-box')
    texts = [c.text for c in box.walk() if c.cls == 'Static']
    check('运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n' in [t + '\r\n' if not t.endswith('\r\n') else t for t in texts]
          or any('错误信息：载入启动窗口失败' in t and t.startswith('运行时出错!') for t in texts),
          f'the box says what failed; saw {texts}')
    check_equal(box.owner, 0, 'the box has no owner')
    s.keys('Return', over=box)
    check_equal(app.wait_exit(), 255, 'exit code after a fatal error (-1)')
