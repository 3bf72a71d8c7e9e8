"""The project's own X session for tests and measurements: an Xvfb of its own (it picks a free
display and says which through -displayfd), programs started on it natively or under wine64, and
xdotool, xclip and xprop to drive and read them. No fixed display numbers; waits are for a state,
never a sleep of a guessed length."""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

TIMEOUT = 15  # seconds to wait for a state to come about; nothing asserts a duration
WINE = shutil.which("wine64") or "/usr/lib/wine/wine64"
WINESERVER = shutil.which("wineserver") or "/usr/lib/wine/wineserver"
# No dialog that waits for a person: no Mono or Gecko offers, no debug chatter.
WINE_ENV = {"WINEDEBUG": "-all", "WINEDLLOVERRIDES": "mscoree,mshtml="}


def end_wineserver(env):
    """Ends the prefix's wineserver and waits for it, so the next display starts its own."""
    for flag in ("-k", "-w"):
        subprocess.run([WINESERVER, flag], env=env, timeout=60,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def wait_for(probe, what, timeout=TIMEOUT):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if found := probe():
            return found
        time.sleep(0.005)
    raise AssertionError("gave up waiting for " + what)


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

    def run(self, *command, check=False):
        done = subprocess.run(command, env=self.env, capture_output=True, timeout=TIMEOUT, text=True)
        if check and done.returncode:
            raise AssertionError(f"{command}: {done.stderr}")
        return done.stdout

    def find(self, title):
        found = self.run("xdotool", "search", "--onlyvisible", "--name", "^" + re.escape(title) + "$")
        return found.split()[0] if found else None

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
        self.xvfb.kill()
        self.xvfb.wait()


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
        # Xvfb now and then refuses a new client's connection (seen about once in thirty
        # starts, with its log silent): a program that says so is started again.
        for attempt in range(3):
            self.started = time.monotonic()
            self.log = tempfile.TemporaryFile()  # what the program says, told if it fails
            self.process = subprocess.Popen(command, cwd=cwd, env=env, stdout=subprocess.DEVNULL,
                                            stderr=self.log)
            try:
                self.window = wait_for(lambda: self.process.poll() is not None or display.find(title),
                                       title, timeout=60 if self.wine_prefix else TIMEOUT)
            except AssertionError:
                # Seen once under wine in a loaded CI run: no window at all. Say what the display
                # showed, end that wineserver and start once more.
                shown = display.run("xdotool", "search", "--name", ".").split()
                names = [display.run("xdotool", "getwindowname", w).strip() for w in shown]
                print(f"xsession: no window '{title}' from {path}; the display shows {names}",
                      file=sys.stderr)
                self.process.kill()
                self.process.wait()
                if not self.wine_prefix or attempt == 2:
                    raise
                end_wineserver(env)
                continue
            self.startup_s = time.monotonic() - self.started
            if self.process.poll() is None:
                break
            self.log.seek(0)
            said = self.log.read().decode(errors="replace")
            if attempt == 2 or "could not connect to display" not in said:
                raise AssertionError(f"{path} exited with {self.process.returncode}: {said[-2000:]}")
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
