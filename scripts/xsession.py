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
import threading
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

    def motif_hints(self, window):  # (functions, decorations) the window allows, as bit masks
        values = self.run("xprop", "-id", window, "-notype", "_MOTIF_WM_HINTS").split("=")[-1]
        flags, functions, decorations = (int(v, 0) for v in values.split(",")[:3])
        every = lambda mask: ~mask & 0x7F if mask & 1 else mask  # bit 0: all but those named
        return (every(functions) if flags & 1 else 0x7F), (every(decorations) if flags & 2 else 0x7F)

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

    ready = ()  # the X server's own reports wake a wait for this program's state

    def num_lock(self):  # whether Num Lock is on, as the program's keys see it
        return "Num Lock:    on" in self.display.run("xset", "q")

    def clipboard(self, text=None):  # the X clipboard's text, or set to this text
        return self.display.clipboard(text)

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


WESTON_TITLE = "Weston Compositor - screen0"
NUM_LOCK = 0x10  # Mod2, where the keymaps put Num Lock


class Compositor:
    """Weston on a display's Xvfb, through its x11 backend: a Wayland session whose keys come from
    the X server, so that xdotool's key codes sent to weston's window reach the Wayland client
    that has the keyboard focus. Weston compiles the X server's keymap, and a later setxkbmap's
    too, and sends it to its clients."""

    def __init__(self, display):
        self.display = display
        self.runtime = tempfile.mkdtemp(prefix="orvane-wayland-")
        socket = "wayland-orvane"
        self.log = tempfile.TemporaryFile()
        self.process = subprocess.Popen(
            ["weston", "--backend=x11-backend.so", f"--socket={socket}", "--width=640",
             "--height=720", "--idle-time=0", "--no-config"],
            env=dict(display.env, XDG_RUNTIME_DIR=self.runtime), stdout=subprocess.DEVNULL,
            stderr=self.log)
        path = os.path.join(self.runtime, socket)
        self.window = wait_for(lambda: self.process.poll() is not None or
                               (os.path.exists(path) and display.find(WESTON_TITLE)), "weston")
        if self.process.poll() is not None:
            self.log.seek(0)
            raise AssertionError(f"weston exited: {self.log.read().decode(errors='replace')}")
        self.env = {k: v for k, v in display.env.items() if k != "DISPLAY"}
        self.env.update(XDG_RUNTIME_DIR=self.runtime, WAYLAND_DISPLAY=socket,
                        QT_QPA_PLATFORM="wayland")
        display.focus(self.window)

    def run(self, *command, **options):
        return subprocess.run(command, env=self.env, timeout=TIMEOUT, **options)

    def close(self):
        self.process.terminate()
        self.process.wait(timeout=TIMEOUT)
        shutil.rmtree(self.runtime, ignore_errors=True)


class ProtocolLog:
    """What a Wayland client's own protocol log (WAYLAND_DEBUG=client, on its standard error)
    tells: each toplevel's title, which surface has the keyboard focus and the locked modifiers.
    A thread reads it as it comes, so the client never waits on a full pipe; `ready` can be
    waited on for news."""
    LINE = re.compile(r"^\[ *[\d.]+\]\s+(?:-> )?(\w+)@(\d+)\.(\w+)\((.*)\)$")  # "[ 12.345]"

    def __init__(self, stream):
        self.ready, self._wake = os.pipe()
        os.set_blocking(self.ready, False)
        self._lines, self._lock = [], threading.Lock()
        self.tail = []  # the last lines, told when the client fails
        self.xdg_surface, self.toplevel, self.titles = {}, {}, {}
        self.focus, self.locked = None, 0
        threading.Thread(target=self._read, args=(stream,), daemon=True).start()

    def _read(self, stream):
        for raw in stream:
            with self._lock:
                self._lines.append(raw.decode(errors="replace").rstrip("\n"))
            os.write(self._wake, b".")
        os.close(self._wake)

    def update(self):
        try:
            while os.read(self.ready, 4096):
                pass
        except BlockingIOError:
            pass
        with self._lock:
            lines, self._lines = self._lines, []
        self.tail = (self.tail + lines)[-40:]
        for line in lines:
            if match := self.LINE.match(line):
                self._take(*match.groups())

    def _take(self, interface, number, message, arguments):
        ids = re.findall(r"@(\d+)", arguments)
        if message == "get_xdg_surface":  # (new id xdg_surface@A, wl_surface@S)
            self.xdg_surface[ids[0]] = ids[1]
        elif message == "get_toplevel":  # xdg_surface@A.get_toplevel(new id xdg_toplevel@T)
            self.toplevel[ids[0]] = self.xdg_surface.get(number)
        elif message == "set_title":
            self.titles[self.toplevel.get(number)] = arguments.strip('"')
        elif interface == "wl_keyboard" and message == "enter":
            self.focus = ids[0]
        elif interface == "wl_keyboard" and message == "leave" and self.focus in (ids or [None]):
            self.focus = None  # from this surface, or from one already gone (nil)
        elif interface == "wl_keyboard" and message == "modifiers":
            self.locked = int(arguments.split(",")[3])

    def focused_title(self):
        self.update()
        return self.titles.get(self.focus)


class WaylandProgram:
    """A program as a client of a Compositor, with what Program offers the tests: its keys go to
    weston's X window, and its protocol log tells which of its windows has the focus."""

    def __init__(self, compositor, path, title, cwd=None):
        self.display, self.compositor, self.title = compositor.display, compositor, title
        self.wine_prefix, self.window = None, compositor.window
        self.env = dict(compositor.env, WAYLAND_DEBUG="client")
        self.process = subprocess.Popen([path], cwd=cwd, env=self.env, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.PIPE)
        self.log = ProtocolLog(self.process.stderr)
        self.ready = (self.log.ready,)  # its protocol log wakes a wait for its state
        self.focused(title, f"a window '{title}' from {path}")

    def focused(self, title, what):  # waits until the window of this title has the keyboard
        try:
            wait_for(lambda: self.process.poll() is not None or self.log.focused_title() == title,
                     what, ready=(self.log.ready,))
        except AssertionError as timeout:
            raise self._failure(f"{timeout}; the focus is on {self.log.focused_title()!r}") from None
        if self.process.poll() is not None:
            raise self._failure(f"the program exited with {self.process.returncode}")

    def save_stack(self, keys="ctrl+s"):  # Save, then Enter on its "Saved" box
        self.display.keys(keys)
        self.focused("Saved", "the Saved box")
        self.display.keys("Return")
        self.focused(self.title, "the Saved box to close")

    def num_lock(self):
        self.log.update()
        return bool(self.log.locked & NUM_LOCK)

    def clipboard(self, text=None):  # through wl-clipboard, which takes the focus for a moment
        if text is None:
            return self.compositor.run("wl-paste", "--no-newline", capture_output=True,
                                       text=True).stdout
        self.compositor.run("wl-copy", text, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for(lambda: self.clipboard() == text, "wl-copy to own the clipboard", ready=self.ready)
        self.focused(self.title, "the focus back from wl-copy")

    def _failure(self, why):
        self.close()
        said = "\n".join(self.log.tail)
        return AssertionError(f"{why}; it said: {said}" if said else why)

    def close(self):
        self.process.terminate()
        try:
            self.process.wait(timeout=TIMEOUT)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()


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
