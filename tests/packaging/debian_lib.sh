# Shared steps of the Debian package tests: failing with the step's name, and the state of a
# folder tree that any change to it alters.

DL_STEP=

dl_fail() {
  echo "FAIL${DL_STEP:+ [$DL_STEP]}: $*" >&2
  exit 1
}

dl_pass() { echo "ok${DL_STEP:+ [$DL_STEP]}: $*"; }

dl_expect_eq() {
  [[ $2 == "$3" ]] || dl_fail "$1: expected [$2], got [$3]"
}

# Changes when any file or folder in the tree is written, renamed, touched or removed.
dl_folder_state() {
  (cd "$1" && find . -print0 | sort -z | xargs -0 stat -c '%n %s %Y %a %F %U' &&
    find . -type f -print0 | sort -z | xargs -0 -r sha256sum)
}
