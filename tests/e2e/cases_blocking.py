"""End-to-end cases of blocking ads: the press of 屏蔽广告, the Save dialog, what lands on disk, and
what the user is told when the hosts file cannot be written."""
import os
import re

from cases_window import start_main
from harness import REPO, case, check, check_equal

EDT1 = 0x480  # the dialog's name field


def block_list():
    """The list as the program stores it, read from its source."""
    source = open(os.path.join(REPO, 'blocking', 'block_list.cpp'), encoding='utf-8').read()
    body = source[source.index('kBlockList[] ='):source.index(';', source.index('kBlockList[] ='))]
    parts = re.findall(r'^\s*"((?:[^"\\]|\\.)*)"', body, re.M)
    return ''.join(parts).replace('\\r', '\r').replace('\\n', '\n').encode('ascii')


def press_block_ads(s, w):
    """Space on the focused 按钮1; returns the Save dialog that opens."""
    s.keys('space', over=w)
    return s.wait_owned(w)


def name_field(dialog):
    return next(c for c in dialog.walk() if c.id == EDT1)


def look_in(dialog):
    return next(c for c in dialog.walk() if c.cls == 'ComboBox' and c.id == 0x471)


def centre(rect):
    x, y, w, h = rect
    return x + w / 2, y + h / 2


def save_and_replace(s, dialog):
    """Save in the dialog, then Yes to the question whether to replace the existing file."""
    s.click_button(dialog, '保存')
    question = s.wait(lambda t: next((w for w in t.tops if w.cls == '#32770' and w.owner == dialog.hwnd), None),
                      'the question whether to replace the file')
    s.screenshot('replace-question')
    s.click_button(question, '是')
    s.wait_gone(dialog)


FORMER = b'# the prefix\'s hosts file as it was\r\n127.0.0.1       localhost\r\n::1             localhost\r\n'


@case
def space_writes_hosts_beside_the_program_then_opens_the_dialog(s):
    app, w = start_main(s, cwd=s.folder('elsewhere'))
    system = s.system_hosts(FORMER)
    dialog = press_block_ads(s, w)
    s.screenshot('save-dialog')
    beside = os.path.join(s.work, 'app', 'hosts')
    check_equal(open(beside, 'rb').read(), block_list(), 'the file "hosts" beside the program')
    check(not os.path.exists(os.path.join(s.work, 'elsewhere', 'hosts')), 'nothing written where it was started')
    check_equal(open(system, 'rb').read(), FORMER, 'the system hosts file, untouched by that press')
    check_equal(dialog.text, '另存为', 'the dialog is a Save dialog')
    check_equal(look_in(dialog).text, 'etc', 'the folder the dialog shows')
    check_equal(name_field(dialog).text, 'hosts', 'the name field')
    cx, cy = centre(dialog.rect)
    mx, my = centre(w.rect)
    check(abs(cx - mx) <= 1 and abs(cy - my) <= 1, f'the dialog centred over the window: {dialog.rect} over {w.rect}')
    check(not s.tree().top('RtWindow').enabled, 'the main window is disabled while the dialog is up')
    s.keys('Escape', over=dialog)
    s.wait_gone(dialog)
    check(s.tree().top('RtWindow').enabled, 'the main window enabled again')
    s.keys('Escape', over=w)
    check_equal(app.wait_exit(), 0, 'exit code after Esc')


@case
def save_writes_the_system_hosts_file_at_once_and_keeps_its_former_bytes(s):
    app, w = start_main(s)
    system = s.system_hosts(FORMER)
    save_and_replace(s, press_block_ads(s, w))
    check_equal(open(system, 'rb').read(), block_list(), 'the system hosts file after Save')
    check_equal(open(system + '.bak', 'rb').read(), FORMER, 'hosts.bak beside it')
    check_equal([t.cls for t in s.tree().tops if t.pid == w.pid], ['RtWindow'], 'no message after a good write')
    # Again: the dialog names the chosen file; the same bytes, the same backup.
    dialog = press_block_ads(s, w)
    # The system's dialog shows the chosen path as its folder and, in the name field, its name.
    check_equal((look_in(dialog).text, name_field(dialog).text), ('etc', 'hosts'), 'the dialog after a Save')
    save_and_replace(s, dialog)
    check_equal(open(system, 'rb').read(), block_list(), 'the system hosts file after the second Save')
    check_equal(open(system + '.bak', 'rb').read(), FORMER, 'hosts.bak still holds the original')
    s.keys('Escape', over=w)
    check_equal(app.wait_exit(), 0, 'exit code after Esc')


