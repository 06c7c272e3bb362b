#!/usr/bin/env bash
# Installs the Debian packages that building, packaging, testing and the demo need, and only
# those missing; then makes speech-dispatcher offer the Open JTalk voice for Japanese.
# Needs root, or sudo for a normal user. 64-bit Wine only: the i386 architecture is never added.
#
#   scripts/install-deps.sh             install what is missing
#   scripts/install-deps.sh --dry-run   show what apt would do, change nothing
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

packages=(
  cmake ninja-build g++ pkg-config googletest libgtest-dev libgmock-dev libbenchmark-dev # native build, tests
  g++-mingw-w64-i686 g++-mingw-w64-x86-64                                      # the Windows builds
  wine wine64 fonts-wine fonts-ipafont-gothic                                  # running them
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good                          # MP3 playback (Wine's too)
  qt6-base-dev libgstreamer1.0-dev libgstreamer-plugins-base1.0-dev libspeechd-dev # native program
  speech-dispatcher speech-dispatcher-espeak-ng espeak-ng                      # speech
  open-jtalk open-jtalk-mecab-naist-jdic                                       # Japanese with kanji
  xvfb xauth xdotool numlockx x11-utils imagemagick                            # a screen to test on
  dbus dbus-x11 at-spi2-core                                                   # session bus, screen readers
  pulseaudio pulseaudio-utils                                                  # a sound output
  sox libsox-fmt-mp3 lame python3                                              # songs, measuring sound
  qt6-base-dev libcanberra-dev libcanberra-pulse sound-theme-freedesktop       # Linux windows, alert
  libfontconfig-dev                                                            # fonts read early
  qt6-wayland                                                                  # the demo on Wayland
  libxtst-dev                                                                  # benchmarks' keys
  libx11-dev                                                                   # key repeats on X11
  dbus-daemon libglib2.0-bin python3-pyatspi gir1.2-atspi-2.0                  # screen reader checks
  nsis unzip 7zip python3-pefile                                               # the packages, their tests
  python3-pytest python3-numpy                                                 # the scenario suite
  util-linux e2fsprogs                                                         # the scenarios' read-only folders, as a user
  libxres1                                                                     # the soak's X resources
  dpkg-dev lintian desktop-file-utils                                          # the Debian package, its tests
  qt6-qpa-plugins                                                              # what the package depends on
  clang libclang-rt-dev                                                        # fuzzing (libFuzzer)
)
# Open JTalk's voice is in Debian's "contrib" section, which many machines do not list. It is
# fetched alone through a private source list rather than by adding contrib to the machine's
# sources: the machine's package sources stay as their owner set them, and no other contrib
# package becomes installable by accident. The voice is data that never needs updates.
contrib_voice=hts-voice-nitech-jp-atr503-m001

dry_run=0
[[ ${1:-} == --dry-run ]] && dry_run=1

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

if [[ $(id -u) -eq 0 ]]; then
  as_root=()
elif command -v sudo >/dev/null; then
  as_root=(sudo)
elif ((dry_run)); then
  as_root=()
else
  as_root=(false)
fi

# The mirror the machine takes Debian from (a school's own mirror or proxy too), for contrib.
debian_mirror() {
  local codename=$1 uri
  uri=$(apt-get indextargets --format '$(REPO_URI)' 'Identifier: Packages' "Codename: $codename" \
    'Component: main' 'Origin: Debian' 2>/dev/null | head -n 1)
  echo "${uri:-http://deb.debian.org/debian/}"
}

# Fetches and installs the contrib voice through a source list of its own in a scratch folder.
install_contrib_voice() {
  local codename work
  codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-bookworm}")
  work=$(mktemp -d)
  chmod 755 "$work"  # apt's download user must reach it
  mkdir -p "$work/lists/partial" "$work/archives/partial" "$work/sources.list.d"
  echo "deb [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $(debian_mirror "$codename") $codename contrib" \
    >"$work/sources.list"
  local private=(-o "Dir::Etc::SourceList=$work/sources.list" -o "Dir::Etc::SourceParts=$work/sources.list.d"
    -o "Dir::State::Lists=$work/lists" -o "Dir::Cache::Archives=$work/archives"
    -o "Dir::Cache::pkgcache=" -o "Dir::Cache::srcpkgcache=")
  local status=0
  "${as_root[@]}" apt-get "${private[@]}" -q update >/dev/null &&
    if ((dry_run)); then
      apt-cache "${private[@]}" policy "$contrib_voice"
    else
      (cd "$work" && "${as_root[@]}" apt-get "${private[@]}" -q download "$contrib_voice") &&
        "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "$work/$contrib_voice"_*.deb
    fi || status=$?
  "${as_root[@]}" rm -rf "$work"
  return $status
}

if ((dry_run)); then
  apt-get install -s "${packages[@]}"
  install_contrib_voice
  exit 0
fi

missing=()
for package in "${packages[@]}"; do
  installed "$package" || missing+=("$package")
done
if [[ ${#missing[@]} -gt 0 ]] || ! installed "$contrib_voice"; then
  if [[ ${as_root[*]} == false ]]; then
    echo "$0: these packages are missing and installing them needs root or sudo: ${missing[*]} $contrib_voice" >&2
    exit 1
  fi
  # A mirror with a broken index makes `apt-get update` fail although everything else resolves:
  # carry on, and let the install below decide.
  if ! "${as_root[@]}" apt-get update; then
    echo "$0: apt-get update reported a failure; trying the install anyway" >&2
  fi
  if [[ ${#missing[@]} -gt 0 ]]; then
    echo "installing: ${missing[*]}"
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
  fi
  if ! installed "$contrib_voice"; then
    echo "installing: $contrib_voice (Debian contrib)"
    if apt-cache policy "$contrib_voice" 2>/dev/null | grep -q 'Candidate: [0-9]'; then
      # The machine's own sources have it (contrib listed, or a derivative that carries it).
      "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "$contrib_voice"
    elif ! install_contrib_voice; then
      echo "$0: could not install $contrib_voice; Japanese will be read by espeak-ng (kana only)" >&2
    fi
  fi
fi

# The voice's configuration for every user; quick, and kept up to date with the repository.
if [[ ${as_root[*]} != false ]]; then
  "${as_root[@]}" "$repo/scripts/install-openjtalk-voice.sh" --system >/dev/null
fi
