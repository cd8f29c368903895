#!/usr/bin/env python3
"""Differential check: runs the tool's batch run on navigation files and compares
its output file, standard error and exit status with the model (model.py).

    differential.py TOOL [--cases N] [--seed S] [--windows]
                         [--read-fault-library PATH] [--replay DIR]... [--real DIR]
                         [--failures DIR]

First every file of the regression folder beside this script is replayed, then
every file of each --replay folder, then the navigation files (*.YYg) of the
--real folder when it is there (once whole, once cut by a read error), then N
generated files, hostile ones among them.

A file whose name holds "read-error-at-N" is read through a disk that fails
every read from byte N on; so are a quarter of the generated files. That needs
the preloaded library of --read-fault-library, and is not possible with
--windows (the tool is the Windows build run under Wine: its console streams
write CR LF). --failures keeps every input that differs, named to be replayed.
"""
import argparse
import os
import random
import re
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True  # no cache files in the source folder
from model import PADDING, model

REGRESSIONS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "regressions")
FAULT_NAME = re.compile(r"read-error-at-(\d+)")
NAVIGATION_FILE = re.compile(r"\.\d\d[gG]$")
BLOCK = 64 * 1024  # the tool reads its input in blocks of this size

# --- Generated files --------------------------------------------------------

SECONDS = [b"  0.0", b" 30.0", b" 59.9", b"  0.1", b" -0.0", b" -1.0", b"   . ", b"  x.0",
           b" 0x.8", b" 0X.8p4", b" 0x.0", b" 0x.", b"  1.e", b"  5.e-3", b"  5.e-", b"   .5",
           b"   .e5", b"  1.0_0e-5", b"  0.00000001", b"  0.09999999", b"  0.09999999999",
           b"  0.0999999940395355224609375", b"  0.09999999776482582439",
           b"  0.09999999776482583", b"  9.9e99", b"  1.0e-60", b"  1.0e38", b"  3.5e38",
           b"  nan.", b"  in.f", b" 00.0", b"+ 1.0", b" +0.1", b" - .1", b"\t\r3.0", b" \v\f.5",
           b"-10.0", b"100.0", b"  0.\x009", b" 30\x00.0", b"  0.0e99999", b"  1.0e-46"]
CLOCK = b"-0.428774093133D-03-0.181898940355D-11 0.000000000000D+00"
ORBIT = b"   -0.181828626149D+05 0.273056575462D+01-0.340275852249D-08 0.000000000000D+00"
HEADER = [b"     2.01           GLONASS NAV DATA                        RINEX VERSION / TYPE",
          b"rnxmerge 2.3        model check         10-DEC-19 23:55     PGM / RUN BY / DATE"]
END = b"                                                            END OF HEADER"


def pick(rng, alphabet, n):
    return bytes(rng.choice(alphabet) for _ in range(n))


def seconds_field(rng):
    """The text from offset 17 on: listed cases, numbers near 0.1, and random
    mixtures of what the number grammar is made of."""
    kind = rng.random()
    if kind < 0.6:
        return rng.choice(SECONDS)
    if kind < 0.8:
        start = rng.choice([b"  0.0999999", b"  0.1000000", b"  0.0"])
        return start + pick(rng, b"0123456789", rng.randint(0, 20))
    return (pick(rng, b" \t\v\f\r", 1) + pick(rng, b"  0123456789+-x.", 2) + b"."
            + pick(rng, b"0123456789eE+-xp_. \t", rng.randint(0, 8)))


def first_line(rng):
    sep = lambda: rng.choice(b"      \t\v\f\r\xa0x0")  # mostly blanks
    parts = [b"%2d" % rng.randint(1, 24)]
    for field in (b"19", b"12", b"10", b" 0", b"15"):
        parts.append(bytes([sep()]) + field)
    line = b"".join(parts) + seconds_field(rng) + rng.choice([CLOCK, b"", CLOCK[:5], b"E+01"])
    if rng.random() < 0.05:
        line = line[: rng.randint(0, len(line))]  # short lines after a record's first line
    return line


def noise(rng):
    n = rng.choice([0, 1, 5, 20, 80, 1025, 1026, 1027, 2000])
    return pick(rng, b"ab \t\r\n\0\xff.0123", n)


