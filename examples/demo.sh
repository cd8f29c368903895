#!/bin/sh
# Builds rosba (the tool alone: no test library needed), corrects the bundled
# example file and shows what was removed.
set -e
cd "$(dirname "$0")/.."
cmake --preset release > /dev/null
cmake --build --preset release > /dev/null

in=examples/brdc3440.19g
out=build-release/brdc3440-corrected.19g
build-release/rosba "$in" "$out"
echo "build-release/rosba $in $out: exit status $?"
echo "$(wc -l < "$in") lines in, $(wc -l < "$out") lines out (CR LF line ends); removed:"
# diff exits 1 when the files differ, which is the point here.
diff --strip-trailing-cr "$in" "$out" | sed -n 's/^< /  /p' || true
