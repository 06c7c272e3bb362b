// Real MP3 songs for tests, made at test time: a sine tone through sox, encoded by lame.
#pragma once

#include <cstdlib>
#include <stdexcept>
#include <string>

namespace linux_tests {

// Writes an MP3 of `seconds` of a `hertz` tone at `path` (a path without quotes).
inline void MakeToneMp3(const std::string& path, double seconds, int hertz = 440) {
  const std::string command = "sox -q -n -r 44100 -c 1 -b 16 -t wav - synth " +
                              std::to_string(seconds) + " sine " + std::to_string(hertz) +
                              " vol 0.5 | lame --quiet -b 64 - '" + path + "'";
  if (std::system(command.c_str()) != 0) throw std::runtime_error("cannot make " + path);
}

}  // namespace linux_tests
