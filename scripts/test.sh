#!/usr/bin/env bash
# The test command: installs what is missing, builds every preset, then runs the native tests (unit
# tests and the end-to-end scenarios against the native program) and the Windows tests under Wine.
# Exits non-zero when either run fails.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

scripts/install-deps.sh
scripts/build.sh

status=0
ctest --preset linux --no-tests=error --parallel "$(nproc)" || status=$?
if [[ $status -ne 0 ]]; then
  echo "native tests FAILED (above); running the Wine tests as well"
fi
ctest --preset win64 --no-tests=error || status=$?
exit "$status"
