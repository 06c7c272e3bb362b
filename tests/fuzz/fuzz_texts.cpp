// The texts made from a file name, whatever its bytes: the song button's caption and title
// field, the announcement, the not-found message; and the application title and the exception
// box's text made from any program name or message.
//
// Input: the song index (first byte), then the name (the rest), also taken as program name and
// as message.
#include <algorithm>
#include <string>

#include "app/exception_box.h"
#include "player/announcement.h"
#include "player/message_boxes.h"
#include "player/playback.h"
#include "player/sjis.h"
#include "player/song_list.h"
#include "player/texts.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

constexpr size_t kFieldBytes = 20;

bool StartsWith(const std::string& text, const std::string& head) {
  return text.size() >= head.size() && text.compare(0, head.size(), head) == 0;
}

bool EndsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() &&
         text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

void CheckTitleAndCaption(int index, const std::string& name) {
  const std::string title = player::TitleOf(name);
  FUZZ_CHECK(StartsWith(name, title), "a title is the start of its file name");
  FUZZ_CHECK(title.size() == (name.size() > 4 ? name.size() - 4 : 0),
             "a title is its file name less the last four bytes");

  const std::string field = player::TitleField(title);
  if (title.empty()) {
    FUZZ_CHECK(field == std::string(kFieldBytes - 1, ' '), "an empty title shows 19 blanks");
  } else {
    FUZZ_CHECK(field.size() == kFieldBytes, "a title field is exactly 20 bytes");
    const size_t shown = std::min(title.size(), kFieldBytes);
    FUZZ_CHECK(field.compare(0, shown, title, 0, shown) == 0,
               "a title field starts with the title");
    FUZZ_CHECK(field.find_first_not_of(' ', shown) == std::string::npos,
               "a title field is padded with blanks only");
  }

  // " N " and the field: the number without leading zeros.
  const std::string caption = player::SongCaption(index, name);
  const std::string number = " " + std::to_string(index + 1) + " ";
  FUZZ_CHECK(StartsWith(caption, number), "a caption starts with a blank, the number and a blank");
  FUZZ_CHECK(caption.substr(number.size()) == field, "a caption ends in the title field");
  FUZZ_CHECK(caption.size() <= number.size() + kFieldBytes, "a caption is never longer");
}

void CheckAnnouncement(int index, const std::string& name) {
  const std::string text = player::AnnouncementText(index, name);
  const std::string number = std::to_string(index + 1) + " ";
  FUZZ_CHECK(StartsWith(text, number), "an announcement starts with the number and one blank");
  FUZZ_CHECK(text.substr(number.size()) == player::TitleOf(name),
             "an announcement speaks the whole title, never cut or padded");
}

void CheckNotFound(const std::string& name) {
  const std::string message = player::NotFoundMessage(name);
  const std::string head = texts::kNotFoundHead, tail = texts::kNotFoundTail;
  FUZZ_CHECK(StartsWith(message, head) && EndsWith(message, tail),
             "the not-found message names the music folder and ends in its tail");
  FUZZ_CHECK(message.size() == head.size() + name.size() + tail.size() &&
                 message.compare(head.size(), name.size(), name) == 0,
             "the not-found message holds the whole file name between its pieces");
}

void CheckApplicationTitle(const std::string& program) {
  const std::string title = player::ApplicationTitle(program);
  FUZZ_CHECK(title.size() == std::min(program.find('.'), program.size()),
             "the application title is the program name up to its first dot");
  bool second_byte = false;
  for (size_t i = 0; i < title.size(); ++i) {
    const char was = program[i], is = title[i];
    const bool lowered = i > 0 && !second_byte && was >= 'A' && was <= 'Z';
    FUZZ_CHECK(is == (lowered ? static_cast<char>(was - 'A' + 'a') : was),
               "only single-byte capitals after the first character are lowered");
    second_byte = !second_byte && player::IsSjisLeadByte(static_cast<unsigned char>(was));
  }
  FUZZ_CHECK(player::ApplicationTitle(title) == title, "an application title is its own title");
}

void CheckExceptionBox(const std::string& message) {
  const std::string text = app::ExceptionBoxText(message);
  const bool full_stop = !message.empty() && static_cast<unsigned char>(message.back()) >
                                                 static_cast<unsigned char>('.');
  FUZZ_CHECK(text == (full_stop ? message + "." : message),
             "the box shows the message, with a full stop after a character that sorts after one");
  FUZZ_CHECK(app::ExceptionBoxText(text) == text, "a box's text gets no second full stop");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::ByteReader input(data, size);
  const int index = input.Byte();
  const std::string name = input.Rest();
  CheckTitleAndCaption(index, name);
  CheckAnnouncement(index, name);
  CheckNotFound(name);
  CheckApplicationTitle(name);
  CheckExceptionBox(name);
  return 0;
}
