#!/usr/bin/env bash
# Writes the help file ReadMe_sapi.txt as the player reads it: Shift-JIS with Windows line ends.
# The text is kept in UTF-8 for editing, in assets/ReadMe_sapi.utf8.txt.
#
# Usage: scripts/make-help-file.sh OUTFILE
set -euo pipefail

if [[ $# -ne 1 ]]; then
  echo "usage: $0 OUTFILE" >&2
  exit 2
fi
source=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/assets/ReadMe_sapi.utf8.txt
mkdir -p "$(dirname "$1")"
# Written beside the target first, so a failed conversion leaves no half-written help file.
iconv -f UTF-8 -t CP932 "$source" | sed 's/\r$//; s/$/\r/' >"$1.tmp"
mv "$1.tmp" "$1"
