#!/usr/bin/env bash
# The test command: installs what is missing, builds every preset, then runs the native tests (unit
# tests, the end-to-end scenarios against the native program, the Debian package's tests), the unit
# tests under the sanitizers with each fuzz target, and the Windows tests under Wine. Exits
# non-zero when any run fails.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

scripts/install-deps.sh
scripts/build.sh

# The Debian package's install test changes the machine (it installs, removes and purges the
# package); CI's machine is there for that. It also runs for root, unless
# OTOPICCO_PACKAGE_TESTS=0.
if [[ ${CI:-} == true ]]; then
  export OTOPICCO_PACKAGE_TESTS=${OTOPICCO_PACKAGE_TESTS:-1}
fi

status=0
ctest --preset linux --no-tests=error --parallel "$(nproc)" || status=$?
if [[ $status -ne 0 ]]; then
  echo "native tests FAILED (above); running the Wine tests as well"
fi
scripts/sanitize-and-fuzz.sh || status=$?  # unit tests under ASan+UBSan, each fuzz target 30 s
ctest --preset win64 --no-tests=error || status=$?
exit "$status"
