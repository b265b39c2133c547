#!/usr/bin/env bash
# Runs the core's tests as the browser's compiler built them, under node. Left out: the tests
# that kill a child process amid a write (WebAssembly has no fork) and the one that limits a
# file's size with setrlimit (no effect there); they test the desktop's process, not the code's.
set -euo pipefail
tests="$1/bin/kalder_core_tests.js"
if [ ! -f "$tests" ]; then
    echo "$tests is missing: ./test.sh builds it (kalder_build_web kalder_core_tests)" >&2
    exit 1
fi
exec node --no-experimental-fetch --stack-size=4000 "$tests" \
    --gtest_filter='-KillSafe.*:CollectionFile.AppendNumbersTheLineOnALineOfItsOwnOrLeavesTheFileAsItWas'
