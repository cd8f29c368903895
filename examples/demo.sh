#!/bin/sh
# Builds rosba, corrects the bundled example file and shows what was removed.
set -e
cd "$(dirname "$0")/.."
cmake --preset default > /dev/null
cmake --build --preset default --target rosba > /dev/null

in=examples/brdc3440.19g
out=build/brdc3440-corrected.19g
build/rosba "$in" "$out"
echo "build/rosba $in $out: exit status $?"
echo "$(wc -l < "$in") lines in, $(wc -l < "$out") lines out (CR LF line ends); removed:"
# diff exits 1 when the files differ, which is the point here.
diff --strip-trailing-cr "$in" "$out" | sed -n 's/^< /  /p' || true
