#!/usr/bin/env python3
"""Installs the built .deb and checks the installed program end to end on an Xvfb of its own,
as a user who cannot write /usr/bin: it starts with its window icon (a 128 px one among the
sizes it offers), saves (to its application data directory), loads a changed file back, and
saves again. Removes the package afterwards.
usage: check_deb.py PATH/TO/orvane-calc_VERSION_ARCH.deb      (run as root)"""
import os
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from xsession import CALCULATOR_TITLE as TITLE, Display, Program  # noqa: E402



def check(display, home):
    user = ["runuser", "-u", "nobody", "--", "env", f"HOME={home}", f"DISPLAY={display.env['DISPLAY']}",
            f"XDG_RUNTIME_DIR={home}"]
    calc = Program(display, "/usr/bin/orvane-calc", TITLE, run_as=user)
    try:
        sizes = display.icon_sizes(calc.window)
        assert ("128", "128") in sizes, f"the window offers no 128 px icon, only {sizes}"
        stack_file = os.path.join(home, ".local", "share", "orvane-calc", "StackTemp.stp")
        display.keys("4 2 Return")
        calc.save_stack()
        with open(stack_file, "rb") as f:
            assert (first := f.read()) == b" 1 \r\n\r\n 1 \r\n42\r\n", first
        changed = b" 0 \r\n7\r\n 2 \r\n1\r\n2.5\r\n"
        with open(stack_file, "wb") as f:
            f.write(changed)
        display.keys("ctrl+l")
        calc.save_stack()
        with open(stack_file, "rb") as f:
            assert (second := f.read()) == changed, second
        assert not os.path.exists("/usr/bin/StackTemp.stp")
        print("deb check: installed, started, saved to", stack_file, "and loaded back: ok")
    finally:
        calc.close()


def main(deb):
    subprocess.run(["apt-get", "install", "-y", "-qq", "--reinstall", os.path.abspath(deb)], check=True,
                   stdout=subprocess.DEVNULL)
    home = tempfile.mkdtemp(prefix="orvane-home-")
    shutil.chown(home, "nobody")
    display = Display()
    try:
        check(display, home)
    finally:
        display.close()
        shutil.rmtree(home, ignore_errors=True)
        subprocess.run(["apt-get", "remove", "-y", "-qq", "orvane-calc"], check=True, stdout=subprocess.DEVNULL)


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    main(sys.argv[1])
