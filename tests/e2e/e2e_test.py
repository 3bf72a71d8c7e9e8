#!/usr/bin/env python3
# The real program driven as a user drives it: its own Xvfb display, real key events through
# XTEST (xdotool: the key map reads the physical keys, which synthetic events lack), the real
# clipboard, and the real stack file beside a copy of the program in a folder whose name is not
# ASCII, which is also how the state is read back. On Linux every step runs twice: as an X11
# client (clipboard by xclip), and as a Wayland client of weston, whose x11 backend passes the
# same X key events on (clipboard by wl-clipboard); and a screen reader's view, the program's
# accessibility tree and events through AT-SPI. An .exe runs under wine64, where the same X key
# events reach the Windows key path.   usage: e2e_test.py PATH/TO/orvane-calc[.exe]
import os, shutil, subprocess, sys, tempfile, time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts"))
from xsession import (CALCULATOR_TITLE as TITLE, WINE, AccessibilityBus, Compositor,  # noqa: E402
                      Display, Program, ScreenReader, WaylandProgram, wait_for)

# X keycodes of the numeric keypad's keys (Num Lock decides what they send), and of the main
# keyboard's R, P and S, whatever letters the layout prints on them.
KEYCODES = dict(zip("kp0 kp1 kp2 kp3 kp4 kp5 kp6 kp7 kp8 kp9 kpdot R P S".split(),
                    "90 87 88 89 83 84 85 79 80 81 91 27 33 39".split()))

import stackfile  # noqa: E402


class Calculator:
    def __init__(self, program, folder, layout=None, wayland=False):
        self.display = Display(layout)
        self.compositor = Compositor(self.display) if wayland else None
        self.stack_file = os.path.join(folder, "StackTemp.stp")
        self.program, self.save_keys = program, "ctrl+s"
        copy = shutil.copy2(program, folder)
        self.app = (WaylandProgram(self.compositor, copy, TITLE, cwd=folder) if wayland else
                    Program(self.display, copy, TITLE, cwd=folder))

    def keys(self, names):
        self.display.keys(" ".join(KEYCODES.get(k, k) for k in names.split()))

    def num_lock(self, on):  # as the program sees it: weston keeps a lock state of its own
        if self.app.num_lock() != on:
            self.keys("Num_Lock")
        wait_for(lambda: self.app.num_lock() == on, "Num Lock", ready=self.app.ready)

    # The stack file's bytes after a Save, which its "Saved" box follows. The file stays in place
    # until then: a Load still on its way to a slow program (wine's) must find it.
    def save(self):
        self.app.save_stack(self.save_keys)
        with open(self.stack_file, "rb") as f:
            return f.read()

    def state(self):  # (angle mode, entry text, values bottom first) from the stack file
        return stackfile.decode(self.save())

    def close(self):
        self.app.close()
        if self.compositor:
            self.compositor.close()
        self.display.close()


def check(calc, keys, *expected):  # (angle mode,) entry line, stack
    calc.keys("R " + keys)  # from an empty stack and entry line (R is the reset key)
    assert (state := calc.state()[-len(expected):]) == expected, f"{keys}: {state} is not {expected}"


