#!/usr/bin/env python3
"""Times two programs side by side, alternating, so that whatever else the
machine does weighs on both alike.

    measure.py wall ROUNDS IN OUT PROGRAM...      wall time of a whole run
    measure.py cpu ROUNDS IN OUT PROGRAM...       CPU time (user + system) of a run

Each round runs every program once on IN (writing OUT), the order turning round
by round. Prints one line per program: the median, the sum, and the ratio of
its sum to the last program's sum.
"""
import os
import statistics
import subprocess
import sys
import time


def run_wall(argv):
    start = time.perf_counter()
    subprocess.run(argv, check=True, stdin=subprocess.DEVNULL)
    return time.perf_counter() - start


def run_cpu(argv):
    # posix_spawn, not fork: a forked copy of this interpreter would add its
    # own CPU time to the child's, the same for both programs, and hide the
    # difference that is measured here.
    pid = os.posix_spawn(argv[0], argv, os.environ)
    _, status, usage = os.wait4(pid, 0)
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"{argv[0]} failed")
    return usage.ru_utime + usage.ru_stime


def main():
    mode, rounds, source, target, *programs = sys.argv[1:]
    measure = run_wall if mode == "wall" else run_cpu
    times = {p: [] for p in programs}
    for r in range(int(rounds)):
        order = programs if r % 2 == 0 else programs[::-1]
        for p in order:
            times[p].append(measure([p, source, target]))
    yardstick = sum(times[programs[-1]])
    for p in programs:
        t = times[p]
        print(f"{os.path.basename(p):16s} median {statistics.median(t) * 1000:9.3f} ms"
              f"  sum {sum(t):8.3f} s  ratio {sum(t) / yardstick:6.3f}")


if __name__ == "__main__":
    main()
