#!/usr/bin/env python3
"""Start-up time (launch to window shown) and peak RSS of orvane-calc under Xvfb, over several
runs, with the blackbox driver that sits beside the project (../shared/blackbox).
usage: measure_startup.py PATH/TO/orvane-calc [runs, default 10]"""
import os
import statistics
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "shared", "blackbox"))
from calc_driver import Calc  # noqa: E402


def main(binary, runs):
    startup, rss = [], []
    for _ in range(runs):
        with Calc(binary) as c:
            startup.append(c.startup_s * 1000)
            c.keys("1 Return 2 KP_Add")  # a first calculation drawn, too
            rss.append(c.peak_rss_mib())
    print(f"startup ms: median {statistics.median(startup):.0f}, min {min(startup):.0f}, max {max(startup):.0f}")
    print(f"peak RSS MiB: median {statistics.median(rss):.1f}, max {max(rss):.1f}")


if __name__ == "__main__":
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    main(sys.argv[1], int(sys.argv[2]) if len(sys.argv) == 3 else 10)
