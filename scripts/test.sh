#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite headless.
# --sanitize builds and runs it with AddressSanitizer and UBSan instead.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh "$@"
dir=build
[ "${1:-}" = "--sanitize" ] && dir=build-sanitize

export QT_QPA_PLATFORM=offscreen
# Any sanitizer report fails the run.
export ASAN_OPTIONS="abort_on_error=1:detect_leaks=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
ctest --test-dir "$dir" --output-on-failure --timeout 900 </dev/null
