"""The project's own X session for tests and measurements: an Xvfb of its own (it picks a free
display and says which through -displayfd), programs started on it natively or under wine64, and
xdotool, xclip and xprop to drive and read them; for a screen reader's view, an accessibility bus
of the display's own, read through AT-SPI. No fixed display numbers; waits are for a state,
never a sleep of a guessed length: a state is checked again each time the X server tells of a
change (python3-xlib), never on a timer."""
import atexit
import os
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

try:
    from Xlib import X, error as xerror, display as xdisplay
except ImportError:  # a Python of its own (pyenv) first on the PATH does not see Debian's
    sys.path.append("/usr/lib/python3/dist-packages")
    from Xlib import X, error as xerror, display as xdisplay
from Xlib.ext import xfixes, xinput

TIMEOUT = 15  # seconds to wait for a state to come about; nothing asserts a duration
# The calculator's window title, by which the tests and tools find it.
CALCULATOR_TITLE = "Orvane RPN Calculator."
WINE = shutil.which("wine64") or "/usr/lib/wine/wine64"
WINESERVER = shutil.which("wineserver") or "/usr/lib/wine/wineserver"
# No dialog that waits for a person: no Mono or Gecko offers, no debug chatter.
WINE_ENV = {"WINEDEBUG": "-all", "WINEDLLOVERRIDES": "mscoree,mshtml="}
OPEN = []  # the displays open: their changes wake every wait


def end_wineserver(env):
    """Ends the prefix's wineserver and waits for it, so the next display starts its own."""
    for flag in ("-k", "-w"):
        subprocess.run([WINESERVER, flag], env=env, timeout=60,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def wait_for(probe, what, timeout=TIMEOUT, ready=()):
    """Returns probe()'s first true value. It is tried now, then each time an open display
    reports a change (see Watch) or a file of ready (a process's pidfd) can be read."""
    deadline = time.monotonic() + timeout
    while True:
        for display in OPEN:
            display.watch.drain()
        if found := probe():
            return found
        if any(display.watch.x.pending_events() for display in OPEN):
            continue  # read while probing: not to be waited for again
        left = deadline - time.monotonic()
        if left <= 0:
            raise AssertionError("gave up waiting for " + what)
        select.select([display.watch.x for display in OPEN] + list(ready), [], [], left)


class Watch:
    """A connection of the session's own to which the X server reports every change a wait is
    for: a top-level window created, shown, hidden, destroyed or renamed; a new owner of the
    clipboard (XFixes); a key pressed or released, which a lock state follows (XInput 2's raw
    events reach the root whatever window has the focus). It also keeps the server from
    resetting between other clients."""

    def __init__(self, name):
        self.x = xdisplay.Display(name)
        self.x.set_error_handler(self.told)
        self.root = self.x.screen().root
        self.root.change_attributes(event_mask=X.SubstructureNotifyMask)
        for window in self.root.query_tree().children:
            window.change_attributes(event_mask=X.PropertyChangeMask)
        self.x.xfixes_query_version()
        self.x.xfixes_select_selection_input(self.root, self.x.intern_atom("CLIPBOARD"),
                                             xfixes.XFixesSetSelectionOwnerNotifyMask)
        # As a client of XInput 2.2: since 2.1 raw events come during another client's grab too.
        xinput.XIQueryVersion(display=self.x.display, major_version=2, minor_version=2,
                              opcode=self.x.display.get_extension_major(xinput.extname))
        self.root.xinput_select_events([(xinput.AllMasterDevices,
                                         xinput.RawKeyPressMask | xinput.RawKeyReleaseMask)])
        self.utf8 = self.x.intern_atom("UTF8_STRING")
        self.net_wm_name = self.x.intern_atom("_NET_WM_NAME")
        self.x.sync()

    @staticmethod
    def told(error, request):  # a fault of a request without a reply
        if not isinstance(error, xerror.BadWindow):  # a window gone before it was watched
            print(f"xsession: {error}", file=sys.stderr)

    def drain(self):  # reads what was reported; a new window's renames are reported too
        while self.x.pending_events():
            event = self.x.next_event()
            if event.type == X.CreateNotify and event.parent == self.root:
                event.window.change_attributes(event_mask=X.PropertyChangeMask)

    def shown(self):  # (id, title) of each top-level window shown
        for window in self.root.query_tree().children:
            try:
                if window.get_attributes().map_state == X.IsViewable:
                    title = (window.get_full_text_property(self.net_wm_name, self.utf8)
                             or window.get_wm_name() or "")
                    yield str(window.id), title
            except xerror.XError:  # gone meanwhile
                pass

    def close(self):
        self.x.close()


class Display:
    def __init__(self, layout=None):
        read, write = os.pipe()
        # -ac: programs of other users (a test's unprivileged one) may connect too. -noreset: the
        # server keeps a layout set before the first program connects (a reset brings back US).
        self.xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-nolisten", "tcp", "-ac", "-noreset",
                                      "-screen", "0", "1024x768x24"],
                                     pass_fds=(write,), stderr=subprocess.DEVNULL)
        os.close(write)
        with os.fdopen(read) as number:
            self.env = dict(os.environ, DISPLAY=":" + number.readline().strip())
        self.env.pop("QT_QPA_PLATFORM", None)
        if layout:
            self.run("setxkbmap", "-layout", layout, check=True)
        self.watch = Watch(self.env["DISPLAY"])
        OPEN.append(self)

    def run(self, *command, check=False):
        done = subprocess.run(command, env=self.env, capture_output=True, timeout=TIMEOUT, text=True)
        if check and done.returncode:
            raise AssertionError(f"{command}: {done.stderr}")
        return done.stdout

    def find(self, title):  # a window shown with this title, or None
        return next((window for window, name in self.watch.shown() if name == title), None)

    def focus(self, window):  # no window manager gives it
        self.run("xdotool", "windowfocus", "--sync", window)

    def keys(self, names):  # to the focused window, through XTEST; a number is a keycode
        self.run("xdotool", "key", "--delay", "20", *names.split())

    def clipboard(self, text=None):
        if text is None:
            return self.run("xclip", "-o", "-selection", "clipboard")
        # xclip stays on to serve the text: it must not hold our pipes open
        subprocess.run(["xclip", "-selection", "clipboard"], input=text.encode(), env=self.env,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=TIMEOUT)
        wait_for(lambda: self.clipboard() == text, "xclip to own the clipboard")

    def icon_sizes(self, window):  # the sizes the window offers for its title bar, as (w, h)
        out = self.run("xprop", "-id", window, "-notype", "_NET_WM_ICON")
        return re.findall(r"Icon \((\d+) x (\d+)\)", out)

    def close(self):
        if self in OPEN:
            OPEN.remove(self)
            self.watch.close()
        self.xvfb.kill()
        self.xvfb.wait()


