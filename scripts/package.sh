#!/usr/bin/env bash
# The packaging command: builds the packages that a teacher installs and puts them into one
# folder, build/packages/ unless --out names another. Each kind of package has its function below;
# the version in every file name and in every package's metadata is the project's (CMakeLists.txt).
#
#   windows   the installer otopicco-VERSION-setup.exe and the portable zip
#             otopicco-VERSION-portable.zip, both around the 32-bit otopicco.exe (win32 preset)
#   debian    the Debian package otopicco_VERSION_ARCH.deb of the Linux program (linux preset)
#
# Usage: scripts/package.sh [--out DIR] [KIND...]      (default: every kind)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

out=$root/build/packages
all_kinds=(windows debian)
kinds=()
while [[ $# -gt 0 ]]; do
  case $1 in
    --out) out=${2:?--out needs a folder}; shift 2 ;;
    -h|--help) sed -n '2,10p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    -*) echo "$0: unknown option $1" >&2; exit 2 ;;
    *) kinds+=("$1"); shift ;;
  esac
done
[[ ${#kinds[@]} -gt 0 ]] || kinds=("${all_kinds[@]}")
for kind in "${kinds[@]}"; do
  [[ " ${all_kinds[*]} " == *" $kind "* ]] || { echo "$0: no package kind $kind (${all_kinds[*]})" >&2; exit 2; }
done

# A path that the build keeps in its cache (set by the packaging's CMakeLists.txt).
cached_path() {
  local value
  value=$(sed -n "s/^$2:INTERNAL=//p" "$1/CMakeCache.txt")
  [[ -n $value && -f $value ]] || { echo "$0: the build in $1 made no $2" >&2; return 1; }
  printf '%s' "$value"
}

deliver() {
  cp "$1" "$out/"
  printf '  %-40s %9d bytes\n' "$(basename "$1")" "$(stat -c %s "$1")"
}

package_windows() {
  cmake --preset win32 >/dev/null
  cmake --build --preset win32 --target windows_packages --parallel "$(nproc)"
  deliver "$(cached_path build/win32 OTOPICCO_INSTALLER)"
  deliver "$(cached_path build/win32 OTOPICCO_PORTABLE_ZIP)"
}

# CPack packs what the build made: the program and the package's files, not the tests.
package_debian() {
  cmake --preset linux >/dev/null
  cmake --build --preset linux --target debian_package_files --parallel "$(nproc)"
  local made
  made=$(cd build/linux && cpack --config CPackConfig.cmake | sed -n 's/^CPack: - package: \(.*\.deb\) generated\.$/\1/p')
  [[ -f $made ]] || { echo "$0: cpack made no .deb" >&2; return 1; }
  deliver "$made"
}

scripts/install-deps.sh
mkdir -p "$out"
out=$(cd "$out" && pwd)
for kind in "${kinds[@]}"; do
  echo "== $kind"
  "package_$kind"
done
echo "packages in $out"