def lines_of_a_file(rng, records):
    lines = list(HEADER[: rng.randint(0, 2)])
    if rng.random() < 0.95:
        lines.append(rng.choice([END] * 20 + [b"COMMENT END OF HEADER", b"x\0END OF HEADER",
                                             b"end of header"]))
    for _ in range(records):
        kind = rng.random()
        if kind < 0.6:
            lines += [first_line(rng), ORBIT, ORBIT, ORBIT][: rng.choice([4, 4, 4, 3, 2, 1])]
        elif kind < 0.8:
            lines.append(rng.choice([b"", b"  comment", ORBIT, b"x" * rng.choice([1026, 1027])]))
        else:
            lines.append(noise(rng))
    return lines


def with_ctrl_z(rng, data, far=False):
    """A Ctrl-Z at the end with padding, or at some position (at a line start, or
    past the first block of a large file) with data or padding after it."""
    kind = rng.random()
    padding = b"\x1a" + pick(rng, PADDING, rng.randint(0, 5))
    if kind < 0.3:
        return data + padding
    if far:
        pos = rng.choice([BLOCK - 1, BLOCK, BLOCK + 1, rng.randint(BLOCK, len(data))])
    elif kind < 0.55:
        starts = [0] + [i + 1 for i, b in enumerate(data) if b == 10]
        pos = rng.choice(starts)
    else:
        pos = rng.randint(0, len(data))
    pos = min(pos, len(data))
    if rng.random() < 0.3:
        return data[:pos] + padding  # the input ends there
    return data[:pos] + b"\x1a" + data[pos:]


def mutate(rng, data):
    data = bytearray(data)
    for _ in range(rng.randint(1, 3)):
        pos = rng.randint(0, len(data))
        byte = bytes([rng.choice(b"\x1a\r\n\0 .\xff")])
        if rng.random() < 0.5 or pos == len(data):
            data[pos:pos] = byte
        else:
            data[pos:pos + 1] = byte
    return bytes(data)


def generate(rng):
    large = rng.random() < 0.03
    lines = lines_of_a_file(rng, rng.randint(250, 600) if large else rng.randint(0, 12))
    ending = rng.choice([b"\n"] * 10 + [b"\r\n"] * 9 + [b"\r"])
    data = ending.join(lines)
    if rng.random() < 0.7:
        data += ending
    if large or rng.random() < 0.2:
        data = with_ctrl_z(rng, data, far=large and len(data) > BLOCK)
    if rng.random() < 0.05:
        data = mutate(rng, data)
    return data


def fault_position(rng, data):
    """Where the disk fails: anywhere, at a line start or end, at a Ctrl-Z, at a
    block boundary, or at the end of the file."""
    ends = [i for i, b in enumerate(data) if b == 10]
    choices = [rng.randint(0, len(data)), len(data)]
    if ends:
        choices.append(rng.choice(ends) + rng.choice([0, 1, -1]))
    if b"\x1a" in data:
        choices.append(data.index(b"\x1a") + rng.choice([0, 1, 2]))
    if len(data) > BLOCK:
        choices.append(BLOCK + rng.choice([0, 1, -1]))
    return max(0, min(rng.choice(choices), len(data)))


# --- Running the tool --------------------------------------------------------

