#!/usr/bin/env bash
# Runs every fuzz harness for SECONDS (default 60) with libFuzzer under ASan and UBSan, after
# installing whatever of clang and the build's packages is missing. Inputs that crash go to
# fuzz/crashes/<harness>/; the inputs found on the way collect in build-fuzz/corpus/<harness>/
# (copy the telling ones to fuzz/corpus/ by hand).
set -euo pipefail
cd "$(dirname "$0")"
seconds="${1:-60}"

source scripts/setup.sh
KALDER_PACKAGES+=(clang libclang-rt-dev)
kalder_install_packages

cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DKALDER_FUZZ=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz --target kalder_fuzzers

status=0
summary=()
for seeds in fuzz/corpus/*/; do
    harness="$(basename "$seeds")"
    corpus="build-fuzz/corpus/$harness"
    crashes="fuzz/crashes/$harness"
    log="build-fuzz/fuzz-$harness.log"
    mkdir -p "$corpus" "$crashes"
    echo "== $harness: $seconds s"
    if ! "build-fuzz/bin/fuzz_$harness" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$crashes/" "$corpus" "$seeds" >"$log" 2>&1; then
        status=1
        echo "   CRASH: see $log and $crashes/"
    fi
    rmdir "$crashes" 2>/dev/null || true
    runs="$(grep -o 'number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo '?')"
    summary+=("$(printf '%-14s %12s executions' "$harness" "$runs")")
done
printf '%s\n' "${summary[@]}"
exit $status
