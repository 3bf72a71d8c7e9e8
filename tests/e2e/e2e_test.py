#!/usr/bin/env python3
"""The real program driven as a user drives it: its own Xvfb display, real key events through
XTEST (xdotool; the key map reads the physical keys' scan codes, which synthetic events lack),
the real clipboard (xclip) and the real stack file beside a copy of the program, which is also
how the state is read back.   usage: e2e_test.py PATH/TO/orvane-calc"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

PROGRAM = None
TIMEOUT = 10  # seconds to wait for a state to come about; nothing asserts a duration
# X keycodes of the numeric keypad's keys: Num Lock decides what they send.
KEYPAD = {"kp0": "90", "kp1": "87", "kp2": "88", "kp3": "89", "kp4": "83", "kp5": "84",
          "kp6": "85", "kp7": "79", "kp8": "80", "kp9": "81", "kpdot": "91"}


def wait_for(probe, what):
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        found = probe()
        if found:
            return found
        time.sleep(0.02)
    raise AssertionError("gave up waiting for " + what)


# One running program on its own display, in its own directory.
class Calculator:

    def __init__(self, program):
        self.dir = tempfile.mkdtemp(prefix="orvane-e2e-")
        self.xvfb = self.app = None
        try:
            self._start(program)
        except BaseException:
            self.close()
            raise

    def _start(self, program):
        read, write = os.pipe()  # Xvfb picks a free display and writes its number when ready
        self.xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-nolisten", "tcp"],
                                     pass_fds=(write,), stderr=subprocess.DEVNULL)
        os.close(write)
        with os.fdopen(read) as numbers:
            display = numbers.readline().strip()
        if not display:
            raise RuntimeError("Xvfb did not start")
        self.env = {k: v for k, v in os.environ.items() if k not in ("QT_QPA_PLATFORM", "WAYLAND_DISPLAY")}
        self.env["DISPLAY"] = ":" + display
        binary = shutil.copy2(program, self.dir)
        self.stack_file = os.path.join(self.dir, "StackTemp.stp")
        for attempt in range(3):  # Xvfb now and then refuses one connection: the program exits 1
            self.app = subprocess.Popen([binary], cwd=self.dir, env=self.env)
            self.window = wait_for(lambda: self.app.poll() is not None or self.find("Orvane RPN Calculator\\."),
                                   "the window")
            if self.app.poll() is None:
                break
            if attempt == 2 or self.app.returncode != 1:
                raise RuntimeError(f"the program exited with status {self.app.returncode}")
        self.focus(self.window)

    def run(self, *command):
        return subprocess.run(command, env=self.env, capture_output=True, timeout=TIMEOUT, text=True).stdout

    def find(self, title):
        found = self.run("xdotool", "search", "--onlyvisible", "--name", f"^{title}$").split()
        return found[0] if found else None

    def focus(self, window):  # there is no window manager to give the focus
        self.run("xdotool", "windowfocus", "--sync", window)

    # xdotool key names, sent through XTEST to the focused window; kp0-kp9 and kpdot are the
    # numeric keypad's keys.
    def keys(self, names):
        self.run("xdotool", "key", "--delay", "20", *[KEYPAD.get(k, k) for k in names.split()])

    def num_lock(self, on):
        is_on = lambda: re.search(r"Num Lock:\s+on", self.run("xset", "q")) is not None
        if is_on() != on:
            self.keys("Num_Lock")
        wait_for(lambda: is_on() == on, "Num Lock")

    # Ctrl+S, close the "Saved" box with Enter, and return the stack file's bytes.
    def save(self):
        if os.path.exists(self.stack_file):
            os.remove(self.stack_file)
        self.keys("ctrl+s")
        box = wait_for(lambda: self.find("Saved"), 'the "Saved" box')
        self.focus(box)
        self.keys("Return")
        wait_for(lambda: not self.find("Saved"), 'the "Saved" box to close')
        self.focus(self.window)
        with open(self.stack_file, "rb") as f:
            return f.read()

    # (angle mode line, entry text, values bottom first) as the stack file holds them.
    def state(self):
        lines = self.save().decode("ascii").split("\r\n")
        if lines[-1] != "" or int(lines[2]) != len(lines) - 4:
            raise AssertionError(f"stack file with a wrong count or line end: {lines}")
        return lines[0], lines[1], lines[3:-1]

    def set_clipboard(self, text):
        # xclip stays in the background to serve the text: it must not hold our output open
        subprocess.run(["xclip", "-selection", "clipboard"], input=text.encode(), env=self.env,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=TIMEOUT)
        wait_for(lambda: self.clipboard() == text, "xclip to own the clipboard")

    def clipboard(self):
        return self.run("xclip", "-o", "-selection", "clipboard")

    # Ctrl+C, and the clipboard text once the program has taken the clipboard over.
    def copy(self):
        self.set_clipboard("(not copied)")
        self.keys("ctrl+c")
        seen = []
        wait_for(lambda: seen.append(self.clipboard()) or seen[-1] != "(not copied)", "Copy")
        return seen[-1]

    def close(self):
        for process in (self.app, self.xvfb):
            if process and process.poll() is None:
                process.kill()
                process.wait()
        shutil.rmtree(self.dir, ignore_errors=True)


class RealKeyboardAndFiles(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.calc = Calculator(PROGRAM)

    @classmethod
    def tearDownClass(cls):
        cls.calc.close()

    def setUp(self):
        self.calc.keys("r")  # the reset key: empty stack and entry line

    def test_two_enter_three_add_gives_five(self):
        self.calc.keys("2 Return 3 KP_Add")
        self.assertEqual(self.calc.state()[1:], ("", ["5"]))

    def test_main_keyboard_keys_are_physical_keys_whatever_shift_says(self):
        # Shift+8 and Shift+period still type 8 and the point; the main minus key does nothing
        self.calc.keys("1 Return shift+8 shift+period shift+5 minus Return")
        self.assertEqual(self.calc.state()[1:], ("", ["1", "8.5"]))

    def test_keypad_with_num_lock_on_types_digits_and_calculates(self):
        self.calc.num_lock(True)
        self.calc.keys("kp1 kpdot kp5 KP_Enter kp2 KP_Multiply kp4 kp5 kp6 KP_Add"
                       " kp7 kp8 KP_Subtract kp9 KP_Multiply kp0 kpdot kp3 KP_Divide")
        # ((1.5 * 2 + 456 - 78) * 9) / 0.3
        self.assertEqual(self.calc.state()[1:], ("", ["11430"]))

    def test_keypad_with_num_lock_off_moves_the_stack(self):
        self.calc.num_lock(False)
        self.calc.keys("1 Return 2 Return 3 Return 4 Return")
        # 6 rotates positive (2 3 4 1), 8 swaps (2 3 1 4), 4 rotates negative (4 2 3 1),
        # 2 extracts the top into the entry line
        self.calc.keys("kp6 kp8 kp4 kp2")
        self.assertEqual(self.calc.state()[1:], ("1", ["4", "2", "3"]))
        # the point key is Delete: it clears the entry line, then drops; the other keys do nothing
        self.calc.keys("kpdot kpdot kp0 kp1 kp3 kp5 kp7 kp9")
        self.assertEqual(self.calc.state()[1:], ("", ["4", "2"]))

    def test_menu_shortcut_runs_the_command_instead_of_the_key(self):
        self.calc.keys("ctrl+d 1 Return 2 Return")
        self.assertEqual(self.calc.state(), (" 0 ", "", ["1", "2"]))
        self.calc.keys("ctrl+r")  # radian mode, not the reset key R
        self.assertEqual(self.calc.state(), (" 1 ", "", ["1", "2"]))
        self.calc.keys("ctrl+x")  # no menu shortcut: acts as X, extract
        self.assertEqual(self.calc.state(), (" 1 ", "2", ["1"]))

    def test_save_writes_the_state_and_load_brings_it_back(self):
        self.calc.keys("ctrl+d 2 Return 3 period 5 Return 1 2")
        saved = self.calc.save()
        self.assertEqual(saved, b" 0 \r\n12\r\n 2 \r\n2\r\n3.5\r\n")
        self.calc.keys("r ctrl+r 7 Return 8")
        self.assertEqual(self.calc.state(), (" 1 ", "8", ["7"]))
        with open(self.calc.stack_file, "wb") as f:
            f.write(saved)
        self.calc.keys("ctrl+l")
        self.assertEqual(self.calc.save(), saved)

    def test_copy_and_paste_go_through_the_system_clipboard(self):
        self.calc.keys("2 Return 3 Return 5")
        self.assertEqual(self.calc.copy(), "3")  # the top value, not the pending entry
        self.calc.set_clipboard("  1.5E3  ")
        self.calc.keys("ctrl+v")  # replaces the entry, as pasted less the outer spaces
        self.assertEqual(self.calc.state()[1:], ("1.5E3", ["2", "3"]))
        self.calc.set_clipboard("abc")
        self.calc.keys("ctrl+v Return")  # not a number: the entry keeps 1.5E3, which Enter pushes
        self.assertEqual(self.calc.copy(), "1500")


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    PROGRAM = os.path.abspath(sys.argv.pop())
    unittest.main(verbosity=2)
