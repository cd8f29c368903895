#!/usr/bin/env python3
"""Writes a realistic RINEX 2.01 GLONASS navigation file to standard output.

Records come every 30 minutes for 24 satellites, as a receiver network's daily
merged file has them; about one record in eight is a repeat of the one before it
with epoch seconds that are not zero (30.0 or 59.9 and the like), the kind of
record that processing software chokes on.

    gen_nav.py --records 40 --seed 2 > brdc3440.19g
    gen_nav.py --megabytes 30 --crlf > big.19g    (CR LF line ends, as many receivers write)
"""
import argparse
import math
import random
import sys


def d19(value):
    """A number in the D19.12 layout: ' 0.123456789012D+03'."""
    if value == 0:
        return " 0.000000000000D+00"
    exponent = math.floor(math.log10(abs(value))) + 1
    mantissa = value / 10 ** exponent
    if round(abs(mantissa), 12) >= 1.0:
        mantissa /= 10
        exponent += 1
    sign = "-" if mantissa < 0 else " "
    return f"{sign}0.{round(abs(mantissa) * 1e12):012d}D{exponent:+03d}"


def header():
    return [
        "     2.01           GLONASS NAV DATA                        RINEX VERSION / TYPE",
        "rnxmerge 2.3        Rosba example       10-DEC-19 23:55     PGM / RUN BY / DATE",
        "Merged broadcast ephemerides of 24 GLONASS satellites       COMMENT",
        "    2019    12    10   -0.186264514923D-08                  CORR TO SYSTEM TIME",
        "    18                                                      LEAP SECONDS",
        "                                                            END OF HEADER",
    ]


def record(rng, slot, hour, minute, seconds):
    # Positions in km, velocities in km/s, accelerations in km/s^2, as the format has them.
    radius = 25510.0
    angle = rng.uniform(0, 2 * math.pi)
    x, y, z = (radius * math.cos(angle), radius * math.sin(angle) * 0.5,
               rng.uniform(-radius, radius) * 0.8)
    vx, vy, vz = (rng.uniform(-3.5, 3.5) for _ in range(3))
    ax, ay, az = (rng.choice([0.0, 1.0, -1.0]) * rng.uniform(1e-9, 4e-9) for _ in range(3))
    tau = rng.uniform(-9e-4, 9e-4)
    gamma = rng.choice([0.0, 9.094947017729e-13, -1.818989403546e-12])
    frame = float((hour * 3600 + minute * 60 - 900) % 86400)
    health = 0.0
    freq = float(rng.choice([-7, -2, -1, 0, 1, 2, 3, 4, 5, 6]))
    age = float(rng.randint(0, 3))
    first = f"{slot:2d} 19 12 10 {hour:2d} {minute:2d}{seconds:5.1f}{d19(tau)}{d19(gamma)}{d19(frame)}"
    return [
        first,
        "   " + d19(x) + d19(vx) + d19(ax) + d19(health),
        "   " + d19(y) + d19(vy) + d19(ay) + d19(freq),
        "   " + d19(z) + d19(vz) + d19(az) + d19(age),
    ]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--records", type=int, default=40)
    parser.add_argument("--megabytes", type=float, default=0)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--crlf", action="store_true", help="CR LF line ends instead of LF")
    args = parser.parse_args()
    end = "\r\n" if args.crlf else "\n"
    rng = random.Random(args.seed)

    out = sys.stdout
    out.reconfigure(newline="")
    out.write(end.join(header()) + end)
    size = 0
    written = 0
    index = 0
    target = args.megabytes * 1e6
    while (written < args.records) if not target else (size < target):
        slot = index % 24 + 1
        epoch = index // 24
        hour = (15 + epoch * 30) // 60 % 24
        minute = (15 + epoch * 30) % 60
        lines = record(rng, slot, hour, minute, 0.0)
        if rng.random() < 0.125:
            lines += record(rng, slot, hour, minute, rng.choice([30.0, 59.9, 1.0, 10.0, 20.0]))
        text = end.join(lines) + end
        out.write(text)
        size += len(text)
        written += len(lines) // 4
        index += 1


if __name__ == "__main__":
    main()
