# Helpers of the Linux benchmarks (tests/bench/linux_*.sh): working folders for the player and
# the machine's load beside each figure. Source it; nothing runs on load.
BENCH_REPO=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

# Twenty titles as a teacher names songs, kanji and kana (the announcement reads each).
BENCH_TITLES=(東京の夜空 さくらさくら かえるのうた ふるさと どんぐりころころ きらきらぼし 森のくまさん
  赤とんぼ 七つの子 春が来た うみ たなばたさま チューリップ ぶんぶんぶん 大きな栗の木の下で
  むすんでひらいて しゃぼん玉 雪 夕焼け小焼け こいのぼり)

# bench_tone FILE SECONDS   a 440 Hz tone as an MP3, loud from its first sample
bench_tone() {
  sox -q -n -r 44100 -c 1 -b 16 "$1.wav" synth "$2" sine 440 vol 0.5
  lame --quiet -b 64 "$1.wav" "$1"
  rm -f "$1.wav"
}

# bench_folder DIR SECONDS NAME...   a working folder: music/NAME.mp3 (each a tone of SECONDS)
# and the help file, so the player starts without a message box
bench_folder() {
  local dir=$1 seconds=$2 name
  shift 2
  mkdir -p "$dir/music"
  bench_tone "$dir/tone.mp3" "$seconds"
  for name in "$@"; do cp "$dir/tone.mp3" "$dir/music/$name.mp3"; done
  rm -f "$dir/tone.mp3"
  iconv -f UTF-8 -t CP932 "$BENCH_REPO/assets/ReadMe_sapi.utf8.txt" | sed 's/\r$//; s/$/\r/' \
    >"$dir/ReadMe_sapi.txt"
}

bench_load() { echo "  (load average while measuring: $(cut -d' ' -f1-3 /proc/loadavg), $(nproc) cores)"; }
