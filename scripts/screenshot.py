#!/usr/bin/env python3
"""Takes the README's picture of the window: the program (an .exe runs under wine64) on an Xvfb
of its own, with two values on the stack and 7.5 typed.
usage: screenshot.py PATH/TO/orvane-calc[.exe] OUT.png"""
import subprocess
import sys
import os

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from xsession import CALCULATOR_TITLE, Display, Program, wait_for  # noqa: E402


def main(program, out):
    display = Display()
    try:
        calc = Program(display, program, CALCULATOR_TITLE)
        try:
            display.keys("1 2 3 4 5 6 7 period 2 5 Return 2 Return 3 KP_Divide 7 period 5")
            # the last key drawn: Copy's clipboard comes after it in the same event queue
            display.keys("ctrl+c")
            wait_for(lambda: display.clipboard() == "0.666666666666667", "the keys to be handled")
            subprocess.run(["import", "-window", calc.window, out], env=display.env, check=True)
        finally:
            calc.close()
    finally:
        display.close()


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(os.path.abspath(sys.argv[1]), sys.argv[2])