class AccessibilityBus:
    """A D-Bus session of the display's own with an accessibility bus in it (dbus-daemon and
    at-spi-bus-launcher, as a desktop starts them for a screen reader). Programs started on the
    display afterwards offer their accessibility tree there (Qt's even with no screen reader
    running); `address` is the accessibility bus, where AT-SPI clients read it."""

    def __init__(self, display):
        self.display = display
        # In a process group of its own, so that ending it ends what it started too: the session
        # bus starts at-spi-bus-launcher (its service file) when asked for the address, and the
        # launcher the accessibility bus and its registry.
        self.session = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                                        env=display.env, stdout=subprocess.PIPE,
                                        stderr=subprocess.DEVNULL, text=True, start_new_session=True)
        display.env.update(DBUS_SESSION_BUS_ADDRESS=self.session.stdout.readline().strip(),
                           QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        reply = display.run("dbus-send", "--session", "--print-reply=literal", "--dest=org.a11y.Bus",
                            "/org/a11y/bus", "org.a11y.Bus.GetAddress", check=True)
        self.address = reply.strip()

    def close(self):
        for name in ("DBUS_SESSION_BUS_ADDRESS", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON"):
            self.display.env.pop(name, None)
        os.killpg(self.session.pid, signal.SIGTERM)
        self.session.wait(timeout=TIMEOUT)
        self.session.stdout.close()


class ScreenReader:
    """A program read as a screen reader reads it: AT-SPI (python3-pyatspi, as `at`) on the bus's
    accessibility bus, one bus for the life of the process. `told` keeps the (type, source) of
    the events on objects' text and states, in the order they came."""

    def __init__(self, bus, name):
        os.environ["AT_SPI_BUS_ADDRESS"] = bus.address  # where libatspi looks first
        import gi
        gi.require_version("Atspi", "2.0")
        import pyatspi
        from gi.repository import GLib
        self.at, self.glib, self.told = pyatspi, GLib, []
        pyatspi.Registry.registerEventListener(lambda e: self.told.append((e.type, e.source)),
                                               "object:text-changed", "object:state-changed",
                                               "object:children-changed")
        desktop = pyatspi.Registry.getDesktop(0)
        self.app = self.wait(lambda: next((a for a in desktop if a and a.name == name), None),
                             f"{name} on the accessibility bus")

    def wait(self, probe, what, timeout=TIMEOUT):
        """Returns probe()'s first true value; it is tried now, then at each message the bus
        brings (the registry's and the program's events)."""
        expired = []
        timer = self.glib.timeout_add_seconds(timeout, lambda: expired.append(True))
        try:
            while not (found := probe()):
                if expired:
                    raise AssertionError("gave up waiting for " + what)
                self.glib.MainContext.default().iteration(True)
            return found
        finally:
            if not expired:
                self.glib.source_remove(timer)

    def find(self, role, name=None):  # the first object of the role (and name), or None
        return self.at.findDescendant(self.app, lambda o: o.getRole() == role and name in (None, o.name))

    def focused(self):
        return self.at.findDescendant(self.app, lambda o: o.getState().contains(self.at.STATE_FOCUSED))


class Program:
    """A program on the display: natively, or an .exe under wine64 with a wine prefix and
    wineserver of its own, ended with the program so that the next display gets a new one."""

    def __init__(self, display, path, title, cwd=None, wine_prefix=None, run_as=()):
        self.display, self.wine_prefix, self.own_prefix = display, None, False
        env, command = dict(display.env), [*run_as, path]
        if path.lower().endswith(".exe"):
            self.own_prefix = wine_prefix is None
            self.wine_prefix = wine_prefix or tempfile.mkdtemp(prefix="orvane-wine-")
            env.update(WINE_ENV, WINEPREFIX=self.wine_prefix)
            command = [WINE, path]
        self.env = env
        # Started once. Starts were once retried as Xvfb "refused" a program now and then: a
        # server that resets when its last client leaves (xdotool's, polling) closes every
        # client connected just then. -noreset and the watch's own connection rule that out.
        self.started = time.monotonic()
        self.log = tempfile.TemporaryFile()  # what the program says, told if it fails
        self.process = subprocess.Popen(command, cwd=cwd, env=env, stdout=subprocess.DEVNULL,
                                        stderr=self.log)
        ended = os.pidfd_open(self.process.pid)
        try:
            self.window = wait_for(lambda: self.process.poll() is not None or display.find(title),
                                   f"a window '{title}' from {path}", ready=(ended,),
                                   timeout=60 if self.wine_prefix else TIMEOUT)
        except AssertionError as no_window:
            shown = [name for _, name in display.watch.shown()]
            raise self._failure(f"{no_window}; the display shows {shown}") from None
        finally:
            os.close(ended)
        self.startup_s = time.monotonic() - self.started
        if self.process.poll() is not None:
            raise self._failure(f"{path} exited with {self.process.returncode}")
        display.focus(self.window)

    def save_stack(self, keys="ctrl+s"):  # the calculator's Save, then Enter on its "Saved" box
        self.display.focus(self.window)
        self.display.keys(keys)
        self.display.focus(wait_for(lambda: self.display.find("Saved"), "the Saved box"))
        self.display.keys("Return")
        wait_for(lambda: not self.display.find("Saved"), "the Saved box to close")
        self.display.focus(self.window)

    def peak_rss_mib(self):  # the program's own, or wine's process that runs it
        pids = [self.process.pid]
        if self.wine_prefix:
            pids = [p for p in os.listdir("/proc") if p.isdigit() and self._runs_exe(p)] or pids
        peaks = []
        for pid in pids:
            with open(f"/proc/{pid}/status") as status:
                peaks += [int(l.split()[1]) / 1024 for l in status if l.startswith("VmHWM:")]
        return max(peaks)

    def _runs_exe(self, pid):
        try:
            with open(f"/proc/{pid}/cmdline", "rb") as f:
                return f.read().lower().split(b"\0")[0].endswith(b".exe")
        except OSError:
            return False

    def _failure(self, why):  # ends the program (and its wineserver) and tells what it said
        self.close()
        self.log.seek(0)
        said = self.log.read().decode(errors="replace")[-2000:]
        return AssertionError(f"{why}; it said: {said}" if said else why)

    def close(self):
        self.process.terminate()  # runuser passes it on to the program
        try:
            self.process.wait(timeout=TIMEOUT)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
        if self.wine_prefix:
            end_wineserver(self.env)
            if self.own_prefix:
                shutil.rmtree(self.wine_prefix, ignore_errors=True)


@atexit.register
def close_all():  # an Xvfb outlives a test that failed before its own close
    for display in list(OPEN):
        display.close()


def main(command):
    """Runs a command on an Xvfb of its own (and, with WINEPREFIX set, ends that prefix's
    wineserver afterwards); exits with the command's status."""
    display = Display()
    try:
        env = dict(display.env, **WINE_ENV) if "WINEPREFIX" in os.environ else display.env
        status = subprocess.run(command, env=env).returncode
        if "WINEPREFIX" in os.environ:
            end_wineserver(env)
    finally:
        display.close()
    sys.exit(status)


if __name__ == "__main__":
    if len(sys.argv) < 2:
        sys.exit("usage: xsession.py COMMAND [ARGUMENT...]")
    main(sys.argv[1:])
