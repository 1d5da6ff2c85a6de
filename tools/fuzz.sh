#!/bin/sh
# Builds the fuzz targets with clang and runs each for a while (default 60 s).
# Usage: tools/fuzz.sh [seconds]    Findings land in build-fuzz/findings/<target>/.
set -eu
seconds=${1:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-fuzz"

CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DRAMULO_FUZZ=ON -DRAMULO_BUILD_TESTS=OFF -DRAMULO_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j2

status=0
for seeds in "$root"/fuzz/seeds/*/; do
    target=$(basename "$seeds")
    corpus="$build/corpus/$target"
    findings="$build/findings/$target"
    mkdir -p "$corpus" "$findings"
    echo "== fuzz_$target for ${seconds}s"
    if ! "$build/fuzz/fuzz_$target" "$corpus" "$seeds" -max_total_time="$seconds" \
        -rss_limit_mb=2048 -timeout=10 -artifact_prefix="$findings/" -print_final_stats=1 \
        2>"$build/fuzz_$target.log"; then
        echo "   FOUND A FAILURE: see $build/fuzz_$target.log and $findings/"
        status=1
    fi
    grep -E "^(stat::number_of_executed_units|stat::peak_rss_mb|#[0-9]+ +DONE)" \
        "$build/fuzz_$target.log" | sed 's/^/   /' || true
done
exit $status
