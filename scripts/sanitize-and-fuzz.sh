#!/usr/bin/env bash
# The program's own code under AddressSanitizer and UndefinedBehaviorSanitizer: the unit tests
# and the Linux text and file tests built with both sanitizers (the sanitize preset), then every
# fuzz target for a bounded time (tests/fuzz/run.sh). Exits non-zero when either fails.
#
#   scripts/sanitize-and-fuzz.sh [SECONDS]    (each fuzz target's time, 30 seconds by default)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

status=0
echo "== sanitize"
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize --parallel "$(nproc)"
ctest --preset sanitize --no-tests=error --parallel "$(nproc)" || status=$?
echo "== fuzz"
tests/fuzz/run.sh "${1:-30}" || status=$?
exit "$status"
