#!/usr/bin/env bash
# Benchmark of rosba against a minimal C filter that does the same correction
# with one write(2) per output line and nothing else (bench/minfilter.c), on a
# generated realistic navigation file with CR LF line ends:
#   - wall time, alternating runs of both, and throughput next to cat;
#   - instructions in user space (valgrind's callgrind: a count, not a time, so
#     it repeats exactly whatever else the machine does);
#   - start-up: CPU time of a run on a tiny real file, hundreds of runs;
#   - write calls per output line (strace);
#   - peak memory at two input sizes.
#
#   bench/run.sh [MEGABYTES]       (default 30)
#
# Needs python3, cc, c++, valgrind, strace and GNU time (/usr/bin/time); the tiny
# real file comes from ../shared/data when it is there, else the bundled example.
set -euo pipefail
cd "$(dirname "$0")/.."
mb=${1:-30}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --preset default > /dev/null
cmake --build --preset default --target rosba > /dev/null
rosba=$PWD/build/rosba
cc -O2 -o "$work/minfilter" bench/minfilter.c -lm
minfilter=$work/minfilter
# The start-up floor of a C++ program that uses the standard streams, linked as
# rosba is: it starts its streams and ends.
printf '#include <iostream>\nint main() { std::cout << std::flush; }\n' > "$work/streams.cpp"
c++ -O2 -static-libstdc++ -static-libgcc -Wl,--gc-sections -o "$work/streams-only" "$work/streams.cpp"
python3 bench/gen_nav.py --megabytes "$mb" --seed 1 --crlf > "$work/in.g"
python3 bench/gen_nav.py --megabytes $((mb * 4)) --seed 2 --crlf > "$work/big.g"
python3 bench/gen_nav.py --megabytes 4 --seed 3 --crlf > "$work/small.g"
tiny=../shared/data/rinex2-glonass/Allo223mA.22g
[ -f "$tiny" ] || tiny=examples/brdc3440.19g
size=$(stat -c %s "$work/in.g")

"$rosba" "$work/in.g" "$work/out.g"
"$minfilter" "$work/in.g" "$work/min.g"
cmp -s "$work/out.g" "$work/min.g" || { echo "rosba and the minimal filter disagree" >&2; exit 1; }
lines=$(wc -l < "$work/out.g")
printf 'input: %s bytes (%s MB, CR LF), %s output lines\n\n' "$size" "$mb" "$lines"

echo "== wall time, 10 alternating rounds (target: rosba at most 1.05 x the minimal filter)"
python3 bench/measure.py wall 10 "$work/in.g" "$work/out.g" "$rosba" "$minfilter"
start=$(date +%s%N)
cat "$work/in.g" > "$work/cat.g"
cat_ns=$(( $(date +%s%N) - start ))
python3 - "$size" "$cat_ns" <<'PY'
import sys
size, ns = int(sys.argv[1]), int(sys.argv[2])
print(f"cat              {ns / 1e6:9.3f} ms  {size / 1e6 / (ns / 1e9):8.1f} MB/s")
PY

echo
echo "== instructions in user space on a 4 MB file (target: at most 3 x the minimal filter)"
count() {
  valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 |
    sed -n 's/.*Collected : *\([0-9]*\).*/\1/p'
}
i_rosba=$(count "$rosba" "$work/small.g" "$work/out.g")
i_min=$(count "$minfilter" "$work/small.g" "$work/min.g")
python3 -c "import sys; r, m = map(int, sys.argv[1:]); print(f'rosba {r:,}  minimal filter {m:,}  ratio {r / m:.2f}')" \
  "$i_rosba" "$i_min"

echo
echo "== start-up: CPU a run on $(basename "$tiny"), 300 alternating rounds (target: at most 1.15 x)"
# streams-only: a C++ program that only starts its standard streams, the floor
# of any program that uses them.
python3 bench/measure.py cpu 300 "$tiny" "$work/tiny.g" "$rosba" "$work/streams-only" "$minfilter"

echo
echo "== write calls (target: exactly one per output line)"
strace -f -c -e trace=write -o "$work/strace.txt" "$rosba" "$work/in.g" "$work/out.g"
writes=$(awk '$NF == "write" {print $4}' "$work/strace.txt")
python3 -c "import sys; w, l = map(int, sys.argv[1:]); print(f'{w} write calls for {l} output lines: {w / l:.4f} a line')" \
  "$writes" "$lines"

echo
echo "== peak memory (target: under 4 MiB, and flat as the input grows)"
mem() { /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -n 1; }
printf 'rosba %s KiB at %s MB, %s KiB at %s MB; minimal filter %s KiB\n' \
  "$(mem "$rosba" "$work/in.g" "$work/out.g")" "$mb" \
  "$(mem "$rosba" "$work/big.g" "$work/out.g")" "$((mb * 4))" \
  "$(mem "$minfilter" "$work/in.g" "$work/min.g")"
