// The message for a song that cannot be played.
#pragma once

#include <string>

namespace player {

// "musicフォルダ内に", two line breaks, the file name, " がありません。" — it names the music
// folder whichever folder the song came from.
std::string NotFoundMessage(const std::string& file_name);

}  // namespace player