def us_keyboard(calc):
    # Shift+8 and Shift+period still type 8 and the point; the main minus key does nothing
    check(calc, "1 Return shift+8 shift+period shift+5 minus Return", "", ["1", "8.5"])
    # the arrows rotate +, swap, rotate -, extract; Backspace deletes, Delete clears then drops
    check(calc, "1 Return 2 Return 3 Return 4 Return Right Up Left Down 5 6 BackSpace Delete Delete",
          "", ["4", "2"])
    calc.num_lock(True)  # ((1.5 * 2 + 456 - 78) * 9) / 0.3
    check(calc, "kp1 kpdot kp5 KP_Enter kp2 KP_Multiply kp4 kp5 kp6 KP_Add kp7 kp8 KP_Subtract"
          " kp9 KP_Multiply kp0 kpdot kp3 KP_Divide", "", ["11430"])
    calc.num_lock(False)  # 6 rotates positive, 8 swaps, 4 rotates negative, 2 extracts
    check(calc, "1 Return 2 Return 3 Return 4 Return kp6 kp8 kp4 kp2", "1", ["4", "2", "3"])
    # the point key is Delete: it clears the entry line, then drops; the rest do nothing
    check(calc, "1 Return 2 Return 3 kpdot kpdot kp0 kp1 kp3 kp5 kp7 kp9", "", ["1"])
    check(calc, "ctrl+d 1 Return 2 Return ctrl+x", " 0 ", "2", ["1"])  # Ctrl+X is no shortcut
    check(calc, "1 Return 2 Return ctrl+k ctrl+z ctrl+r", " 1 ", "", ["1", "2"])  # R: radians
    calc.keys("R ctrl+d 2 Return 3 period 5 Return 1 2")
    saved = calc.save()
    assert saved == b" 0 \r\n12\r\n 2 \r\n2\r\n3.5\r\n", saved
    calc.keys("R ctrl+r 7 Return 8")
    open(calc.stack_file, "wb").write(saved)
    calc.keys("ctrl+l")
    assert calc.save() == saved
    calc.keys("R 2 Return 3 Return 5")
    calc.app.clipboard("(not copied)")
    calc.keys("ctrl+c")
    copied = wait_for(lambda: calc.app.clipboard() != "(not copied)" and calc.app.clipboard(), "Copy",
                      ready=calc.app.ready)
    assert copied == "3", copied
    calc.app.clipboard("\t1.5E3\n")
    check(calc, "ctrl+v", "1.5E3", [])
    calc.app.clipboard("abc")
    check(calc, "ctrl+v 4", "4", [])  # not a number: the entry line stays as it was
    if calc.app.wine_prefix:  # sent the Windows way: a virtual key, then characters as Unicode
        sender = os.path.join(os.path.dirname(calc.program), "send-input.exe")
        calc.keys("R")
        subprocess.run([WINE, sender, TITLE, "vk:37", "8.5", "vk:0D"], env=calc.app.env, check=True)
        assert (state := calc.state()[2]) == ["78.5"], state
    if calc.compositor:
        return
    # The title bar's icon: from the PNGs up to 128 px on Linux; wine passes on Windows' small
    # and large icons.
    sizes = calc.display.icon_sizes(calc.app.window)
    assert sizes and (calc.app.wine_prefix or ("128", "128") in sizes), f"title bar icon sizes: {sizes}"
    if not calc.app.wine_prefix:  # a window of one fixed size asks no window manager to maximise
        functions, decorations = calc.display.motif_hints(calc.app.window)
        assert not functions & 16 and not decorations & 64, (functions, decorations)


def latin_layouts(calc):  # the key that types the point is the period key, wherever it lies
    for layout, point, other in (("fr", "59", "60"), ("be", "shift+59", "60"),
                                 ("us -variant dvorak", "26", "60"), ("de", "60", "61")):
        calc.display.run("setxkbmap", *layout.split(), check=True)
        calc.keys("ctrl+k 1 " + point + " 5 Return 2 " + other + " 5 Return")
        assert (state := calc.state()[2]) == ["1.5", "25"], f"{layout}: {state}"


def russian_keyboard(calc):  # keys by their place: S swaps, P is pi, R resets, the key marked
    # "." is the US slash's and does nothing, the US period's place types the point
    calc.save_keys = "ctrl+39"  # Ctrl with the key of S saves: there is no Latin s to type
    check(calc, "1 Return 2 Return S P", "3.14159265358979", ["2", "1"])
    check(calc, "1 61 60 5 Return", "", ["1.5"])
    check(calc, "1 Return 2 Return ctrl+27 ctrl+40", " 0 ", "", ["1", "2"])  # radians, degrees


