"""The calculator's stack file as the tests and tools read and write it: CR LF lines of the angle
mode (" 0 " degrees, " 1 " radians), the entry text, the count with a blank on each side, then
the values from the bottom to the top."""
NAME = "StackTemp.stp"
DEGREES, RADIANS = " 0 ", " 1 "


def encode(angle, entry, values):
    """The bytes the calculator saves for this angle mode line, entry text and values."""
    lines = (angle, entry, f" {len(values)} ", *values)
    return "".join(line + "\r\n" for line in lines).encode("ascii")


def decode(data):
    """(angle mode line, entry text, values bottom first) of the bytes the calculator saved;
    ValueError for bytes that it would not have written."""
    lines = data.decode("ascii").split("\r\n")
    state = lines[0], lines[1] if len(lines) > 1 else "", lines[3:-1]
    if state[0] not in (DEGREES, RADIANS) or encode(*state) != data:
        raise ValueError(f"not a stack file as the calculator saves one: {data[:300]!r}")
    return state


def read(path):
    with open(path, "rb") as f:
        return decode(f.read())
