#!/usr/bin/env python3
"""With no display to reach, the program says so in one line on stderr and exits with status 1.
usage: no_display_test.py PATH/TO/orvane-calc"""
import os
import subprocess
import sys

env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
run = subprocess.run([sys.argv[1]], env=env, stdin=subprocess.DEVNULL, capture_output=True, timeout=60)
lines = run.stderr.decode(errors="replace").splitlines()
print(f"status {run.returncode}, stderr {lines}, stdout {run.stdout!r}")
ok = (run.returncode == 1 and len(lines) == 1
      and lines[0].startswith("orvane-calc: cannot open a window:") and not run.stdout)
sys.exit(0 if ok else 1)
