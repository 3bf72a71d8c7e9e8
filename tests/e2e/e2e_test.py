#!/usr/bin/env python3
# The real program driven as a user drives it: its own Xvfb display, real key events through
# XTEST (xdotool: the key map reads the physical keys' scan codes, which synthetic events lack),
# the real clipboard (xclip), and the real stack file beside a copy of the program, which is
# also how the state is read back.   usage: e2e_test.py PATH/TO/orvane-calc
import os, re, shutil, subprocess, sys, tempfile, time

TIMEOUT = 10  # seconds to wait for a state to come about; nothing asserts a duration
# X keycodes of the numeric keypad's keys: Num Lock decides what they send.
KEYPAD = dict(zip("kp0 kp1 kp2 kp3 kp4 kp5 kp6 kp7 kp8 kp9 kpdot".split(), "90 87 88 89 83 84 85 79 80 81 91".split()))


def wait_for(probe, what):
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        if found := probe():
            return found
        time.sleep(0.02)
    raise AssertionError("gave up waiting for " + what)


class Calculator:
    def __init__(self, program, folder):
        read, write = os.pipe()  # Xvfb picks a free display and writes its number when ready
        self.xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-nolisten", "tcp"],
                                     pass_fds=(write,), stderr=subprocess.DEVNULL)
        os.close(write)
        with os.fdopen(read) as number:
            self.env = dict(os.environ, DISPLAY=":" + number.readline().strip())
        self.env.pop("QT_QPA_PLATFORM", None)
        self.stack_file = os.path.join(folder, "StackTemp.stp")
        binary = shutil.copy2(program, folder)
        for attempt in range(3):  # Xvfb now and then refuses one connection: the program exits 1
            self.app = subprocess.Popen([binary], cwd=folder, env=self.env)
            self.window = wait_for(lambda: self.app.poll() is not None or self.find("Orvane RPN Calculator."), "the window")
            if self.app.poll() is None:
                break
            assert attempt < 2 and self.app.returncode == 1, f"the program exited with {self.app.returncode}"
        self.run("xdotool", "windowfocus", "--sync", self.window)  # no window manager gives it

    def run(self, *command):
        return subprocess.run(command, env=self.env, capture_output=True, timeout=TIMEOUT, text=True).stdout

    def find(self, title):
        found = self.run("xdotool", "search", "--onlyvisible", "--name", "^" + re.escape(title) + "$")
        return found.split()[0] if found else None

    def keys(self, names):  # to the focused window through XTEST
        self.run("xdotool", "key", "--delay", "20", *[KEYPAD.get(k, k) for k in names.split()])

    def num_lock(self, on):
        if ("Num Lock:    on" in self.run("xset", "q")) != on:
            self.keys("Num_Lock")
        wait_for(lambda: ("Num Lock:    on" in self.run("xset", "q")) == on, "Num Lock")

    def save(self):  # Ctrl+S, Enter on the "Saved" box, and the stack file's bytes
        if os.path.exists(self.stack_file):
            os.remove(self.stack_file)
        self.keys("ctrl+s")
        self.run("xdotool", "windowfocus", "--sync", wait_for(lambda: self.find("Saved"), "the Saved box"))
        self.keys("Return")
        wait_for(lambda: not self.find("Saved"), "the Saved box to close")
        self.run("xdotool", "windowfocus", "--sync", self.window)
        with open(self.stack_file, "rb") as f:
            return f.read()

    def state(self):  # (angle mode, entry text, values bottom first) from the stack file
        lines = self.save().decode("ascii").split("\r\n")
        assert lines[-1] == "" and int(lines[2]) == len(lines) - 4, lines
        return lines[0], lines[1], lines[3:-1]

    def clipboard(self, text=None):
        if text is None:
            return self.run("xclip", "-o", "-selection", "clipboard")
        # xclip stays on to serve the text: it must not hold our pipes open
        subprocess.run(["xclip", "-selection", "clipboard"], input=text.encode(), env=self.env,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=TIMEOUT)
        wait_for(lambda: self.clipboard() == text, "xclip to own the clipboard")

    def close(self):
        self.app.kill(), self.xvfb.kill(), self.app.wait(), self.xvfb.wait()


def check(calc, keys, *expected):  # (angle mode,) entry line, stack
    calc.keys("r " + keys)  # from an empty stack and entry line (R is the reset key)
    assert (state := calc.state()[-len(expected):]) == expected, f"{keys}: {state} is not {expected}"


def main(program):
    with tempfile.TemporaryDirectory(prefix="orvane-e2e-") as folder:
        calc = Calculator(program, folder)
        try:
            check(calc, "2 Return 3 KP_Add", "", ["5"])
            # Shift+8 and Shift+period still type 8 and the point; the main minus key does nothing
            check(calc, "1 Return shift+8 shift+period shift+5 minus Return", "", ["1", "8.5"])
            calc.num_lock(True)  # ((1.5 * 2 + 456 - 78) * 9) / 0.3
            check(calc, "kp1 kpdot kp5 KP_Enter kp2 KP_Multiply kp4 kp5 kp6 KP_Add kp7 kp8 KP_Subtract"
                  " kp9 KP_Multiply kp0 kpdot kp3 KP_Divide", "", ["11430"])
            calc.num_lock(False)  # 6 rotates positive, 8 swaps, 4 rotates negative, 2 extracts
            check(calc, "1 Return 2 Return 3 Return 4 Return kp6 kp8 kp4 kp2", "1", ["4", "2", "3"])
            # the point key is Delete: it clears the entry line, then drops; the rest do nothing
            check(calc, "1 Return 2 Return 3 kpdot kpdot kp0 kp1 kp3 kp5 kp7 kp9", "", ["1"])
            check(calc, "ctrl+d 1 Return 2 Return ctrl+x", " 0 ", "2", ["1"])  # Ctrl+X is no shortcut
            check(calc, "1 Return 2 Return ctrl+r", " 1 ", "", ["1", "2"])  # radians, not the reset
            calc.keys("r ctrl+d 2 Return 3 period 5 Return 1 2")
            saved = calc.save()
            assert saved == b" 0 \r\n12\r\n 2 \r\n2\r\n3.5\r\n", saved
            calc.keys("r ctrl+r 7 Return 8")
            open(calc.stack_file, "wb").write(saved)
            calc.keys("ctrl+l")
            assert calc.save() == saved
            calc.keys("r 2 Return 3 Return 5")
            calc.clipboard("(not copied)")
            calc.keys("ctrl+c")
            assert wait_for(lambda: calc.clipboard() != "(not copied)" and calc.clipboard(), "Copy") == "3"
            calc.clipboard("\t1.5E3\n")
            check(calc, "ctrl+v", "1.5E3", [])
            calc.clipboard("abc")
            check(calc, "ctrl+v 4", "4", [])  # not a number: the entry line stays as it was
        finally:
            calc.close()


if __name__ == "__main__":
    main(os.path.abspath(sys.argv[1]))
