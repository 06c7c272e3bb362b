#!/usr/bin/env bash
# Installs the Debian packages that building, testing and the demo need, and only those missing.
# Needs root, or sudo for a normal user. 64-bit Wine only: the i386 architecture is never added.
set -euo pipefail

packages=(
  cmake ninja-build g++ googletest libgtest-dev libgmock-dev libbenchmark-dev   # native build, tests
  g++-mingw-w64-i686 g++-mingw-w64-x86-64                                      # the Windows builds
  wine wine64 fonts-wine fonts-ipafont-gothic                                  # running them
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good                          # Wine's MP3 playback
  xvfb xauth xdotool numlockx x11-utils imagemagick                            # a screen to test on
  pulseaudio pulseaudio-utils                                                  # a sound output
  sox libsox-fmt-mp3 lame espeak-ng                                            # the demo songs
  python3 python3-pytest python3-numpy                                         # the scenario suite
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
if [[ ${#missing[@]} -eq 0 ]]; then
  exit 0
fi

echo "installing: ${missing[*]}"
if [[ $(id -u) -eq 0 ]]; then
  as_root=()
elif command -v sudo >/dev/null; then
  as_root=(sudo)
else
  echo "$0: these packages are missing and installing them needs root or sudo: ${missing[*]}" >&2
  exit 1
fi

# A mirror with a broken index makes `apt-get update` fail although everything else resolves:
# carry on, and let the install below decide.
if ! "${as_root[@]}" apt-get update; then
  echo "$0: apt-get update reported a failure; trying the install anyway" >&2
fi
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
