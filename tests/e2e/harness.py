"""The end-to-end harness: starts the real program under wine64 on the test screen, reads its window
tree, types and clicks as a person would (through the X server), keeps screenshots, and waits for
the exit code. Every wait polls with a bound; nothing sleeps a fixed time.
"""
import glob
import json
import os
import pwd
import shutil
import signal
import subprocess
import time

REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
WINE_EXEC = os.path.join(REPO, 'scripts', 'wine-exec')
TEST_USER = 'hosts-tester'


class Failure(AssertionError):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def check_equal(actual, expected, what):
    if actual != expected:
        raise Failure(f'{what}: expected {expected!r}, got {actual!r}')


class Window:
    """One window of the tree, as wintree saw it."""

    def __init__(self, data, active=False):
        self.data = data
        self.active = active
        self.children = [Window(c) for c in data.get('children', [])]

    def __getattr__(self, name):
        try:
            return self.data[name]
        except KeyError:
            raise AttributeError(name) from None

    @property
    def cls(self):
        return self.data['class']

    def walk(self):
        yield self
        for c in self.children:
            yield from c.walk()

    def find(self, cls=None, text=None):
        for w in self.walk():
            if w is self:
                continue
            if (cls is None or w.cls == cls) and (text is None or w.text == text):
                return w
        return None

    def focused(self):
        """The child window that has the keyboard focus (not the window itself)."""
        return next((w for w in self.walk() if w is not self and w.focus), None)

    def __repr__(self):
        return f'<{self.cls} {self.text!r} rel={self.rel} visible={self.visible}>'


class Tree:
    def __init__(self, data):
        self.data = data
        self.tops = [Window(t['window'], t['active']) for t in data['windows']]

    def top(self, cls=None, text=None, pid=None):
        for w in self.tops:
            if (cls is None or w.cls == cls) and (text is None or w.text == text):
                return w
        return None


