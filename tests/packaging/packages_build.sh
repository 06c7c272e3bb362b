# Builds the packages the way a release does: the shipped ones with the packaging command into a
# folder of their own (emptied first, so nothing stale can pass), and this preset's 64-bit twins
# that the tests under Wine install and start.
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
rm -rf "${OTOPICCO_SHIPPED_DIR:?}"
"$repo/scripts/package.sh" --out "$OTOPICCO_SHIPPED_DIR" windows
cmake --build "$OTOPICCO_PACKAGING_BUILD" --target windows_packages
for package in "$OTOPICCO_INSTALLER" "$OTOPICCO_PORTABLE_ZIP"; do
  [[ -s $package ]] || { echo "FAIL: no $package" >&2; exit 1; }
done
echo "ok: shipped packages in $OTOPICCO_SHIPPED_DIR, the 64-bit twins beside this build"
