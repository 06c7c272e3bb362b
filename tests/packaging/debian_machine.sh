# The machine side of the install test: root for apt and dpkg, one test at a time on a machine,
# and the machine left as the test found it, even after a run that was killed. Sourced by
# debian_install.sh after debian_lib.sh.
#
# What a run changes is written down in DM_STATE before it is changed: the package it installs,
# the packages apt brings in with it, and a voice configuration of the machine's own that the
# package's would replace. dm_restore undoes exactly that; a run that finds the notes of an
# earlier one undoes those first.

DM_STATE=/var/lib/otopicco-package-test
DM_LOCK=/run/lock/otopicco-package-test.lock
DM_VOICE_CONF=/etc/speech-dispatcher/modules/openjtalk-generic.conf
DM_APT=(env DEBIAN_FRONTEND=noninteractive apt-get -y -q -o DPkg::Lock::Timeout=600)
DM_ROOT=()

# Exits 77 (skipped) unless this run may change the machine: as root, or with
# OTOPICCO_PACKAGE_TESTS=1 (then through sudo when not root); OTOPICCO_PACKAGE_TESTS=0 never.
dm_require_permission() {
  local wanted=${OTOPICCO_PACKAGE_TESTS:-}
  if [[ $wanted == 0 ]]; then
    echo "skipped: OTOPICCO_PACKAGE_TESTS=0"
    exit 77
  fi
  if [[ $(id -u) -ne 0 ]]; then
    if [[ $wanted != 1 ]]; then
      echo "skipped: installs a package into this machine; runs as root or with OTOPICCO_PACKAGE_TESTS=1"
      exit 77
    fi
    sudo -n true 2>/dev/null || dl_fail "OTOPICCO_PACKAGE_TESTS=1 needs root or sudo without a password"
    DM_ROOT=(sudo -n)
  fi
}

dm_installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q ' installed$'; }
# Installed, or removed with its configuration kept.
dm_present() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -qv ' not-installed$'; }

# One package test at a time on this machine: others wait for this one to finish. The lock is
# file descriptor 9: whatever the test starts must not inherit it (start it with 9>&-), or a
# process that outlives the test would hold the lock for good.
dm_lock() {
  exec 9>>"$DM_LOCK" || dl_fail "cannot open $DM_LOCK"
  flock -w 1200 9 || dl_fail "another package test holds $DM_LOCK"
}

dm_restore() {
  local extras=()
  [[ -d $DM_STATE ]] || return 0
  if dm_present otopicco; then
    "${DM_ROOT[@]}" "${DM_APT[@]}" purge otopicco >>"${DM_LOG:-/dev/null}" 2>&1 ||
      echo "cannot purge otopicco: see ${DM_LOG:-apt}" >&2
  fi
  [[ -f $DM_STATE/extras ]] && mapfile -t extras < <(grep . "$DM_STATE/extras")
  if [[ ${#extras[@]} -gt 0 ]]; then
    "${DM_ROOT[@]}" "${DM_APT[@]}" purge "${extras[@]}" >>"${DM_LOG:-/dev/null}" 2>&1 ||
      echo "cannot purge ${extras[*]}: see ${DM_LOG:-apt}" >&2
  fi
  if [[ -f $DM_STATE/saved-voice.conf ]]; then
    "${DM_ROOT[@]}" mv -f "$DM_STATE/saved-voice.conf" "$DM_VOICE_CONF"
  fi
  "${DM_ROOT[@]}" rm -rf "$DM_STATE"
}

# Takes the machine from as it is to PACKAGE installed, noting each change first.
dm_install() {
  local package=$1 extras
  [[ ! -d $DM_STATE ]] || { echo "undoing what an earlier run left"; dm_restore; }
  if dm_present otopicco; then
    echo "skipped: this machine has its own otopicco (installed, or its configuration kept)"
    exit 77
  fi
  "${DM_ROOT[@]}" mkdir -p "$DM_STATE"
  # The development setup's voice configuration (scripts/install-openjtalk-voice.sh --system) is
  # no package's: put aside, dpkg installs the package's own without asking which to keep.
  if [[ -e $DM_VOICE_CONF ]] && ! dpkg-query -S "$DM_VOICE_CONF" >/dev/null 2>&1; then
    "${DM_ROOT[@]}" mv "$DM_VOICE_CONF" "$DM_STATE/saved-voice.conf"
  fi
  extras=$(apt-get -s -q install "$package" 2>>"$DM_LOG" | awk '$1 == "Inst" && $2 != "otopicco" { print $2 }')
  printf '%s' "$extras" | "${DM_ROOT[@]}" tee "$DM_STATE/extras" >/dev/null
  [[ -z $extras ]] || echo "apt brings in, and the test removes again: $extras"
  "${DM_ROOT[@]}" "${DM_APT[@]}" install "$package" >>"$DM_LOG" 2>&1 ||
    dl_fail "apt-get install $package failed: $(tail -n 20 "$DM_LOG")"
}

dm_apt() {
  "${DM_ROOT[@]}" "${DM_APT[@]}" "$@" >>"$DM_LOG" 2>&1 || dl_fail "apt-get $* failed: $(tail -n 20 "$DM_LOG")"
}
