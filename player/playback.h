// The path a song is played from and the message for a song that cannot be played.
#pragma once

#include <string>

#include "platform/text.h"

namespace player {

// folder + "\" + file name, exactly one backslash inserted whatever the folder ends with.
platform::PathName SongPath(const platform::PathName& folder, const platform::PathName& file);

// "musicフォルダ内に", two line breaks, the file name, " がありません。" — it names the music
// folder whichever folder the song came from.
std::string NotFoundMessage(const std::string& file_name);

}  // namespace player
