# Builds the Debian package the way a release does: with the packaging command, into a folder of
# its own (emptied first, so that nothing stale can pass). The tests after it take the package
# from there.
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
rm -rf "${OTOPICCO_DEB_DIR:?}"
"$repo/scripts/package.sh" --out "$OTOPICCO_DEB_DIR" debian
package=$OTOPICCO_DEB_DIR/otopicco_${OTOPICCO_VERSION}_$(dpkg --print-architecture).deb
[[ -s $package ]] || { echo "FAIL: no $package (made: $(ls "$OTOPICCO_DEB_DIR"))" >&2; exit 1; }
fields=$(dpkg-deb -f "$package" Package Version Architecture)
expected="Package: otopicco
Version: $OTOPICCO_VERSION
Architecture: $(dpkg --print-architecture)"
[[ $fields == "$expected" ]] || { echo "FAIL: the package says [$fields], expected [$expected]" >&2; exit 1; }
echo "ok: $package"
