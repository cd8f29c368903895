#!/usr/bin/env bash
# Benchmark of rosba on a generated, realistic navigation file: throughput next to
# cat and a minimal C filter that does the same work with one write(2) per line,
# write calls per output line, and peak memory at two input sizes.
#
#   bench/run.sh [MEGABYTES]        (default 30; needs python3, cc, strace, GNU time)
set -euo pipefail
cd "$(dirname "$0")/.."
mb=${1:-30}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --preset default > /dev/null
cmake --build --preset default --target rosba > /dev/null
cc -O2 -o "$work/minfilter" bench/minfilter.c -lm
python3 bench/gen_nav.py --megabytes "$mb" --seed 1 > "$work/in.g"
python3 bench/gen_nav.py --megabytes $((mb * 4)) --seed 2 > "$work/big.g"
size=$(stat -c %s "$work/in.g")

# Best of five wall times, in seconds.
best() {
  local best=999999999999 t
  for _ in 1 2 3 4 5; do
    local start=$(date +%s%N)
    "$@" > /dev/null
    t=$(( $(date +%s%N) - start ))
    (( t < best )) && best=$t
  done
  echo "scale=4; $best / 1000000000" | bc
}

t_rosba=$(best build/rosba "$work/in.g" "$work/out.g")
t_min=$(best "$work/minfilter" "$work/in.g" "$work/min.g")
t_cat=$(best sh -c "cat '$work/in.g' > '$work/cat.g'")
cmp -s "$work/out.g" "$work/min.g" || { echo "rosba and the minimal filter disagree" >&2; exit 1; }

lines=$(wc -l < "$work/out.g")
writes=$(strace -f -c -e trace=write -o "$work/strace.txt" build/rosba "$work/in.g" "$work/out.g" \
         && awk '$NF == "write" {print $4}' "$work/strace.txt")
mem() { /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -n 1; }
mem_small=$(mem build/rosba "$work/in.g" "$work/out.g")
mem_big=$(mem build/rosba "$work/big.g" "$work/out.g")
mem_min=$(mem "$work/minfilter" "$work/in.g" "$work/min.g")

mbps() { echo "scale=1; $size / 1000000 / $1" | bc; }
printf 'input: %s bytes (%s MB), %s output lines\n' "$size" "$mb" "$lines"
printf '%-16s %8s s  %8s MB/s\n' "rosba" "$t_rosba" "$(mbps "$t_rosba")"
printf '%-16s %8s s  %8s MB/s\n' "minimal filter" "$t_min" "$(mbps "$t_min")"
printf '%-16s %8s s  %8s MB/s\n' "cat" "$t_cat" "$(mbps "$t_cat")"
printf 'rosba / minimal filter: %s x (target: at most 1.25 x)\n' "$(echo "scale=3; $t_rosba / $t_min" | bc)"
printf 'write calls: %s for %s output lines: %s per line (target: 1)\n' "$writes" "$lines" \
       "$(echo "scale=4; $writes / $lines" | bc)"
printf 'peak memory: %s KiB at %s MB, %s KiB at %s MB (minimal filter %s KiB; target: under 4 MiB, flat)\n' \
       "$mem_small" "$mb" "$mem_big" "$((mb * 4))" "$mem_min"
