# The packages that ship, read as files (their 32-bit programs cannot run under this Wine): the
# packaging command's folder holds exactly the installer and the zip named with the project's
# version; both are 32-bit and carry that version; they carry the same program, help file and
# songs; the zip unpacks to one folder with the program, the help file (Shift-JIS, CR LF) and the
# songs side by side, its Japanese names flagged as UTF-8; and the 64-bit twins that the Wine tests
# run are laid out exactly like them.
set -uo pipefail
export LC_ALL=C.UTF-8
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
python=/usr/bin/python3
version=$OTOPICCO_VERSION
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }
expect_eq() { [[ $2 == "$3" ]] || fail "$1: expected [$2], got [$3]"; }
pe() { "$python" "$here/read_package.py" pe "$1" || fail "cannot read $1 as a Windows program"; }
# The files of an installer, as paths below the folder they are installed into.
installer_files() {
  7zz l -slt "$1" >"$work/listing" || fail "7-Zip cannot read $1 as an installer"
  sed -n 's/^Path = //p' "$work/listing" | tail -n +2 | grep -v '^\$PLUGINSDIR/' |
    sed 's|^\$[A-Z0-9_]*/||' | LC_ALL=C sort
}
zip_names() { "$python" "$here/read_package.py" zip "$1" | cut -f1 | LC_ALL=C sort; }

shipped=$OTOPICCO_SHIPPED_DIR
installer=$shipped/otopicco-$version-setup.exe
zip=$shipped/otopicco-$version-portable.zip
expect_eq "packages" "$(printf '%s\n' "$(basename "$zip")" "$(basename "$installer")")" "$(ls -A "$shipped" | LC_ALL=C sort)"
echo "ok: the packaging command made $(basename "$installer") and $(basename "$zip")"

facts=$(pe "$installer")
expect_eq "installer machine" "machine=i386" "$(grep '^machine=' <<<"$facts")"
for key in ProductVersion FileVersion; do
  expect_eq "installer $key" "$key=$version" "$(grep "^$key=" <<<"$facts")"
done
IFS=. read -r major minor patch tweak <<<"$version"
version4=$major.${minor:-0}.${patch:-0}.${tweak:-0}
expect_eq "installer numeric version" "fixed_version=$version4" "$(grep '^fixed_version=' <<<"$facts")"
installer_files "$installer" >/dev/null
expect_eq "installer kind" "SubType = NSIS-3 Unicode" "$(grep '^SubType = ' "$work/listing")"
echo "ok: the installer is a 32-bit Unicode NSIS installer of version $version"

# The zip: one folder, the program, the help file and the songs side by side.
mapfile -t entries < <("$python" "$here/read_package.py" zip "$zip")
[[ ${#entries[@]} -gt 0 ]] || fail "cannot read $zip"
for entry in "${entries[@]}"; do
  name=${entry%$'\t'*}
  [[ $name != *[![:ascii:]]* || $entry == *utf8=1 ]] || fail "the name $name is not flagged as UTF-8"
done
songs=$(zip_names "$zip" | sed -n 's|^Otopicco/music/\(..*\)$|\1|p')
[[ -n $songs ]] || fail "no songs in the zip"
expected=$( { printf '%s\n' Otopicco/ Otopicco/ReadMe_sapi.txt Otopicco/music/ Otopicco/otopicco.exe
  sed 's|^|Otopicco/music/|' <<<"$songs"; } | LC_ALL=C sort)
expect_eq "zip layout" "$expected" "$(zip_names "$zip")"
unzip -q "$zip" -d "$work/zip" || fail "unzip cannot unpack $zip"
folder=$work/zip/Otopicco
facts=$(pe "$folder/otopicco.exe")
expect_eq "program machine" "machine=i386" "$(grep '^machine=' <<<"$facts")"
expect_eq "program version" "ProductVersion=$version" "$(grep '^ProductVersion=' <<<"$facts")"
expect_eq "program numeric version" "fixed_version=$version4" "$(grep '^fixed_version=' <<<"$facts")"
while IFS= read -r song; do
  length=$(soxi -D "$folder/music/$song" 2>/dev/null) || fail "$song is no MP3 that sox can read"
  awk -v l="$length" 'BEGIN { exit !(l >= 1) }' || fail "$song lasts only $length s"
done <<<"$songs"
help=$folder/ReadMe_sapi.txt
text=$(iconv -f CP932 -t UTF-8 "$help") || fail "the help file is not Shift-JIS"
expect_eq "lines ending without CR" 0 "$(grep -c $'[^\r]$\\|^$' "$help")"
expect_eq "help text" "$(cat "$repo/assets/ReadMe_sapi.utf8.txt")" "$(tr -d '\r' <<<"$text")"
echo "ok: the zip holds Otopicco/ with the 32-bit program, the Shift-JIS help file and $(wc -l <<<"$songs") songs"

# The installer carries the same program, help file and songs.
extracted=$work/installer
7zz x -o"$extracted" "$installer" >/dev/null || fail "7-Zip cannot unpack $installer"
expect_eq "installer's files" "$(printf '%s\n' ReadMe_sapi.txt ReadMe_sapi.txt otopicco.exe uninstall.exe \
  "$(sed 's|^|music/|' <<<"$songs")" | LC_ALL=C sort)" "$(installer_files "$installer")"
cmp -s "$extracted/otopicco.exe" "$folder/otopicco.exe" || fail "the installer's program differs from the zip's"
cmp -s "$extracted/ReadMe_sapi.txt" "$help" || fail "the installer's help file differs from the zip's"
while IFS= read -r song; do
  cmp -s "$extracted"/*/music/"$song" "$folder/music/$song" || fail "the installer's $song differs from the zip's"
done <<<"$songs"
echo "ok: the installer carries the zip's program, help file and songs"

# What the Wine tests run is laid out exactly like what ships.
expect_eq "64-bit twin zip layout" "$(zip_names "$zip")" "$(zip_names "$OTOPICCO_PORTABLE_ZIP")"
expect_eq "64-bit twin installer's files" "$(installer_files "$installer")" "$(installer_files "$OTOPICCO_INSTALLER")"
expect_eq "64-bit twin installer" "machine=amd64" "$(pe "$OTOPICCO_INSTALLER" | grep '^machine=')"
echo "ok: the 64-bit twins that the Wine tests run hold the same files"