def screen_reader(calc):  # Linux only: the program again, on an accessibility bus of its own
    bus = AccessibilityBus(calc.display)
    calc.app.close()
    folder = os.path.dirname(calc.stack_file)
    calc.app = Program(calc.display, os.path.join(folder, os.path.basename(calc.program)), TITLE, cwd=folder)
    try:
        reader = ScreenReader(bus, "orvane-calc")
        at = reader.at

        def shows(text, told):  # the focused object, once it reads text and was told of as such
            def probe():
                now = reader.focused()
                return now if now and now.queryText().getText(0, -1) == text and any(
                    kind.startswith(told) and source == now for kind, source in reader.told) else None
            return reader.wait(probe, f"the focused object to read {text} and tell {told}")

        display, frame = reader.focused(), reader.find(at.ROLE_FRAME).queryComponent()
        assert (display.getRole(), display.name, display.queryText().getText(0, -1)) == \
            (at.ROLE_TEXT, "Display", "Stack: 0") and display.getState().contains(at.STATE_READ_ONLY)
        box = display.queryComponent().getExtents(at.DESKTOP_COORDS)
        assert all(frame.contains(x, y, at.DESKTOP_COORDS) for x, y in
                   ((box.x, box.y), (box.x + box.width - 1, box.y + box.height - 1))), (box.x, box.y)
        assert reader.find(at.ROLE_LIST).name == "Stack"
        with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "ui", "key-texts.txt"),
                  encoding="utf-8") as texts:  # name | caption | tooltip | spoken name | shortcut
            for row in (line.split("|") for line in texts if not line.startswith("#")):
                key = reader.find(at.ROLE_PUSH_BUTTON, row[3].strip())
                told = (key.description, key.queryAction().getKeyBinding(0))
                assert told == (row[2].strip(), row[4].strip()), (row, told)
        for keys, text in (("2 Return 3 KP_Add", "5"), ("1 Return S", "5"), ("1 Return 0", "0")):
            reader.told.clear()
            calc.keys(keys)
            shows(text, "object:text-changed")
        reader.told.clear()
        calc.keys("KP_Divide")  # fails: the same value, from the stack now, spoken all the same
        shows("0", "object:state-changed:focused")
        calc.keys("ctrl+d")
        modes = [reader.find(at.ROLE_RADIO_BUTTON, name) for name in ("Degrees", "Radians")]
        assert [m.getIndexInParent() for m in modes] == [0, 1]  # else a screen reader skips them
        reader.wait(lambda: [m.getState().contains(at.STATE_CHECKED) for m in modes] == [True, False],
                    "Degrees checked, Radians not")
    finally:
        calc.app.close()
        bus.close()


def main(program):
    # Other layouts and Wayland on Linux only: on Windows the system gives the codes, which wine
    # does not (it reads the X layout once, as it starts, and gives Russian letters codes of its
    # own). The screen reader's view is AT-SPI's, which Windows has not (Qt serves UI Automation
    # there).
    windows = program.endswith(".exe")
    layouts = ((latin_layouts, None), (russian_keyboard, "ru")) if not windows else ()
    runs = [(steps, layout, wayland) for wayland in ((False,) if windows else (False, True))
            for steps, layout in ((us_keyboard, None), *layouts)]
    runs += [] if windows else [(screen_reader, None, False)]
    took = {}  # seconds by display server, for the record of what each costs
    for steps, layout, wayland in runs:
        with tempfile.TemporaryDirectory(prefix="orvane-e2e-") as root:
            folder = os.path.join(root, "Zürich-数")
            os.mkdir(folder)
            started = time.monotonic()
            calc = Calculator(program, folder, layout, wayland)
            try:
                steps(calc)
            except AssertionError as failed:
                raise AssertionError(f"{steps.__name__} on {'Wayland' if wayland else 'X11'}: "
                                     f"{failed}") from None
            finally:
                calc.close()
            took[wayland] = took.get(wayland, 0) + time.monotonic() - started
    print(f"e2e: {len(runs)} passed, 0 failed; X11 runs {took[False]:.0f} s"
          + (f", Wayland runs {took[True]:.0f} s" if True in took else ""))


if __name__ == "__main__":
    main(os.path.abspath(sys.argv[1]))
