#!/usr/bin/env python3
"""Start-up time (launch to window shown) and peak RSS of orvane-calc beside a bare Qt 6 window,
alternating the two on one Xvfb of its own, so that both meet the same machine.
usage: measure_startup.py PATH/TO/orvane-calc PATH/TO/bare-qt-window [runs, default 10]"""
import os
import statistics
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from xsession import CALCULATOR_TITLE, Display, Program  # noqa: E402


def main(calculator, bare, runs):
    display = Display()
    figures = {calculator: ([], []), bare: ([], [])}
    try:
        for _ in range(runs):
            for path, title, keys in ((calculator, CALCULATOR_TITLE, "1 Return 2 KP_Add"),
                                      (bare, "Bare Qt window", "")):
                program = Program(display, path, title)
                try:
                    if keys:  # a first calculation drawn, too
                        display.keys(keys)
                    startup, rss = figures[path]
                    startup.append(program.startup_s * 1000)
                    rss.append(program.peak_rss_mib())
                finally:
                    program.close()
    finally:
        display.close()
    for path, (startup, rss) in figures.items():
        print(f"{os.path.basename(path)}: start-up ms median {statistics.median(startup):.0f} "
              f"(min {min(startup):.0f}, max {max(startup):.0f}); "
              f"peak RSS MiB median {statistics.median(rss):.1f}")
    (calc_ms, calc_rss), (bare_ms, bare_rss) = (
        (statistics.median(s), statistics.median(r)) for s, r in figures.values())
    print(f"ratio {calc_ms / bare_ms:.2f}x, RSS {calc_rss - bare_rss:+.1f} MiB")


if __name__ == "__main__":
    if len(sys.argv) not in (3, 4):
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2], int(sys.argv[3]) if len(sys.argv) == 4 else 10)
