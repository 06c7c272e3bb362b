# The player's SAPI 5 voice under Wine, in a test prefix of its own (made once, reused after):
#  1. With the SAPI 4 control's stand-in registered, that control speaks and SpVoice is never made.
#  2. Without it, with the voice stand-in and an English and a Japanese voice token (English
#     listed first), the whole log of a session is exactly: create; a stop request; the Japanese
#     voice; the rate once; song 1's announcement without a stop before it; Down, Down: each
#     announcement after a stop, a title with "<", "&" and "&lt;" as written, never as markup;
#     the not-found message; the version; the goodbye; release.
#  3. A voice that refuses the rate: the default exception box shows the HRESULT with the
#     description, and the player still announces song 1.
#  4. With Wine's own SpVoice (E_NOTIMPL) and no SAPI 4 control: the no-engine box, the player
#     with its buttons, nothing reaches the stand-in.
#  5. Without sapi.dll at all: the program imports nothing from it, and it starts, shows the
#     no-engine box and its buttons.
source "$(dirname "$0")/../../scripts/wine-session.sh"

EXE=${OTOPICCO_EXE:-$WS_REPO/build/win64/otopicco.exe}
TAB=$'\t'
SPEAK="speak${TAB}ASYNC|IS_NOT_XML${TAB}"
STOP="speak${TAB}PURGEBEFORESPEAK"
CASE=
CASE_COUNT=0
VOICE_LOG= SPEECH_LOG=

fail() {
  echo "FAIL${CASE:+ [$CASE]}: $*" >&2
  local log
  for log in "$VOICE_LOG" "$SPEECH_LOG" "$WS_DIR/program.log"; do
    [[ -s $log ]] && { echo "--- $log" >&2; cat "$log" >&2; }
  done
  ws_screenshot "$WS_DIR/failure.png" && echo "screenshot: $WS_DIR/failure.png" >&2
  exit 1
}

expect_eq() { [[ $2 == "$3" ]] || fail "$1: expected [$2], got [$3]"; }

# A fresh folder with these (empty) song files and a help file, and fresh logs for both stand-ins;
# `launch` then starts the player in it.
begin_case() {
  CASE=$1
  shift
  CASE_DIR=$WS_DIR/case-$((++CASE_COUNT))
  mkdir -p "$CASE_DIR/music"
  local name
  for name in "$@"; do : >"$CASE_DIR/music/$name"; done
  printf 'help\r\n' >"$CASE_DIR/ReadMe_sapi.txt"
  VOICE_LOG=$CASE_DIR/voice.log SPEECH_LOG=$CASE_DIR/speech.log
  export OTOPICCO_VOICE_LOG OTOPICCO_SPEECH_LOG
  OTOPICCO_VOICE_LOG=$(ws_winpath "$VOICE_LOG")
  OTOPICCO_SPEECH_LOG=$(ws_winpath "$SPEECH_LOG")
  unset OTOPICCO_VOICE_FAIL
}
launch() { ws_launch "$CASE_DIR" "$EXE"; }

events() { [[ -f $1 ]] && cut -f3- "$1"; }
logged() { events "$1" | grep -qF -- "$2"; }
wait_logged() { ws_wait 20 "[$2] in $1" logged "$1" "$2" || fail "never logged: [$2]"; }

box_shown() {
  BOX=$(ws_probe boxes | grep "${TAB}exe=otopicco.exe\$" | head -n 1)
  [[ -n $BOX ]]
}
box_gone() { ! ws_probe boxes | grep -q "hwnd=$1${TAB}"; }

# expect_box TITLE TEXT: the box shown now, which OK then closes.
expect_box() {
  ws_wait 20 "a message box" box_shown || fail "no message box appeared"
  expect_eq "box title" "$1" "$(ws_field title "$BOX")"
  expect_eq "box text" "$2" "$(ws_field text "$BOX")"
  local hwnd
  hwnd=$(ws_field hwnd "$BOX")
  ws_probe press "$hwnd" >/dev/null || fail "cannot press OK"
  ws_wait 10 "the box to close" box_gone "$hwnd" || fail "the box stayed after OK"
}

main_shown() {
  MAIN=$(ws_probe windows | grep "${TAB}exe=otopicco.exe\$" | grep "${TAB}visible=1${TAB}" |
    grep -v -e "${TAB}class=#32770${TAB}" -e "${TAB}class=IME${TAB}" | head -n 1)
  [[ -n $MAIN ]] && [[ $(ws_probe children "$(ws_field hwnd "$MAIN")" | grep -c "${TAB}class=Button${TAB}") == "$1" ]]
}
wait_main() { ws_wait 30 "the player with $1 song buttons" main_shown "$1" || fail "no player window with $1 song buttons"; }

active() { [[ $(ws_field active "$(ws_probe focus "$(ws_field hwnd "$MAIN")")") == "$1" ]]; }
popup_shown() { ws_probe windows | grep "${TAB}class=#32768${TAB}" | grep -q "${TAB}visible=1${TAB}"; }

close_and_wait_exit() {
  ws_wait 10 "the close request" ws_probe close "$(ws_field hwnd "$MAIN")" >/dev/null || fail "cannot close the player"
  wait_exit
}
wait_exit() {
  ws_program_wait_exit 20 || fail "the player did not end"
  expect_eq "exit code" 0 "$WS_PROGRAM_RC"
}

# The announcement "N title" of song N, read from the log once it came.
announced() { events "$VOICE_LOG" | grep -m1 "^${SPEAK}$1 " | cut -f3-; }
wait_announced() { ws_wait 20 "song $1's announcement" eval '[[ -n $(announced '"$1"') ]]' || fail "song $1 was not announced"; }

