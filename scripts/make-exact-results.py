#!/usr/bin/env python3
"""Writes tests/ops/exact-results.txt: hard operands for the keys that need more than IEEE arithmetic,
each with its result computed by MPFR (gmpy2), correctly rounded at 256 bits (huge angles
included), and rounded as the stack stores it with Python's decimal. With --check it writes
nothing and fails when the committed file is not what it would write (a ctest test runs it so).

The lines are key sessions, as in tests/input/sessions.txt: the operands pasted, the key, and the
stack, entry line and undo copy left. The stored text is the exact value rounded to 15 significant
digits (5 decimals for trigonometry). An exact value within a hair of a rounding tie is left out:
either neighbour would be right there.
usage: make-exact-results.py [--check]"""
import decimal
import difflib
import math
import random
import sys
from decimal import Decimal as D
from pathlib import Path

try:
    import gmpy2
except ImportError:  # a Python of its own (pyenv) first on the PATH does not see Debian's
    sys.path.append("/usr/lib/python3/dist-packages")
    try:
        import gmpy2
    except ImportError:
        sys.exit("cannot run: no python3-gmpy2 here (scripts/deps.sh installs it)")

decimal.getcontext().prec = 50
gmpy2.get_context().precision = 256
DEGREES_PER_RADIAN = 57.2957795  # the calculator's constant, as a double
OUT = Path(__file__).resolve().parent.parent / "tests" / "ops" / "exact-results.txt"


# The functions of doubles (or whole numbers), each as a decimal of 60 digits: more than any
# rounding below looks at.
def decimal_of(value):
    return D(format(value, ".59e"))


def power(y, x):
    return decimal_of(gmpy2.mpfr(y) ** gmpy2.mpfr(x))


def ln(x):
    return decimal_of(gmpy2.log(gmpy2.mpfr(x)))


def ten_to(x):
    return decimal_of(gmpy2.exp10(gmpy2.mpfr(x)))


def sin_cos(x):
    return tuple(decimal_of(v) for v in gmpy2.sin_cos(gmpy2.mpfr(x)))


def atan(x):
    return decimal_of(gmpy2.atan(gmpy2.mpfr(x)))


def rounded(value, decimals=None):
    """The stored text(s): 15 significant digits, or a fixed number of decimals."""
    value = D(value)
    if value == 0:
        return "0"
    quantum = D(1).scaleb(-decimals if decimals is not None else value.adjusted() - 14)
    scaled = value / quantum
    fraction = abs(scaled - scaled.to_integral_value(decimal.ROUND_FLOOR))
    texts = [value.quantize(quantum, decimal.ROUND_HALF_EVEN)]
    if abs(fraction - D("0.5")) < abs(scaled) * D(2) ** -52:
        texts = [value.quantize(quantum, decimal.ROUND_FLOOR), value.quantize(quantum, decimal.ROUND_CEILING)]
    return "|".join(format(t.normalize(), "E") if t else "0" for t in texts)


def fifteen(x):
    """A double as a 15-digit number text; the double the stack holds for it."""
    text = "%.15G" % x
    return text, float(text)


def near_tie(value, decimals=None):
    """True when the exact value lies near a rounding tie, though not within a hair of it:
    an error of one or two units in a double's last place then changes the stored digits."""
    value = D(value)
    quantum = D(1).scaleb(-decimals if decimals is not None else value.adjusted() - 14)
    scaled = abs(value / quantum)
    off = abs(scaled - scaled.to_integral_value(decimal.ROUND_FLOOR) - D("0.5"))
    hair = scaled * D(2) ** -52
    return hair < off < (D("0.005") if decimals is not None else 4 * hair)


