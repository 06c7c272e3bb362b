# Start-up failures: a missing music folder (even with one beside the program), a file named
# music, a music folder whose only *.mp3 entry is a directory, an empty music folder. Each shows
# its boxes in order, with the announcement spoken before the error box when the speech control
# exists, and the program then ends with exit code 0 and no window left.
source "$(dirname "$0")/e2e_lib.sh"

# Each case makes its working directory and prints it; the music folder beside the program
# must not count.
missing_folder() {
  mkdir -p "$E2E_CASE_DIR/app/music" "$E2E_CASE_DIR/cwd"
  e2e_songs "$E2E_CASE_DIR/app/music" "beside the program.mp3"
  cp "$E2E_EXE" "$E2E_CASE_DIR/app/$1"
  E2E_CASE_EXE=$E2E_CASE_DIR/app/$1
  E2E_CASE_CWD=$E2E_CASE_DIR/cwd
}
music_is_a_file() {
  E2E_CASE_CWD=$E2E_CASE_DIR/cwd E2E_CASE_EXE=$E2E_EXE
  mkdir -p "$E2E_CASE_CWD"
  cp "$(e2e_tone 440)" "$E2E_CASE_CWD/music"
}
only_a_directory() {
  E2E_CASE_CWD=$E2E_CASE_DIR/cwd E2E_CASE_EXE=$E2E_EXE
  mkdir -p "$E2E_CASE_CWD/music/x.mp3"
  cp "$(e2e_tone 440)" "$E2E_CASE_CWD/music/x.mp3/inside.mp3"
  cp "$(e2e_tone 880)" "$E2E_CASE_CWD/music/song.wav"
}
empty_folder() {
  E2E_CASE_CWD=$E2E_CASE_DIR/cwd E2E_CASE_EXE=$E2E_EXE
  mkdir -p "$E2E_CASE_CWD/music"
}

# with_speech SETUP BOX SPOKEN: the double hears the announcement before the error box shows.
with_speech() {
  local setup=$1 box=$2 spoken=$3
  e2e_case "$setup, speech double"
  $setup otopicco.exe
  e2e_readme "$E2E_CASE_CWD"
  e2e_launch "$E2E_CASE_CWD" "$E2E_CASE_EXE"
  e2e_wait_box
  e2e_expect_speech create "speak${TAB}$spoken"
  e2e_expect_box "エラー" "$box" 1
  e2e_press_box
  e2e_expect_clean_exit
  e2e_expect_speech create "speak${TAB}$spoken" release
  e2e_pass "error box after the announcement, clean exit"
}

# without_speech SETUP BOX EXE_NAME TITLE: the plain box about the missing engine comes first,
# titled after the program file, then the error box; nothing is spoken. These cases have no help
# text either: its error box must not hold up the end of the program.
without_speech() {
  local setup=$1 box=$2 exe_name=$3 title=$4
  e2e_case "$setup, no speech control, $exe_name"
  $setup "$exe_name"
  e2e_launch "$E2E_CASE_CWD" "$E2E_CASE_EXE"
  e2e_expect_box "$title" "$NO_SPEECH_ENGINE" 0
  e2e_press_box
  e2e_expect_box "エラー" "$box" 1
  e2e_press_box
  e2e_expect_clean_exit
  e2e_expect_no_speech_log
  e2e_pass "plain box, then error box, clean exit"
}

e2e_begin speech
with_speech missing_folder "$NO_FOLDER_BOX" "$NO_FOLDER_SPOKEN"
with_speech music_is_a_file "$NO_FOLDER_BOX" "$NO_FOLDER_SPOKEN"
with_speech only_a_directory "$NO_FILES_BOX" "$NO_FILES_SPOKEN"
with_speech empty_folder "$NO_FILES_BOX" "$NO_FILES_SPOKEN"

# A control that exists but cannot be made counts as no control at all.
e2e_case "missing folder, speech control refuses creation"
missing_folder otopicco.exe
export OTOPICCO_SPEECH_FAIL=create
e2e_launch "$E2E_CASE_CWD" "$E2E_CASE_EXE"
e2e_readme "$E2E_CASE_CWD"
e2e_expect_box "otopicco" "$NO_SPEECH_ENGINE" 0
e2e_press_box
e2e_expect_box "エラー" "$NO_FOLDER_BOX" 1
e2e_press_box
e2e_expect_clean_exit
e2e_expect_speech "fail${TAB}create"
e2e_pass "plain box, error box, nothing spoken"

e2e_speech nospeech
# The plain box's title is the program file's name up to its first ".", every character after
# the first in lower case.
without_speech missing_folder "$NO_FOLDER_BOX" OtoPICCO.v2.exe "Otopicco"
without_speech music_is_a_file "$NO_FOLDER_BOX" otopicco.exe "otopicco"
without_speech only_a_directory "$NO_FILES_BOX" otopicco.exe "otopicco"
without_speech empty_folder "$NO_FILES_BOX" otopicco.exe "otopicco"
