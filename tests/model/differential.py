#!/usr/bin/env python3
"""Differential check: runs the tool on generated navigation files, hostile ones
included, and compares its output file, report and exit status with a model of
what the tool must do, written independently of its source.

    differential.py TOOL [--cases N] [--seed S]
"""
import argparse
import os
import random
import re
import struct
import subprocess
import sys
import tempfile

# A decimal number after white space: no hexadecimal, no inf, no nan.
DECIMAL = re.compile(rb"[ \t\n\v\f\r]*([+-]?(?:[0-9]+\.?[0-9]*|\.[0-9]+)(?:[eE][+-]?[0-9]+)?)")

HEADER_END = "Unexpected end of GLONASS broadcast ephemeris file - within header section!"
UNREADABLE = "Unreadable line in GLONASS broadcast ephemeris file - within data section!"
WHITE = b" \t\n\v\f\r"


def report(message):
    return f"\n**** Rosba: Error -> {message} ****\n     Exiting Rosba ... \n\n".encode()


def text_lines(data):
    """The lines as text mode reads them: None marks a line too long to read."""
    damaged = False
    if b"\x1a" in data:
        data, rest = data.split(b"\x1a", 1)
        damaged = rest.strip(b"\x1a\r\n") != b""
    lines = []
    pos = 0
    while pos < len(data):
        end = data.find(b"\n", pos)
        if end < 0:
            line = data[pos:]
            pos = len(data)
        else:
            line = data[pos:end]
            if line.endswith(b"\r"):
                line = line[:-1]
            pos = end + 1
        if len(line) > 1026 or (damaged and end < 0):
            lines.append(None)
            return lines
        lines.append(line)
    if damaged:
        lines.append(None)  # a Ctrl-Z at a line start, before data
    return lines


def as_text(line):
    return line.split(b"\0", 1)[0]


def is_first_line(line):
    t = as_text(line)
    return len(t) >= 21 and all(t[i] in WHITE for i in (2, 5, 8, 11, 14, 17)) and t[20:21] == b"."


def seconds_not_zero(line):
    match = DECIMAL.match(as_text(line)[17:])
    value = float(match.group(1)) if match else 0.0
    try:
        single = struct.unpack("f", struct.pack("f", value))[0]
    except OverflowError:
        return True
    return abs(single) > 0.1  # NaN compares false: kept


def model(data):
    """(output bytes, standard error bytes, exit status)"""
    out = []
    lines = iter(text_lines(data))
    for line in lines:
        if line is None:
            return b"".join(out), report(HEADER_END), 1
        out.append(line + b"\r\n")
        if b"END OF HEADER" in as_text(line):
            break
    else:
        return b"".join(out), report(HEADER_END), 1
    for line in lines:
        if line is None:
            return b"".join(out), report(UNREADABLE), 1
        if is_first_line(line) and seconds_not_zero(line):
            for _ in range(3):
                skipped = next(lines, b"")
                if skipped is None:
                    return b"".join(out), report(UNREADABLE), 1
            continue
        out.append(line + b"\r\n")
    return b"".join(out), b"", 0


SECONDS = [b"  0.0", b" 30.0", b" 59.9", b"  0.1", b" -0.0", b" -1.0", b"   . ", b"  x.0",
           b" 0x.8", b"  1.e", b"  0.00000001", b"  0.09999999", b"  0.09999999999",
           b"  9.9e99", b"  1.0e-60", b"  1.0e38", b"  3.5e38", b"  nan.", b" 00.0", b"+ 1.0"]
CLOCK = b"-0.428774093133D-03-0.181898940355D-11 0.000000000000D+00"
ORBIT = b"   -0.181828626149D+05 0.273056575462D+01-0.340275852249D-08 0.000000000000D+00"
HEADER = [b"     2.01           GLONASS NAV DATA                        RINEX VERSION / TYPE",
          b"rnxmerge 2.3        model check         10-DEC-19 23:55     PGM / RUN BY / DATE"]
END = b"                                                            END OF HEADER"


def first_line(rng):
    sep = lambda: rng.choice(b"      \t\v\f\r\xa0x0")  # mostly blanks
    parts = [b"%2d" % rng.randint(1, 24)]
    for field in (b"19", b"12", b"10", b" 0", b"15"):
        parts.append(bytes([sep()]) + field)
    secs = rng.choice(SECONDS)
    line = b"".join(parts) + secs + rng.choice([CLOCK, b"", CLOCK[:5], b"E+01"])
    if rng.random() < 0.05:
        line = line[: rng.randint(0, len(line))]
    return line


def noise(rng):
    n = rng.choice([0, 1, 5, 20, 80, 1025, 1026, 1027, 2000])
    return bytes(rng.choice(b"ab \t\r\n\0\x1a\xff.0123") for _ in range(n))


def generate(rng):
    lines = list(HEADER[: rng.randint(0, 2)])
    if rng.random() < 0.95:
        lines.append(rng.choice([END] * 8 + [b"COMMENT END OF HEADER", b"x\0END OF HEADER",
                                             b"end of header"]))
    for _ in range(rng.randint(0, 12)):
        kind = rng.random()
        if kind < 0.6:
            lines += [first_line(rng), ORBIT, ORBIT, ORBIT][: rng.choice([4, 4, 4, 3, 2, 1])]
        elif kind < 0.8:
            lines.append(rng.choice([b"", b"  comment", ORBIT, b"x" * rng.choice([1026, 1027])]))
        else:
            lines.append(noise(rng))
    ending = rng.choice([b"\n"] * 10 + [b"\r\n"] * 9 + [b"\r"])
    data = ending.join(lines)
    if rng.random() < 0.7:
        data += ending
    if rng.random() < 0.05:
        pos = rng.randint(0, len(data))
        data = data[:pos] + b"\x1a" + data[pos:]
    return data


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("tool")
    parser.add_argument("--cases", type=int, default=3000)
    parser.add_argument("--seed", type=int, default=2019)
    args = parser.parse_args()
    rng = random.Random(args.seed)
    failures = 0
    with tempfile.TemporaryDirectory() as tmp:
        src, dst = os.path.join(tmp, "in.g"), os.path.join(tmp, "out.g")
        for case in range(args.cases):
            data = generate(rng)
            with open(src, "wb") as f:
                f.write(data)
            if os.path.exists(dst):
                os.remove(dst)
            run = subprocess.run([args.tool, src, dst], capture_output=True, timeout=30,
                                 stdin=subprocess.DEVNULL)
            with open(dst, "rb") as f:
                got = (f.read(), run.stderr, run.returncode)
            want = model(data)
            if got != want or run.stdout:
                failures += 1
                if failures <= 5:
                    print(f"case {case}: input {data!r}\n  tool  {got!r}\n  model {want!r}")
    print(f"{args.cases - failures} passed, {failures} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
