// Puts a Japanese voice on a SAPI 5 SpVoice where the system has one, so that song titles in
// kana and kanji are read; the voice keeps the system's default voice otherwise.
#pragma once

#include <windows.h>

#include <sapi.h>

namespace platform::win32 {

// Reads the voice categories and selects the voice that ChooseVoice picks. Nothing here stops
// the program from speaking: a category that cannot be read counts as empty, and a voice that
// cannot be selected leaves the default voice, which still reads numbers and Latin titles.
void SelectJapaneseVoice(ISpVoice& voice);

}  // namespace platform::win32
