#!/usr/bin/env python3
# The Windows installer as a user meets it, under wine64 in a prefix of its own: a silent
# install into Program Files with a Start-menu entry, the installed program saving its stack
# file, and a silent uninstall that takes the program and its folder away.
# usage: installer_test.py PATH/TO/orvane-calc-VERSION-win64.exe
import glob, os, shutil, subprocess, sys, tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts"))
import stackfile  # noqa: E402
from xsession import (CALCULATOR_TITLE, WINE, WINE_ENV, WINESERVER, Display, Program,  # noqa: E402
                      end_wineserver)


def main(installer):
    prefix = tempfile.mkdtemp(prefix="orvane-wine-")
    display = Display()
    env = dict(display.env, **WINE_ENV, WINEPREFIX=prefix)
    try:
        def run_and_wait(*command):  # an NSIS uninstaller goes on in a copy of itself: wait for all
            subprocess.run([WINE, *command], env=env, check=True, timeout=300,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            subprocess.run([WINESERVER, "-w"], env=env, timeout=300)

        run_and_wait(installer, "/S")
        folder = os.path.join(prefix, "drive_c", "Program Files", "Orvane Calc")
        program = os.path.join(folder, "orvane-calc.exe")
        assert os.path.isfile(program), os.listdir(os.path.dirname(folder))
        links = glob.glob(os.path.join(prefix, "drive_c", "**", "Orvane Calc.lnk"), recursive=True)
        assert any("Start Menu" in link for link in links), f"no Start-menu entry: {links}"

        calc = Program(display, program, CALCULATOR_TITLE, wine_prefix=prefix)
        try:
            display.keys("4 2 Return")
            calc.save_stack()
        finally:
            calc.close()
        # Beside the program where its folder can be written (under wine, which has no access
        # lists, always), else in the user's application data folder.
        saved = glob.glob(os.path.join(prefix, "drive_c", "**", stackfile.NAME), recursive=True)
        assert len(saved) == 1, saved
        assert (state := stackfile.read(saved[0])) == (stackfile.RADIANS, "", ["42"]), state
        if os.path.dirname(saved[0]) == folder:  # the user's file is theirs to keep
            os.remove(saved[0])

        run_and_wait(os.path.join(folder, "Uninstall.exe"), "/S")
        assert not os.path.exists(folder), os.listdir(folder)
        assert not glob.glob(os.path.join(prefix, "drive_c", "**", "Orvane Calc.lnk"), recursive=True)
        print("installer: 1 passed, 0 failed")
    finally:
        end_wineserver(env)
        display.close()
        shutil.rmtree(prefix, ignore_errors=True)


if __name__ == "__main__":
    main(os.path.abspath(sys.argv[1]))
