"""What the batch run `rosba IN OUT` must do, written from the description of the
tool and not from its source: the output file, the standard error and the exit
status for the bytes of an input file, optionally read through a disk that fails
every read from byte `fault_at` on.
"""
import math
import re
import struct

HEADER_END = "Unexpected end of GLONASS broadcast ephemeris file - within header section!"
UNREADABLE = "Unreadable line in GLONASS broadcast ephemeris file - within data section!"

WHITE = b" \t\n\v\f\r"  # isspace() of the C locale
CTRL_Z = b"\x1a"
PADDING = b"\x1a\r\n"   # what may follow a Ctrl-Z that ends the input
MAX_LINE = 1026
FAILED = None           # a line read that failed

# The seconds: the longest decimal prefix, as the C library's conversion reads
# it, less hexadecimal, inf and nan. An exponent counts only when it is whole.
NUMBER = re.compile(rb"[ \t\n\v\f\r]*([+-]?(?:[0-9]+\.?[0-9]*|\.[0-9]+)(?:[eE][+-]?[0-9]+)?)")


def report(message):
    return f"\n**** Rosba: Error -> {message} ****\n     Exiting Rosba ... \n\n".encode()


def visible(raw, fault_at=None):
    """(bytes, ends_well): the bytes that text mode hands on, and whether they are
    followed by the end of the input (True) or by a failed read (False)."""
    z = raw.find(CTRL_Z)
    if fault_at is not None and (z < 0 or fault_at <= z):
        return raw[:fault_at], False
    if z < 0:
        return raw, True
    # Only padding after the Ctrl-Z is a file that ends there; anything else is
    # damage. With a failing disk behind the Ctrl-Z the padding cannot be
    # checked to its end, so that read fails as well.
    return raw[:z], fault_at is None and not raw[z + 1:].strip(PADDING)


def lines(raw, fault_at=None):
    """The results of the tool's line reads: each line without its line end, then
    FAILED when a read fails (nothing is read after that)."""
    data, ends_well = visible(raw, fault_at)
    pos = 0
    while pos < len(data):
        end = data.find(b"\n", pos)
        if end < 0:
            if not ends_well:
                break  # a line cut by the failed read is not a line
            line, pos = data[pos:], len(data)
        else:
            line, pos = data[pos:end], end + 1
            if line.endswith(b"\r"):
                line = line[:-1]
        if len(line) > MAX_LINE:
            yield FAILED
            return
        yield line
    if not ends_well:
        yield FAILED


def text(line):
    """The line as the tests of its content see it: up to its first zero byte."""
    return line.split(b"\0", 1)[0]


def is_first_line(line):
    t = text(line)
    return (len(t) >= 21 and all(t[i] in WHITE for i in (2, 5, 8, 11, 14, 17))
            and t[20:21] == b".")


def seconds(field):
    """The value of the seconds text: correctly rounded to a double (float() is,
    on exactly the matched text), then to the nearest single-precision float."""
    match = NUMBER.match(field)
    value = float(match.group(1)) if match else 0.0
    try:
        return struct.unpack("f", struct.pack("f", value))[0]
    except OverflowError:  # beyond the float range
        return math.copysign(math.inf, value)


def drops(line):
    return is_first_line(line) and abs(seconds(text(line)[17:])) > 0.1


def model(raw, fault_at=None):
    """(output file bytes, standard error bytes, exit status)"""
    out = []
    reads = lines(raw, fault_at)
    end = object()
    while True:
        line = next(reads, end)
        if line is end or line is FAILED:
            return b"".join(out), report(HEADER_END), 1
        out.append(line + b"\r\n")
        if b"END OF HEADER" in text(line):
            break
    while True:
        line = next(reads, end)
        if line is end:
            return b"".join(out), b"", 0
        if line is FAILED:
            return b"".join(out), report(UNREADABLE), 1
        if drops(line):
            for _ in range(3):
                skipped = next(reads, end)
                if skipped is end:
                    return b"".join(out), b"", 0
                if skipped is FAILED:
                    return b"".join(out), report(UNREADABLE), 1
            continue
        out.append(line + b"\r\n")
