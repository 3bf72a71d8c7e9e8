#!/usr/bin/env python3
"""Peak RSS of orvane-calc after it loads a large stack file (Ctrl+L) and takes two keys that
copy the whole stack for Undo, on an Xvfb of its own. The program's Copy (Ctrl+C) tells when
the keys are done: the clipboard then holds the value they leave on top, which tells whether
the file was loaded.
usage: measure_load.py PATH/TO/orvane-calc [FILE...]   FILE: largest (default), again, zeros, entry
  largest  the largest file a load takes: 1,000,000 values of 22 characters, a 23-digit entry
  again    the same, loaded twice
  zeros    16 MiB of the value 0, 5.6 million lines (what loaded before loads were bounded)
  entry    a 24 MiB file that is one long entry line, a number text of zeros"""
import os
import shutil
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from stackfile import NAME, RADIANS, encode  # noqa: E402
from xsession import CALCULATOR_TITLE, Display, Program, wait_for  # noqa: E402


def value(i):  # 22 characters, the longest stored text, in its normal form
    return f"-1.{i:013d}7E-300"


# Each kind of file: its bytes, the keys pressed after Ctrl+L, and what Copy then gives.
# Delete clears the entry line, then drops the top; Return pushes the entry, then duplicates the
# top. Each drop and push takes the undo copy first.
def largest():
    count = 1_000_000
    values = [value(i) for i in range(count)]
    return encode(RADIANS, "12345678901234567890123", values), "Delete Delete Delete", value(count - 3)


def again():  # the largest file loaded once more over itself: both stacks meet for a moment
    data, keys, top = largest()
    return data, "Delete ctrl+l " + keys, top


def zeros():
    lines = ((16 << 20) - 17) // 3  # after the 17 bytes of the first three lines
    return encode(RADIANS, "", ["0"] * lines), "Delete Delete", "0"


def entry():
    size = 24 << 20  # of which 12 bytes are the lines' ends, the angle mode and the count
    return encode(RADIANS, "0." + "0" * (size - 15) + "1", []), "Return Return", "0"


def measure(program, kind):
    folder = tempfile.mkdtemp(prefix="orvane-load-")
    display = Display()
    try:
        data, keys, top = globals()[kind]()
        with open(os.path.join(folder, NAME), "wb") as f:
            f.write(data)
        app = Program(display, shutil.copy2(program, folder), CALCULATOR_TITLE, cwd=folder)
        try:
            display.clipboard("(not copied)")
            display.keys(f"ctrl+l {keys} ctrl+c")
            # In a list, as an empty stack copies an empty text.
            [copied] = wait_for(lambda: (text := display.clipboard()) != "(not copied)" and [text],
                                "Copy", timeout=120)
            print(f"{kind}: {len(data):,} bytes, {'loaded' if copied == top else 'not loaded'}, "
                  f"peak RSS {app.peak_rss_mib():.1f} MiB")
        finally:
            app.close()
    finally:
        display.close()
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    for kind in sys.argv[2:] or ["largest"]:
        measure(sys.argv[1], kind)
