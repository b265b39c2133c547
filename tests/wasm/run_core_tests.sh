#!/usr/bin/env bash
# Runs the core's tests as the browser's compiler built them, under node. Left out: the tests
# that kill a child process amid a write (WebAssembly has no fork), the one that limits a file's
# size with setrlimit (no effect there) and the one that catches a thrown exception (the page is
# built without catching: a throw, a fault of the program, ends it).
set -euo pipefail
tests="$1/bin/kalder_core_tests.js"
if [ ! -f "$tests" ]; then
    echo "$tests is missing: ./test.sh builds it (kalder_build_web kalder_core_tests)" >&2
    exit 1
fi
exec node --no-experimental-fetch --stack-size=4000 "$tests" \
    --gtest_filter='-*KilledWrite.*:CollectionFile.AppendNumbersTheLineOnALineOfItsOwnOrLeavesTheFileAsItWas:GeneratePuzzle.RefusesASizeOffTheBoard'