def main():
    rng = random.Random(15)
    lines = []

    faces = {"Power": "x^y", "NaturalLog": "Ln", "PowerOf10": "10^x", "Sin": "Sin", "Cos": "Cos",
             "Tan": "Tan", "ArcSin": "Asin", "ArcCos": "Acos", "ArcTan": "Atan"}

    def add(key, mode, y, x, expected):
        if "|" in expected:
            return
        stored = "%.15G" % float(expected)
        keys = ("Deg " if mode == "D" else "") + (f"paste:{y} Enter " if y != "_" else "")
        lines.append(f"{keys}paste:{x} {faces[key]} | {'0' if stored == '-0' else stored} | _ | {y}")

    def add_power(y, x):
        ty, fy = fifteen(y)
        tx, fx = fifteen(x)
        add("Power", "R", ty, tx, rounded(power(fy, fx)))

    # Negative bases with large whole exponents, where C libraries are several ulps off.
    add_power(-0.92078, 251)
    for _ in range(70):
        add_power(-rng.uniform(0.5, 1.6), rng.randint(100, 316))
    # Bases near 1 with huge exponents; exponents that make results near the double range's ends.
    for k in range(1, 16):
        add_power(1 + 10.0 ** -k, 10.0 ** (k + rng.random() * 2))
        add_power(1 - 10.0 ** -k, 10.0 ** (k + rng.random() * 2))
    for x in (1023.99, -1021.5, 1023.9999, -1021.9, 0.5, -0.5, 1 / 3):
        add_power(2, x)
    # Results whose 16th digit is near a 5: the hardest roundings to 15 digits.
    found = {"Power": 0, "NaturalLog": 0, "PowerOf10": 0}
    while min(found.values()) < 50:
        _, y = fifteen(rng.uniform(0.001, 1000))
        _, x = fifteen(rng.uniform(-50, 50))
        if found["Power"] < 50 and near_tie(power(y, x)):
            found["Power"] += 1
            add_power(y, x)
        if found["NaturalLog"] < 50 and near_tie(ln(y)):
            found["NaturalLog"] += 1
            add("NaturalLog", "R", "_", fifteen(y)[0], rounded(ln(y)))
        _, e = fifteen(rng.uniform(-300, 300))
        if found["PowerOf10"] < 50 and e != math.floor(e) and near_tie(ten_to(e)):
            found["PowerOf10"] += 1
            add("PowerOf10", "R", "_", fifteen(e)[0], rounded(ten_to(e)))
    # Logarithms near 1 and at the ends of the double range.
    for x in [1 + k * 1e-15 for k in (1, 3, -1, -7)] + [1e-300, 5e-324, 2.2250738585072e-308, 1.79769313486231e308]:
        text, value = fifteen(x)
        add("NaturalLog", "R", "_", text, rounded(ln(value)))
    for x in (308.254715559916, -307.3, -307.65, 0.30102999566398):
        text, value = fifteen(x)
        add("PowerOf10", "R", "_", text, rounded(ten_to(value)))

    # Trigonometry in radians: huge angles, angles near multiples of pi/2, near-ties at 5 decimals.
    angles = [1e22, 1e300, 1.79769313486231e308, -1e15, 2 ** 60, 3.14159265358979, 1.5707963267949,
              4.71238898038469, 6.28318530717959, 355, 103993, 1e6 * math.pi]
    while len(angles) < 90:
        x = fifteen(rng.uniform(-1e4, 1e4))[1]
        s, c = sin_cos(x)
        if near_tie(s, 5) or near_tie(c, 5):
            angles.append(x)
    for x in angles:
        text, value = fifteen(x)
        s, c = sin_cos(value)
        add("Sin", "R", "_", text, rounded(s, 5))
        add("Cos", "R", "_", text, rounded(c, 5))
        if abs(c) > 1e-6:
            add("Tan", "R", "_", text, rounded(s / c, 5))
    # Degrees: the angle is divided by the calculator's constant in double precision first.
    for x in (180, 270, 360, -90, 30, 89, 1e10, 123456.789):
        text, value = fifteen(x)
        s, c = sin_cos(value / DEGREES_PER_RADIAN)
        add("Sin", "D", "_", text, rounded(s, 5))
        add("Cos", "D", "_", text, rounded(c, 5))
    # Inverse functions at and near their limits, in both modes.
    for x in (1, -1, 0.999999999999999, -0.999999999999999, 1e-300, 0.5, 1e300, -1e16, 0.7071067811865):
        text, value = fifteen(x)
        results = {"ArcTan": atan(value)}
        if abs(value) <= 1:  # the calculator's own formula, step by step in double precision
            quotient = value / (math.sqrt((-value) * value + 1) + 1e-12)
            results["ArcSin"] = atan(quotient)
            results["ArcCos"] = D(float(atan(-quotient)) + (float(atan(1)) + float(atan(1))))
        for key, radians in results.items():
            add(key, "R", "_", text, rounded(radians, 5))
            if value != 1:
                add(key, "D", "_", text, rounded(D(float(radians) * DEGREES_PER_RADIAN), 5))

    text = ("# Written by scripts/make-exact-results.py: hard operands, and the digits of their exact\n"
            "# results. keys | stack afterwards | entry line | undo copy, as in tests/input/sessions.txt\n"
            + "\n".join(lines) + "\n")
    if "--check" not in sys.argv[1:]:
        OUT.write_text(text)
        print(len(lines), "lines in", OUT)
        return 0
    committed = OUT.read_text()
    if committed == text:
        print(f"{OUT.name}: {len(lines)} lines, as the generator writes them")
        return 0
    diff = difflib.unified_diff(committed.splitlines(), text.splitlines(),
                                f"{OUT.name} (committed)", f"{OUT.name} (generated)", lineterm="")
    print("\n".join(list(diff)[:40]))
    return 1


if __name__ == "__main__":
    sys.exit(main())
