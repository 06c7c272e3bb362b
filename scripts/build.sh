#!/usr/bin/env bash
# Configures and builds the CMake presets: the native one with the unit tests (linux), the shipped
# 32-bit program (win32) and the 64-bit program with the Wine tests (win64).
#
# Usage: scripts/build.sh [PRESET...]      (default: linux win32 win64)
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

presets=("$@")
[[ ${#presets[@]} -gt 0 ]] || presets=(linux win32 win64)

for preset in "${presets[@]}"; do
  echo "== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" --parallel "$(nproc)"
done
