# lintian finds no error and no warning in the Debian package. What it reports as information
# (and the experimental tags) is shown; a tag the package overrides carries its reason in
# packaging/linux/lintian-overrides.
set -euo pipefail
package=$OTOPICCO_DEB_DIR/otopicco_${OTOPICCO_VERSION}_$(dpkg --print-architecture).deb
[[ -f $package ]] || { echo "FAIL: no package (packaging_debian_build makes it)" >&2; exit 1; }
command -v lintian >/dev/null || { echo "FAIL: lintian is missing (scripts/install-deps.sh)" >&2; exit 1; }
report=$(lintian --pedantic --display-info --display-experimental --show-overrides "$package" 2>&1) ||
  status=$?
echo "$report"
# lintian's own exit status is not enough: it ends with 0 when its profile hides a tag.
if [[ ${status:-0} -ne 0 ]] || grep -q '^[EW]: ' <<<"$report"; then
  echo "FAIL: lintian reports errors or warnings (above)" >&2
  exit 1
fi
echo "ok: lintian reports no error and no warning"
