"""The model's own rules, pinned by hand-worked cases: a model that is wrong would
agree with a tool that is wrong in the same way."""
import sys
import unittest

sys.dont_write_bytecode = True  # no cache files in the source folder
from model import FAILED, HEADER_END, UNREADABLE, drops, lines, model, report

HEADER = b"     2.01           GLONASS NAV DATA                        RINEX VERSION / TYPE\n" \
         b"                                                            END OF HEADER\n"
ORBIT = b"   -0.181828626149D+05 0.273056575462D+01-0.340275852249D-08 0.000000000000D+00\n"


def first(seconds):
    return b" 1 19 12 10  0 15" + seconds + b"-0.428774093133D-03"


class Seconds(unittest.TestCase):
    def test_dropped_or_kept(self):
        # Rounds to the double halfway between the two floats next to 0.1.
        double_near_tie = b"0.09999999776482582439"
        cases = [
            (b"  0.0", False), (b" -0.0", False), (b" 30.0", True), (b" 59.9", True),
            (b"  0.1", True), (b" -1.0", True), (b" +0.1", True),
            (b"  0.0999999940395355224609375", False),  # the largest float below 0.1
            (b"  0.09999999999", True),                 # rounds up to the float 0.1
            (b"  " + double_near_tie, False),           # the tie goes to the even float below 0.1
            (b"  0.09999999776482583", True),           # the next double up rounds to float 0.1
            (b" 0x.8", False), (b" 0X.8p4", False),     # no hexadecimal: "0" is read
            (b"   . ", False), (b"  x.0", False), (b" - .1", False),  # no number
            (b"  5.", True), (b"   .5", True),
            (b"  5.e-3", False), (b"  5.e-", True), (b"  5.E", True),  # the exponent only whole
            (b"  1.0_0e-5", True),                      # an underscore ends the number
            (b"  1.0e-60", False), (b"  9.9e99", True), (b"  9.e9999", True),
            (b"\t\r3.0", True), (b" \v\f.5", True),      # every white space of the C locale
            (b"  0.\x009", False),                      # read up to the zero byte
        ]
        for field, dropped in cases:
            with self.subTest(field=field):
                self.assertEqual(drops(first(field)), dropped)

    def test_layout_of_a_first_line(self):
        cases = [
            (b" 1 19 12 10  0 15-10.0", False), (b" 1 19 12 10  0 15100.0", False),
            (b" 1\t19\v12\f10\r 0 15 30.0", True), (b" 1\xa019 12 10  0 15 30.0", False),
            (b" 1 19 12 10  0 15 3.", False),  # 20 characters
            (b" 1 19 12 10  0 15 3\x00.0", False),  # "3." would drop it
        ]
        for line, dropped in cases:
            with self.subTest(line=line):
                self.assertEqual(drops(line), dropped)


class Reads(unittest.TestCase):
    def test_lines(self):
        x = b"x" * 1026
        cases = [
            (b"", None, []), (b"a\nb", None, [b"a", b"b"]), (b"a\r\nb\r", None, [b"a", b"b\r"]),
            (b"a\rb\n\n", None, [b"a\rb", b""]),
            (b"a\r\x1a", None, [b"a\r"]), (b"a\n\x1a\r\n\x1a\x1a\n", None, [b"a"]),
            (b"a\nb\x1ac\n", None, [b"a", FAILED]), (b"a\n\x1a \n", None, [b"a", FAILED]),
            (b"a\n\x1a\x00", None, [b"a", FAILED]),
            (x + b"\r\n", None, [x]), (x + b"x\n", None, [FAILED]), (x + b"\r", None, [FAILED]),
            (b"ab\ncd\n", 0, [FAILED]), (b"ab\ncd\n", 3, [b"ab", FAILED]),
            (b"ab\ncd\n", 4, [b"ab", FAILED]), (b"ab\ncd\n", 6, [b"ab", b"cd", FAILED]),
            (b"ab\ncd", 5, [b"ab", FAILED]),
            (b"ab\n\x1a\n", 5, [b"ab", FAILED]),  # the padding cannot be read to its end
        ]
        for raw, fault_at, reads in cases:
            with self.subTest(raw=raw, fault_at=fault_at):
                self.assertEqual(list(lines(raw, fault_at)), reads)


class Runs(unittest.TestCase):
    def test_outcomes(self):
        crlf = lambda b: b.replace(b"\n", b"\r\n")
        record = first(b"  0.0") + b"\n" + ORBIT * 3
        dropped = first(b" 30.0") + b"\n" + ORBIT * 3
        cases = [
            (b"", None, (b"", report(HEADER_END), 1)),
            (HEADER[:80], None, (HEADER[:80] + b"\r\n", report(HEADER_END), 1)),
            (HEADER + dropped + record, None, (crlf(HEADER + record), b"", 0)),
            (HEADER + dropped[:100], None, (crlf(HEADER), b"", 0)),
            (HEADER + record[:100] + b"\x1a" + record[100:], None,
             (crlf(HEADER + first(b"  0.0") + b"\n"), report(UNREADABLE), 1)),
            (HEADER + dropped + record, len(HEADER) + 100, (crlf(HEADER), report(UNREADABLE), 1)),
            (HEADER + record, len(HEADER + record) - 1,
             (crlf(HEADER + record[:-len(ORBIT)]), report(UNREADABLE), 1)),
        ]
        for raw, fault_at, outcome in cases:
            with self.subTest(raw=raw, fault_at=fault_at):
                self.assertEqual(model(raw, fault_at), outcome)


if __name__ == "__main__":
    sys.exit(unittest.main())