class App:
    def __init__(self, session, proc):
        self.session = session
        self.proc = proc

    def wait_exit(self, timeout=20):
        try:
            return self.proc.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            raise Failure(f'the program did not end within {timeout} s') from None

    def running(self):
        return self.proc.poll() is None

    def kill(self):
        """Ends the program and everything it started (the Wine process runs below the runner)."""
        if self.running():
            try:
                os.killpg(self.proc.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            self.proc.wait()


class Session:
    """One end-to-end case: its scratch folder, its screenshots, the programs it started."""

    def __init__(self, name, build):
        self.name = name
        self.build = build
        self.work = os.path.join(build, 'e2e-work', name)
        self.screens = os.path.join(build, 'e2e-screens')
        shutil.rmtree(self.work, ignore_errors=True)
        os.makedirs(self.work)
        os.makedirs(self.screens, exist_ok=True)
        for old in glob.glob(os.path.join(self.screens, f'{name}-*.png')):
            os.remove(old)
        self.give_to_test_user(self.work)
        self.apps = []

    # ---- files, owned by the user that runs the Windows programs ----

    def give_to_test_user(self, path):
        if os.geteuid() != 0:
            return
        user = pwd.getpwnam(TEST_USER)
        os.chown(path, user.pw_uid, user.pw_gid)

    def folder(self, *parts):
        path = os.path.join(self.work, *parts)
        os.makedirs(path, exist_ok=True)
        for i in range(1, len(parts) + 1):
            self.give_to_test_user(os.path.join(self.work, *parts[:i]))
        return path

    def install(self, program='hosts-adblock.exe', folder='app'):
        """A copy of a program in a folder of its own that the test user may write."""
        target = os.path.join(self.folder(folder), program)
        shutil.copy(os.path.join(self.build, program), target)
        self.give_to_test_user(target)
        return target

    # ---- programs ----

    def wine(self, args, **kw):
        return subprocess.run([WINE_EXEC] + args, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, timeout=60, **kw)

    def start(self, exe, cwd=None):
        log = open(os.path.join(self.work, f'wine-{len(self.apps)}.log'), 'wb')  # what Wine says of it
        proc = subprocess.Popen([WINE_EXEC, exe], cwd=cwd or self.work, stdin=subprocess.DEVNULL,
                                stdout=log, stderr=subprocess.STDOUT, start_new_session=True)
        app = App(self, proc)
        self.apps.append(app)
        return app

    def hold_open(self, path):
        """Another program that holds the file open, shared with no one; returns it, to release."""
        proc = subprocess.Popen([WINE_EXEC, os.path.join(self.build, 'tests', 'holdfile.exe'), path],
                                stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        check_equal(proc.stdout.readline().strip(), b'held', f'{path} held open by another program')
        return proc

    def release(self, holder):
        holder.stdin.close()
        holder.wait(timeout=20)

    # ---- the prefix's system hosts file, put back as it was when the case ends ----

    def system_hosts(self, content=None):
        """The path of the prefix's system hosts file; with content, it is written first. The file,
        its folder and any backup beside it are put back as they were when the case ends."""
        etc = os.path.join(os.environ['WINEPREFIX'], 'drive_c', 'windows', 'system32', 'drivers', 'etc')
        path = os.path.join(etc, 'hosts')
        if not hasattr(self, '_hosts_saved'):
            self._hosts_saved = (open(path, 'rb').read(), os.stat(path), os.stat(etc))
        if content is not None:
            with open(path, 'wb') as f:
                f.write(content)
        return path

    def _restore_hosts(self):
        if not hasattr(self, '_hosts_saved'):
            return
        data, st, etc_st = self._hosts_saved
        path = self.system_hosts()
        self.wine(['attrib', '-h', '-s', '-r', 'C:\\windows\\system32\\drivers\\etc\\hosts'])
        etc = os.path.dirname(path)
        os.chown(etc, etc_st.st_uid, etc_st.st_gid)
        os.chmod(etc, etc_st.st_mode & 0o7777)
        os.chmod(path, 0o644)
        with open(path, 'wb') as f:
            f.write(data)
        os.chown(path, st.st_uid, st.st_gid)
        os.chmod(path, st.st_mode & 0o7777)
        for extra in (path + '.bak',):
            if os.path.exists(extra):
                os.remove(extra)

    # ---- the browser: Wine's browser hook pointed at a recorder ----

    def record_browser(self):
        """Points Wine's browser hook at a script that records each address it is asked to open;
        returns the file it records to. The hook is removed when the case ends."""
        folder = self.folder('browser')
        record = os.path.join(folder, 'opened.txt')
        script = os.path.join(folder, 'browser.sh')
        with open(script, 'w') as f:
            f.write(f'#!/bin/sh\nprintf "%s\\n" "$*" >> "{record}"\n')
        os.chmod(script, 0o755)
        self.give_to_test_user(script)
        self.wine(['reg', 'add', 'HKCU\\Software\\Wine\\WineBrowser', '/v', 'Browsers', '/d', script, '/f'])
        self._browser_hooked = True
        return record

    def opened(self, record):
        """The addresses the recorder was asked to open so far, once no browser start is under way."""
        self.wait(lambda t: subprocess.run(['pgrep', '-f', 'winebrowser|browser.sh'], stdout=subprocess.DEVNULL).returncode != 0,
                  'the browser starts to finish', timeout=20)
        return open(record).read().splitlines() if os.path.exists(record) else []

    def colour_count(self, shot, rect, rgb):
        x, y, w, h = rect
        return sum(1 for p in self.pixels(shot, x, y, w, h) if p == rgb)

    def wait_colour(self, scene, rect, rgb, at_least=20):
        """Takes screenshots until the rectangle shows at least so many pixels of the colour."""
        def probe(_):
            shot = self.screenshot(scene)
            return shot if self.colour_count(shot, rect, rgb) >= at_least else None
        return self.wait(probe, f'{rgb} in {rect}', timeout=10)

    def tree(self, all_windows=False):
        """A snapshot of the window tree. A snapshot taken while windows come and go can come out
        broken; it is taken again then, a few times at most."""
        args = [os.path.join(self.build, 'tests', 'e2e', 'wintree.exe')] + (['--all'] if all_windows else [])
        for attempt in range(5):
            out = self.wine(args)
            try:
                return Tree(json.loads(out.stdout.decode('utf-8')))
            except ValueError:
                if attempt == 4:
                    raise Failure(f'wintree gave no tree (exit code {out.returncode}): {out.stdout[:200]!r}') from None

    def wait(self, probe, what, timeout=20):
        """Polls probe(tree) until it gives something true; returns that."""
        deadline = time.monotonic() + timeout
        last = None
        while True:
            last = self.tree()
            got = probe(last)
            if got:
                return got
            if time.monotonic() > deadline:
                raise Failure(f'timed out after {timeout} s waiting for {what}; saw {[w for w in last.tops]}')
            time.sleep(0.1)

    def wait_owned(self, owner, cls='#32770', timeout=20):
        """A window of the class that the owner window owns, such as its dialog or message box."""
        return self.wait(lambda t: next((w for w in t.tops if w.cls == cls and w.owner == owner.hwnd), None),
                         f'a {cls} owned by {owner}', timeout)

    def wait_gone(self, window, timeout=20):
        self.wait(lambda t: all(w.hwnd != window.hwnd for w in t.tops), f'{window} to close', timeout)

    def click_button(self, window, prefix):
        """Clicks the button of the window whose text starts with prefix."""
        button = next((c for c in window.walk() if c.cls == 'Button' and c.text.startswith(prefix)), None)
        check(button is not None, f'a button {prefix!r} in {window}; it has {[c for c in window.walk()]}')
        x, y, w, h = button.rect
        self.click(x + w // 2, y + h // 2)

    def wait_top(self, cls=None, text=None, timeout=20):
        return self.wait(lambda t: t.top(cls, text), f'a window {cls or ""} {text or ""}'.strip(), timeout)

    # ---- a person's keys and mouse, through the X server ----

    def xdotool(self, *args):
        subprocess.run(['xdotool'] + [str(a) for a in args], check=True)

    def point_at(self, x, y):
        self.xdotool('mousemove', x, y)

    def keys(self, *keys, over=None):
        """Types keys; the X server sends them to the window under the pointer, so point at `over`
        (a top-level Window: its title bar) first."""
        if over is not None:
            x, y, w, _ = over.rect
            self.point_at(x + w // 2, y + 8)
        for k in keys:
            self.xdotool('key', k)

    def click(self, x, y, button=1, repeat=1):
        self.xdotool('mousemove', x, y, 'click', '--repeat', repeat, '--delay', 80, button)

    def click_in(self, window, dx, dy, **kw):
        x, y = window.rect[0], window.rect[1]
        self.click(x + dx, y + dy, **kw)

    def screenshot(self, scene):
        path = os.path.join(self.screens, f'{self.name}-{scene}.png')
        subprocess.run(['import', '-window', 'root', path], check=True, stderr=subprocess.DEVNULL)
        return path

    def pixels(self, shot, x, y, w, h):
        """The colours of a rectangle of a screenshot, row by row, as (r, g, b)."""
        out = subprocess.run(['convert', shot, '-crop', f'{w}x{h}+{x}+{y}', '-depth', '8', 'rgb:-'],
                             check=True, stdout=subprocess.PIPE).stdout
        return [tuple(out[i:i + 3]) for i in range(0, len(out), 3)]

    def close(self):
        for app in self.apps:
            app.kill()
        self._restore_hosts()
        if getattr(self, '_browser_hooked', False):
            self.wine(['reg', 'delete', 'HKCU\\Software\\Wine\\WineBrowser', '/v', 'Browsers', '/f'])


CASES = {}


def case(fn):
    """Registers an end-to-end case: a function taking the Session."""
    CASES[fn.__name__] = fn
    return fn
