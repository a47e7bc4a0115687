"""End-to-end cases of blocking ads: the press of 屏蔽广告, the Save dialog, what lands on disk, and
what the user is told when the hosts file cannot be written."""
import os
import re

from cases_window import end_with_escape, only_the_main_window, start_main
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


def cancel(s, dialog):
    s.keys('Escape', over=dialog)
    s.wait_gone(dialog)


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
    cancel(s, dialog)
    check(s.tree().top('RtWindow').enabled, 'the main window enabled again')
    end_with_escape(s, app, w)


@case
def save_writes_the_system_hosts_file_at_once_and_keeps_its_former_bytes(s):
    app, w = start_main(s)
    system = s.system_hosts(FORMER)
    save_and_replace(s, press_block_ads(s, w))
    check_equal(open(system, 'rb').read(), block_list(), 'the system hosts file after Save')
    check_equal(open(system + '.bak', 'rb').read(), FORMER, 'hosts.bak beside it')
    only_the_main_window(s, w, 'no message after a good write')
    # Again: the dialog names the chosen file; the same bytes, the same backup.
    dialog = press_block_ads(s, w)
    # The system's dialog shows the chosen path as its folder and, in the name field, its name.
    check_equal((look_in(dialog).text, name_field(dialog).text), ('etc', 'hosts'), 'the dialog after a Save')
    save_and_replace(s, dialog)
    check_equal(open(system, 'rb').read(), block_list(), 'the system hosts file after the second Save')
    check_equal(open(system + '.bak', 'rb').read(), FORMER, 'hosts.bak still holds the original')
    end_with_escape(s, app, w)


@case
def cancel_keeps_the_name_and_the_next_press_writes_hosts_again(s):
    app, w = start_main(s)
    system = s.system_hosts(FORMER)
    beside = os.path.join(s.work, 'app', 'hosts')
    dialog = press_block_ads(s, w)
    cancel(s, dialog)
    os.remove(beside)
    dialog = press_block_ads(s, w)
    check_equal(name_field(dialog).text, 'hosts', 'the name field after a cancelled dialog')
    # "hosts" went to the current directory, which the dialog is not asked to keep: the system's
    # dialog left it at the folder it showed, so this press wrote the system hosts file, and its
    # former bytes went to hosts.bak first.
    check(not os.path.exists(beside), '"hosts" not written beside the program this time')
    check_equal(open(system, 'rb').read(), block_list(), '"hosts" in the folder the dialog left')
    check_equal(open(system + '.bak', 'rb').read(), FORMER, 'its former bytes in hosts.bak')
    cancel(s, dialog)
    end_with_escape(s, app, w)


SYSTEM_HOSTS = 'C:\\windows\\system32\\drivers\\etc\\hosts'


def failing_target(s, name, make_fail, undo, reason):
    """Save on a system hosts file that cannot be written: it stays as it was, a message names it
    with the reason, the program goes on, and once the cause is gone the next press and Save
    succeed. Returns the message's text."""
    app, w = start_main(s)
    system = s.system_hosts(FORMER)
    cause = make_fail(s, system)
    save_and_replace(s, press_block_ads(s, w))
    box = s.wait_owned(w)
    s.screenshot(f'{name}-message')
    text = ' '.join(c.text for c in box.walk() if c.cls == 'Static')
    check(SYSTEM_HOSTS in text, f'the message names the file: {text!r}')
    check(reason in text, f'the message gives the reason {reason!r}: {text!r}')
    check_equal(open(system, 'rb').read(), FORMER, 'the system hosts file, byte for byte as it was')
    if os.path.exists(system + '.bak'):
        check_equal(open(system + '.bak', 'rb').read(), FORMER, 'a backup made on the way')
    s.keys('Return', over=box)
    s.wait_gone(box)
    undo(s, system, cause)
    save_and_replace(s, press_block_ads(s, w))
    check_equal(open(system, 'rb').read(), block_list(), 'the system hosts file once the cause is gone')
    check_equal(open(system + '.bak', 'rb').read(), FORMER, 'its former bytes in hosts.bak')
    only_the_main_window(s, w, 'no message after the good write')
    end_with_escape(s, app, w)
    return text


def attribute(flag):
    def make(s, path):
        s.wine(['attrib', '+' + flag, SYSTEM_HOSTS])

    def undo(s, path, _):
        s.wine(['attrib', '-' + flag, SYSTEM_HOSTS])
    return make, undo


def read_only():
    def make(s, path):
        os.chmod(path, 0o444)

    def undo(s, path, _):
        os.chmod(path, 0o644)
    return make, undo


def root_owned(file=True):
    # The stand-in for missing administrator rights: the folder, and the file too, belong to root.
    def make(s, path):
        st = os.stat(path)
        if file:
            os.chown(path, 0, 0)
        os.chown(os.path.dirname(path), 0, 0)
        return st

    def undo(s, path, st):
        os.chown(path, st.st_uid, st.st_gid)
        os.chown(os.path.dirname(path), st.st_uid, st.st_gid)
    return make, undo