class Runner:
    def __init__(self, args, tmp):
        self.tool = args.tool
        self.windows = args.windows
        self.library = args.read_fault_library
        self.failures_dir = args.failures
        self.src, self.dst = os.path.join(tmp, "in.g"), os.path.join(tmp, "out.g")
        self.passed = self.failed = self.skipped = 0

    def can_inject(self):
        return self.library is not None and not self.windows

    def environment(self, fault_at):
        env = dict(os.environ)
        if fault_at is not None:
            env["LD_PRELOAD"] = " ".join(filter(None, [self.library, env.get("LD_PRELOAD")]))
            env["ROSBA_READ_FAULT_FILE"] = self.src
            env["ROSBA_READ_FAULT_AT"] = str(fault_at)
            # The sanitizer runtime would refuse a library loaded before it.
            env["ASAN_OPTIONS"] = ":".join(filter(None, [env.get("ASAN_OPTIONS"),
                                                         "verify_asan_link_order=0"]))
        return env

    def tool_run(self, data, fault_at):
        with open(self.src, "wb") as f:
            f.write(data)
        if os.path.exists(self.dst):
            os.remove(self.dst)
        try:
            run = subprocess.run([self.tool, self.src, self.dst], capture_output=True, timeout=60,
                                 stdin=subprocess.DEVNULL, env=self.environment(fault_at))
        except subprocess.TimeoutExpired:
            return None, b"(no end within 60 s)", None, b""
        output = None
        if os.path.exists(self.dst):
            with open(self.dst, "rb") as f:
                output = f.read()
        return output, run.stderr, run.returncode, run.stdout

    def check(self, name, data, fault_at=None):
        if fault_at is not None and not self.can_inject():
            self.skipped += 1
            return
        output, err, status, stdout = self.tool_run(data, fault_at)
        want_output, want_err, want_status = model(data, fault_at)
        if self.windows:
            want_err = want_err.replace(b"\n", b"\r\n")
        if (output, err, status, stdout) == (want_output, want_err, want_status, b""):
            self.passed += 1
            return
        self.failed += 1
        if self.failed <= 5:
            fault = "" if fault_at is None else f", read error at {fault_at}"
            print(f"{name}: {len(data)} bytes{fault}: {shown(data)}")
            print(f"  tool  status {status}, stderr {err!r}, stdout {stdout!r}")
            print(f"  model status {want_status}, stderr {want_err!r}")
            print(f"  output: {difference(output, want_output)}")
        if self.failures_dir:
            os.makedirs(self.failures_dir, exist_ok=True)
            with open(os.path.join(self.failures_dir, name), "wb") as f:
                f.write(data)


def shown(data, limit=400):
    return repr(data) if len(data) <= limit else f"{data[:limit]!r}..."


def difference(got, want):
    if got == want:
        return "same"
    if got is None:
        return "no output file"
    at = next((i for i, (a, b) in enumerate(zip(got, want)) if a != b), min(len(got), len(want)))
    return (f"tool {len(got)} bytes, model {len(want)} bytes, first difference at {at}: "
            f"tool {got[at:at + 60]!r}, model {want[at:at + 60]!r}")


def replay(runner, folder):
    for name in sorted(os.listdir(folder)):
        path = os.path.join(folder, name)
        if not os.path.isfile(path):
            continue
        with open(path, "rb") as f:
            data = f.read()
        fault = FAULT_NAME.search(name)
        runner.check(name, data, int(fault.group(1)) if fault else None)


def real_files(runner, folder, rng):
    if not os.path.isdir(folder):
        print(f"no folder {folder}: real files skipped")
        return
    for name in sorted(filter(NAVIGATION_FILE.search, os.listdir(folder))):
        with open(os.path.join(folder, name), "rb") as f:
            data = f.read()
        runner.check(name, data)
        if runner.can_inject():
            fault_at = rng.randint(0, len(data))
            runner.check(f"{name}-read-error-at-{fault_at}", data, fault_at)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("tool")
    parser.add_argument("--cases", type=int, default=2000)
    parser.add_argument("--seed", type=int, default=2019)
    parser.add_argument("--windows", action="store_true")
    parser.add_argument("--read-fault-library")
    parser.add_argument("--replay", action="append", default=[])
    parser.add_argument("--real")
    parser.add_argument("--failures")
    args = parser.parse_args()
    rng = random.Random(args.seed)
    with tempfile.TemporaryDirectory() as tmp:
        runner = Runner(args, tmp)
        for folder in [REGRESSIONS] + args.replay:
            replay(runner, folder)
        if args.real:
            real_files(runner, args.real, random.Random(args.seed))
        for case in range(args.cases):
            data = generate(rng)
            fault_at = fault_position(rng, data) if rng.random() < 0.25 else None
            if fault_at is None or not runner.can_inject():
                runner.check(f"case-{case}.g", data)
            else:
                runner.check(f"case-{case}-read-error-at-{fault_at}.g", data, fault_at)
    skipped = f", {runner.skipped} skipped" if runner.skipped else ""
    print(f"{runner.passed} passed, {runner.failed} failed{skipped}")
    return 1 if runner.failed else 0


if __name__ == "__main__":
    sys.exit(main())
