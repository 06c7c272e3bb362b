#!/usr/bin/env bash
# Makes speech-dispatcher offer the Open JTalk voice for Japanese: installs the voice's
# generic-module configuration and the script that speaks (platform/linux/speechd/), for
# developers; the Debian package brings its own.
#
#   scripts/install-openjtalk-voice.sh --system   for every user (root): /usr/local/lib/otopicco
#                                                 and /etc/speech-dispatcher/modules
#   scripts/install-openjtalk-voice.sh --user     for this user only: ~/.local/share/otopicco and
#                                                 ~/.config/speech-dispatcher/modules
#
# speech-dispatcher loads every *-generic.conf of those folders by itself, as long as its
# configuration names no modules (Debian's names none); a user configuration that does name
# them gets an AddModule line, and, so that a screen reader reads Japanese with it too, the
# voice as its default for Japanese. Open JTalk, its dictionary and its voice come from
# scripts/install-deps.sh; where they are missing the module does not load and Japanese falls
# back to espeak-ng. A speech-dispatcher that is running takes the voice when it next starts (it
# stops by itself a few seconds after its last program).
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source_dir=$repo/platform/linux/speechd

case ${1:-} in
  --system)
    lib_dir=/usr/local/lib/otopicco
    modules_dir=/etc/speech-dispatcher/modules
    user_config= ;;
  --user)
    lib_dir=${XDG_DATA_HOME:-$HOME/.local/share}/otopicco
    modules_dir=${XDG_CONFIG_HOME:-$HOME/.config}/speech-dispatcher/modules
    user_config=${XDG_CONFIG_HOME:-$HOME/.config}/speech-dispatcher/speechd.conf ;;
  *)
    echo "usage: $0 --system|--user" >&2
    exit 2 ;;
esac

# Where the otopicco package is installed, its own configuration (a conffile) is the one for
# every user: writing over it would make dpkg ask about it at the next update.
if [[ -z $user_config ]] && dpkg-query -S "$modules_dir/openjtalk-generic.conf" >/dev/null 2>&1; then
  echo "Open JTalk voice for speech-dispatcher: $modules_dir/openjtalk-generic.conf (from the installed package)"
  exit 0
fi

install -d "$lib_dir" "$modules_dir"
install -m 755 "$source_dir/openjtalk-speak" "$lib_dir/openjtalk-speak"
text=$(<"$source_dir/openjtalk-generic.conf.in")
printf '%s\n' "${text//@SPEAK@/$lib_dir/openjtalk-speak}" >"$modules_dir/openjtalk-generic.conf.new"
mv -f "$modules_dir/openjtalk-generic.conf.new" "$modules_dir/openjtalk-generic.conf"

if [[ -n $user_config && -f $user_config ]]; then
  if grep -q '^[[:space:]]*AddModule' "$user_config" &&
    ! grep -q '^[[:space:]]*AddModule[[:space:]]*"openjtalk-generic"' "$user_config"; then
    echo 'AddModule "openjtalk-generic" "sd_generic" "openjtalk-generic.conf"' >>"$user_config"
  fi
  if ! grep -q '^[[:space:]]*LanguageDefaultModule[[:space:]]*"ja"' "$user_config"; then
    echo 'LanguageDefaultModule "ja" "openjtalk-generic"' >>"$user_config"
  fi
fi
echo "Open JTalk voice for speech-dispatcher: $modules_dir/openjtalk-generic.conf"