def held_open():
    return (lambda s, path: s.hold_open(SYSTEM_HOSTS)), (lambda s, path, holder: s.release(holder))


def replaced_all_the_same(s, name, make_fail, undo):
    """Save on a hosts file whose cause Wine does not honour: it is replaced, its former bytes kept."""
    app, w = start_main(s)
    system = s.system_hosts(FORMER)
    cause = make_fail(s, system)
    save_and_replace(s, press_block_ads(s, w))
    check_equal(open(system, 'rb').read(), block_list(), 'the system hosts file')
    check_equal(open(system + '.bak', 'rb').read(), FORMER, 'its former bytes in hosts.bak')
    only_the_main_window(s, w, 'no message after the good write')
    undo(s, system, cause)
    end_with_escape(s, app, w)


# The faults a user can meet on the chosen file: (case name, cause, words of the system's reason,
# the advice the message gives). Windows refuses to replace a hidden or a system file, and the
# message then names the attributes (a unit test shows it); Wine replaces them, so under Wine
# those rows end with the file written and its former bytes kept. A file or folder that the user
# may not write (no administrator rights) makes the message say to run as administrator.
FAULTS = [
    ('read_only', read_only(), '拒绝', '属性'),
    ('hidden', attribute('h'), None, None),
    ('system', attribute('s'), None, None),
    ('not_writable_by_the_user', root_owned(), '拒绝', '管理员'),
    ('in_a_folder_not_writable_by_the_user', root_owned(file=False), '拒绝', '管理员'),
    ('held_open_by_another_program', held_open(), '共享冲突', None),
]


def fault_case(name, cause, reason, advice):
    def run(s):
        make, undo = cause
        if reason is None:
            return replaced_all_the_same(s, name, make, undo)
        text = failing_target(s, name, make, undo, reason)
        for words in ('属性', '管理员'):
            check((words in text) == (words == advice), f'advice {words!r} {"given" if words == advice else "not given"}: {text!r}')
    run.__name__ = f'a_hosts_file_{name}_is_reported_and_left_as_it_was'
    return case(run)


for fault in FAULTS:
    fault_case(*fault)


@case
def a_path_too_long_for_the_name_buffer_cannot_be_typed(s):
    app, w = start_main(s)
    system = s.system_hosts(FORMER)
    etc = os.path.dirname(system)
    dialog = press_block_ads(s, w)
    field = name_field(dialog)
    s.click(field.rect[0] + 10, field.rect[1] + field.rect[3] // 2)
    s.xdotool('key', 'ctrl+a')
    s.xdotool('type', '--delay', 2, 'b' * 300)
    # The field takes what fits the 260-byte name buffer beside the folder "C:\windows\...\etc\".
    room = 259 - len(SYSTEM_HOSTS[:-len('hosts')])
    typed = s.wait(lambda t: (lambda d: d if d and len(name_field(d).text) == room else None)(
        next((x for x in t.tops if x.hwnd == dialog.hwnd), None)), f'{room} characters in the name field')
    s.screenshot('long-name')
    s.keys('Return', over=typed)
    s.wait_gone(dialog)
    check(app.running(), 'the program goes on')
    chosen = os.path.join(etc, 'b' * room)
    check_equal(open(chosen, 'rb').read(), block_list(), 'the file of the name as the field showed it')
    os.remove(chosen)
    check_equal(open(system, 'rb').read(), FORMER, 'the system hosts file untouched')
    end_with_escape(s, app, w)


@case
def an_empty_file_name_writes_nothing_and_the_dialog_still_opens(s):
    app, w = start_main(s, program='hosts-adblock-emptyname.exe')
    dialog = press_block_ads(s, w)
    check_equal(name_field(dialog).text, '', 'the empty name field')
    check_equal(sorted(os.listdir(os.path.join(s.work, 'app'))), ['hosts-adblock-emptyname.exe'], 'files beside the program')
    cancel(s, dialog)
    end_with_escape(s, app, w)


@case
def an_empty_list_empties_the_target_and_counts_as_success(s):
    app, w = start_main(s, program='hosts-adblock-emptylist.exe')
    system = s.system_hosts(FORMER)
    dialog = press_block_ads(s, w)
    check_equal(open(os.path.join(s.work, 'app', 'hosts'), 'rb').read(), b'', '"hosts" beside the program')
    save_and_replace(s, dialog)
    check_equal(open(system, 'rb').read(), b'', 'the system hosts file, emptied')
    check_equal(open(system + '.bak', 'rb').read(), FORMER, 'its former bytes in hosts.bak')
    only_the_main_window(s, w, 'no message: it counts as success')
    end_with_escape(s, app, w)