@case
def cancel_keeps_the_name_and_the_next_press_writes_hosts_again(s):
    app, w = start_main(s)
    system = s.system_hosts(FORMER)
    beside = os.path.join(s.work, 'app', 'hosts')
    dialog = press_block_ads(s, w)
    s.keys('Escape', over=dialog)
    s.wait_gone(dialog)
    os.remove(beside)
    dialog = press_block_ads(s, w)
    check_equal(name_field(dialog).text, 'hosts', 'the name field after a cancelled dialog')
    # "hosts" went to the current directory, which the dialog is not asked to keep: the system's
    # dialog left it at the folder it showed, so this press wrote the system hosts file, and its
    # former bytes went to hosts.bak first.
    check(not os.path.exists(beside), '"hosts" not written beside the program this time')
    check_equal(open(system, 'rb').read(), block_list(), '"hosts" in the folder the dialog left')
    check_equal(open(system + '.bak', 'rb').read(), FORMER, 'its former bytes in hosts.bak')
    s.keys('Escape', over=dialog)
    s.wait_gone(dialog)
    s.keys('Escape', over=w)
    check_equal(app.wait_exit(), 0, 'exit code after Esc')


def failing_target(s, name, make_fail, undo, reason):
    """Save on a system hosts file that cannot be written: it stays as it was, a message names it
    with the reason, and once the cause is gone the next press and Save succeed."""
    app, w = start_main(s)
    system = s.system_hosts(FORMER)
    cause = make_fail(system)
    save_and_replace(s, press_block_ads(s, w))
    box = s.wait_owned(w)
    s.screenshot(f'{name}-message')
    text = ' '.join(c.text for c in box.walk() if c.cls == 'Static')
    check('C:\\windows\\system32\\drivers\\etc\\hosts' in text, f'the message names the file: {text!r}')
    check(reason in text, f'the message gives the reason {reason!r}: {text!r}')
    check_equal(open(system, 'rb').read(), FORMER, 'the system hosts file, byte for byte as it was')
    s.keys('Return', over=box)
    s.wait_gone(box)
    undo(system, cause)
    save_and_replace(s, press_block_ads(s, w))
    check_equal(open(system, 'rb').read(), block_list(), 'the system hosts file once the cause is gone')
    check_equal(open(system + '.bak', 'rb').read(), FORMER, 'its former bytes in hosts.bak')
    s.keys('Escape', over=w)
    check_equal(app.wait_exit(), 0, 'exit code after Esc')
    return text


@case
def a_read_only_hosts_file_is_reported_and_left_as_it_was(s):
    def make(path):
        os.chmod(path, 0o444)

    def undo(path, _):
        os.chmod(path, 0o644)

    text = failing_target(s, 'read-only', make, undo, '拒绝')
    check('管理员' in text, 'for access denied the message says to run the program as administrator')


@case
def a_hosts_file_the_user_may_not_write_is_reported_and_left_as_it_was(s):
    # The stand-in for missing administrator rights: the file and its folder belong to root.
    def make(path):
        st = os.stat(path)
        os.chown(path, 0, 0)
        os.chown(os.path.dirname(path), 0, 0)
        return st

    def undo(path, st):
        os.chown(path, st.st_uid, st.st_gid)
        os.chown(os.path.dirname(path), st.st_uid, st.st_gid)

    text = failing_target(s, 'no-rights', make, undo, '拒绝')
    check('管理员' in text, 'for access denied the message says to run the program as administrator')


@case
def a_hosts_file_another_program_holds_open_is_reported_and_left_as_it_was(s):
    failing_target(s, 'held-open', lambda path: s.hold_open('C:\\windows\\system32\\drivers\\etc\\hosts'),
                   lambda path, holder: s.release(holder), '共享冲突')
