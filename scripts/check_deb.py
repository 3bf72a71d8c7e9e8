#!/usr/bin/env python3
"""Installs the built .deb and checks the installed program end to end under Xvfb, as a
user who cannot write /usr/bin: it starts with a window icon drawn from the SVG (so a
128 px one is offered), saves (to its application data directory), loads a changed file back,
and saves again.
usage: check_deb.py PATH/TO/orvane-calc_VERSION_ARCH.deb      (run as root)"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

CRLF = b"\r\n"


def xdo(env, *args):
    return subprocess.run(["xdotool", *args], env=env, capture_output=True, text=True, timeout=20)


def wait_window(env, name, timeout=15):
    deadline = time.time() + timeout
    while time.time() < deadline:
        out = xdo(env, "search", "--onlyvisible", "--name", name).stdout.split()
        if out:
            return out[0]
        time.sleep(0.05)
    return None


def press(env, window, *keys):
    xdo(env, "windowfocus", "--sync", window)
    xdo(env, "key", "--delay", "20", *keys)
    time.sleep(0.2)


def save(env, window):
    press(env, window, "ctrl+s")
    box = wait_window(env, "^Saved$", 5)
    if not box:
        return False
    xdo(env, "windowfocus", "--sync", box)
    xdo(env, "key", "Return")
    time.sleep(0.3)
    return True


def main(deb):
    subprocess.run(["apt-get", "install", "-y", "-qq", "--reinstall", os.path.abspath(deb)], check=True,
                   stdout=subprocess.DEVNULL)
    home = tempfile.mkdtemp(prefix="orvane-home-")
    shutil.chown(home, "nobody")
    display = ":187"
    xvfb = subprocess.Popen(["Xvfb", display, "-ac", "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    env = dict(os.environ, DISPLAY=display)
    env.pop("QT_QPA_PLATFORM", None)
    app = None
    try:
        time.sleep(1)
        app = subprocess.Popen(["runuser", "-u", "nobody", "--", "env", f"HOME={home}", f"DISPLAY={display}",
                                "XDG_RUNTIME_DIR=" + home, "/usr/bin/orvane-calc"])
        window = wait_window(env, r"^Orvane RPN Calculator\.$")
        assert window, "the installed program showed no window"
        icon = subprocess.run(["xprop", "-id", window, "_NET_WM_ICON"], env=env, capture_output=True,
                              text=True, timeout=20).stdout
        sizes = re.findall(r"Icon \((\d+) x (\d+)\)", icon)
        assert ("128", "128") in sizes, f"the window offers no 128 px icon, only {sizes}: no SVG icon engine?"
        stack_file = os.path.join(home, ".local", "share", "orvane-calc", "StackTemp.stp")
        press(env, window, "4", "2", "Return")
        assert save(env, window), "no Saved box"
        with open(stack_file, "rb") as f:
            first = f.read()
        assert first == b" 1 " + CRLF + CRLF + b" 1 " + CRLF + b"42" + CRLF, first
        with open(stack_file, "wb") as f:
            f.write(b" 0 " + CRLF + b"7" + CRLF + b" 2 " + CRLF + b"1" + CRLF + b"2.5" + CRLF)
        press(env, window, "ctrl+l")
        assert save(env, window), "no Saved box after Load"
        with open(stack_file, "rb") as f:
            second = f.read()
        assert second == b" 0 " + CRLF + b"7" + CRLF + b" 2 " + CRLF + b"1" + CRLF + b"2.5" + CRLF, second
        assert not os.path.exists("/usr/bin/StackTemp.stp")
        print("deb check: installed, started, saved to", stack_file, "and loaded back: ok")
        return 0
    finally:
        if app:
            app.terminate()
        xvfb.terminate()
        shutil.rmtree(home, ignore_errors=True)


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1]))
