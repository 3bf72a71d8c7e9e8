#!/usr/bin/env python3
"""ctest, failing on any test that did not run. CTest counts a skipped or disabled test as
passed, so a test whose tool is missing (cmake/TestNeeds.cmake) would drop out of a green run
unseen. Runs ctest with the arguments given and then names every test that did not run, with
its output, which says why and which part of scripts/deps.sh installs what it needs.

usage: ctest-no-skip.py CTEST-ARGUMENT...   e.g. --preset default -j2
       ctest-no-skip.py --results FILE      the same check of a JUnit file that ctest wrote
                                            (--output-junit, or a test preset's outputJUnitFile)
"""
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree
from pathlib import Path


def not_run(results):
    """The tests of a ctest JUnit file that did not run, each with what it printed."""
    return [(case.get("name"), (case.findtext("system-out") or case.get("status")).strip())
            for case in ElementTree.parse(results).iter("testcase")
            if case.get("status") in ("notrun", "disabled")]


def main(args):
    if args[:1] == ["--results"] and len(args) == 2:
        status, skipped = 0, not_run(args[1])
    else:
        with tempfile.TemporaryDirectory() as folder:
            results = Path(folder) / "results.xml"
            status = subprocess.call(["ctest", *args, "--no-tests=error",
                                      "--output-junit", str(results)])
            if not results.exists():  # ctest stopped before any test
                return status or 1
            skipped = not_run(results)
    for name, output in skipped:
        lines = output.splitlines()
        print(f"ctest-no-skip.py: {name}: " + "\n    ".join(lines[-10:]), file=sys.stderr)
    if skipped:
        tests = "test" if len(skipped) == 1 else "tests"
        print(f"ctest-no-skip.py: {len(skipped)} {tests} did not run", file=sys.stderr)
    return status or (1 if skipped else 0)


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