ws_start
[[ -f $WS_PREFIX/$WS_TEST_MARK ]] || ws_prefix_create --for-tests || fail "cannot make the Wine prefix"
# Whatever happens, the prefix is left with Wine's own SpVoice and without the test's voices.
trap 'rc=$?; ws_voice_unregister; ws_voice_tokens_remove; (exit $rc); ws_stop' EXIT
ws_voice_tokens_add || fail "cannot add the voice tokens"
# Wine's output goes to files: a reader of a pipe could wait for Wine's services forever.
wine reg query "$WS_VOICE_TOKENS" >"$WS_DIR/tokens.txt" 2>>"$WS_DIR/wine.log"
tokens=$(tr -d '\r' <"$WS_DIR/tokens.txt" | grep -o -e "$WS_VOICE_TOKEN_EN\$" -e "$WS_VOICE_TOKEN_JA\$")
expect_eq "voice tokens in the category's order" "$WS_VOICE_TOKEN_EN"$'\n'"$WS_VOICE_TOKEN_JA" "$tokens"

ws_speech_register || fail "cannot register the SAPI 4 stand-in"
ws_voice_register || fail "cannot register the voice stand-in"
begin_case "SAPI 4 control present" one.mp3 two.mp3
launch
wait_main 2
wait_logged "$SPEECH_LOG" "speak${TAB}1 "
close_and_wait_exit
expect_eq "SAPI 4 speed" "speed${TAB}160" "$(events "$SPEECH_LOG" | grep '^speed')"
[[ ! -e $VOICE_LOG ]] || fail "SpVoice was made although the SAPI 4 control speaks"
echo "ok [$CASE]: the SAPI 4 control speaks, SpVoice is never made"

ws_speech_unregister
begin_case "SAPI 5 voice" one.mp3 "<two> & &lt;.mp3" three.mp3
launch
wait_main 3
wait_announced 1
ws_wait 15 "the player active" active "$(ws_field hwnd "$MAIN")" || fail "the player did not become active"
ws_key Down
wait_announced 2
ws_key Down
wait_announced 3
titles=$(for n in 1 2 3; do announced "$n" | cut -d' ' -f2-; done | sort)
expect_eq "announced titles" "$(printf '%s\n' '<two> & &lt;' one three | sort)" "$titles"
# Song 3's file goes: Enter reports it aloud and in the error box.
gone=$(announced 3 | cut -d' ' -f2-).mp3
rm "$CASE_DIR/music/$gone"
ws_key Return
not_found="musicフォルダ内に\\r\\n\\r\\n$gone がありません。"
expect_box "エラー" "$not_found"
ws_wait 15 "the player active" active "$(ws_field hwnd "$MAIN")" || fail "the player is not active after the box"
ws_key alt+h
ws_wait 10 "the Help menu" popup_shown || fail "Alt+H opened no menu"
ws_key Down Return
expect_box otopicco 'Otopicco♪ Ver2.1\r\r　　  By Otopicco の開発者   09.10.31'
ws_wait 15 "the player active" active "$(ws_field hwnd "$MAIN")" || fail "the player is not active after the version"
numlockx on || fail "numlockx on failed"
ws_key KP_Divide
expect_box otopicco "おわります。"
wait_exit
expected=(create "$STOP" "voice${TAB}$WS_VOICE_TOKEN_JA" "rate${TAB}-1" "${SPEAK}$(announced 1)"
  "$STOP" "${SPEAK}$(announced 2)" "$STOP" "${SPEAK}$(announced 3)" "${SPEAK}$not_found"
  "${SPEAK}Otopicco バージョン2.1 By Otopicco の開発者   2009年10月31日"
  "${SPEAK}バイバイ、じゃまたね！えんたーキーをおしてください。おわります。" release)
expect_eq "the voice's whole log" "$(printf '%s\n' "${expected[@]}")" "$(events "$VOICE_LOG")"
[[ ! -e $SPEECH_LOG ]] || fail "the SAPI 4 stand-in was used while unregistered"
echo "ok [$CASE]: Japanese voice, rate -1 once, stops before all but the first announcement, literal texts, released"

begin_case "SAPI 5 voice refuses the rate" one.mp3
export OTOPICCO_VOICE_FAIL=rate
launch
expect_box otopicco "音声合成の速さを設定できませんでした (HRESULT 0x80004005)"
wait_main 1
wait_announced 1
close_and_wait_exit
expect_eq "the voice's log" "$(printf '%s\n' create "$STOP" "voice${TAB}$WS_VOICE_TOKEN_JA" "fail${TAB}rate" \
  "${SPEAK}1 one" release)" "$(events "$VOICE_LOG")"
echo "ok [$CASE]: the exception box with HRESULT and description, then song 1 announced"

ws_voice_unregister
begin_case "Wine's own SpVoice" one.mp3 two.mp3
launch
expect_box otopicco "対応している音声合成エンジンがありません。"
wait_main 2
close_and_wait_exit
[[ ! -e $VOICE_LOG && ! -e $SPEECH_LOG ]] || fail "a stand-in was used"
echo "ok [$CASE]: the no-engine box, the player with its buttons, nothing spoken"

begin_case "no sapi.dll" one.mp3
imports=$(x86_64-w64-mingw32-objdump -p "$EXE" | sed -n 's/^\tDLL Name: //p' | tr 'A-Z' 'a-z')
[[ -n $imports && $imports != *sapi* ]] || fail "the program imports [$imports]"
WINEDLLOVERRIDES="$WINEDLLOVERRIDES;sapi=" launch
expect_box otopicco "対応している音声合成エンジンがありません。"
wait_main 1
close_and_wait_exit
echo "ok [$CASE]: imports only $(echo $imports), starts and says there is no engine"
