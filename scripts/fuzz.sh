#!/usr/bin/env bash
# Builds the fuzzers with clang (ASan + UBSan + libFuzzer) and runs each for SECONDS (default 30), one after
# the other on one core. Usage: scripts/fuzz.sh [SECONDS] [avi|box|mp4|catalogue ...]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-30}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(avi box mp4 catalogue)
build=${ORVAN_FUZZ_BUILD_DIR:-$top/build-fuzz}
"$top/scripts/setup.sh" "$top/scripts/packages-fuzz.txt"
san="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fsanitize=fuzzer-no-link -g -O1"
CC=clang CXX=clang++ cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DORVAN_BUILD_FUZZ=ON -DORVAN_BUILD_GUI=OFF -DORVAN_BUILD_TESTS=OFF -DORVAN_BUILD_BENCH=OFF \
    -DCMAKE_C_FLAGS="$san" -DCMAKE_CXX_FLAGS="$san" >/dev/null
cmake --build "$build" -j2 --target fuzz_seeds $(printf 'fuzz_%s ' "${targets[@]}") >/dev/null
seeds="$build/seeds"
[ -d "$seeds/catalogue" ] || "$build/fuzz/fuzz_seeds" "$seeds"
status=0
for t in "${targets[@]}"; do
    corpus="$build/corpus/$t"
    mkdir -p "$corpus"
    echo "== fuzz_$t for ${seconds}s"
    if ! ASAN_OPTIONS=detect_leaks=1 "$build/fuzz/fuzz_$t" -max_total_time="$seconds" -max_len=65536 \
        -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$build/crash-$t-" \
        "$corpus" "$seeds/$t" 2>"$build/fuzz-$t.log"; then
        status=1
        tail -n 40 "$build/fuzz-$t.log"
    fi
    grep -E 'stat::number_of_executed_units|stat::peak_rss_mb' "$build/fuzz-$t.log" || true
done
exit $status
