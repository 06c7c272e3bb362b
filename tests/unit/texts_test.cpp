// The Shift-JIS texts of the program are the Japanese texts they stand for, byte for byte, and
// the generated sources still say what their sources say.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "help/help_text.h"
#include "player/texts.h"
#include "tests/doubles/utf.h"

using doubles::Sjis;

namespace {

std::vector<std::string> SourceLines(const std::string& path) {
  std::ifstream file(std::string(OTOPICCO_SOURCE_DIR) + "/" + path, std::ios::binary);
  EXPECT_TRUE(file.good()) << path;
  std::vector<std::string> lines;
  for (std::string line; std::getline(file, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The bytes of a run of adjacent narrow string literals ("..." "..."), as the compiler reads them.
std::string DecodeLiterals(const std::string& code) {
  std::string bytes;
  bool inside = false;
  for (size_t i = 0; i < code.size(); ++i) {
    const char c = code[i];
    if (!inside) {
      if (c == '"') inside = true;
      continue;
    }
    if (c == '"') {
      inside = false;
    } else if (c != '\\') {
      bytes += c;
    } else {
      const char e = code[++i];
      if (e == 'x') {
        int value = 0;
        while (i + 1 < code.size() && HexValue(code[i + 1]) >= 0) value = value * 16 + HexValue(code[++i]);
        bytes += static_cast<char>(value);
      } else {
        const std::map<char, char> simple{{'r', '\r'}, {'n', '\n'}, {'\\', '\\'}, {'"', '"'}};
        EXPECT_TRUE(simple.count(e)) << "unexpected escape \\" << e;
        bytes += simple.count(e) ? simple.at(e) : '?';
      }
    }
  }
  return bytes;
}

// The sections of a help text by their "[...]" heading, each with its lines up to the next one
// (blank lines at the end left out); the title line under "title".
std::map<std::string, std::vector<std::string>> Sections(const std::vector<std::string>& lines) {
  std::map<std::string, std::vector<std::string>> sections;
  if (!lines.empty()) sections["title"] = {lines[0]};
  std::string current;
  for (const std::string& line : lines) {
    if (line.size() > 2 && line.front() == '[' && line.back() == ']') {
      current = line;
      sections[current];
    } else if (!current.empty()) {
      sections[current].push_back(line);
    }
  }
  for (auto& [heading, body] : sections)
    while (!body.empty() && body.back().empty()) body.pop_back();
  return sections;
}

}  // namespace

TEST(Texts, MessagesAreTheShiftJisOfTheirJapanese) {
  EXPECT_EQ(texts::kPlayerCaption, Sjis("Otopicco♪"));
  EXPECT_EQ(texts::kErrorTitle, Sjis("エラー"));
  EXPECT_EQ(texts::kNoSpeechEngine, Sjis("対応している音声合成エンジンがありません。"));
  EXPECT_EQ(texts::kNoMusicFolder, Sjis("musicフォルダがありません。終了します。"));
  EXPECT_EQ(texts::kNoMp3InMusic, Sjis("musicフォルダにmp3ファイルがありません。終了します。"));
  EXPECT_EQ(texts::kGoodbye, Sjis("おわります。"));
  EXPECT_EQ(texts::kNoMp3Found, Sjis("mp3ファイルがみつかりません。"));
}

TEST(Texts, MenuCaptionsKeepTheirAccessKeys) {
  EXPECT_EQ(texts::kMenuFile, Sjis("ファイル(&F)"));
  EXPECT_EQ(texts::kMenuChooseFolder, Sjis("フォルダを指定...(&O)"));
  EXPECT_EQ(texts::kMenuStop, Sjis("停止(&S)"));
  EXPECT_EQ(texts::kMenuExit, Sjis("終了(&X)"));
  EXPECT_EQ(texts::kMenuHelp, Sjis("ヘルプ(&H)"));
  EXPECT_EQ(texts::kMenuHelpWindow, Sjis("ヘルプ...(&A)"));
  EXPECT_EQ(texts::kMenuVersion, Sjis("バージョン情報..."));
}

TEST(Texts, DialogCaptions) {
  EXPECT_EQ(texts::kHelpCaption, Sjis("ヘルプ"));
  EXPECT_EQ(texts::kHelpClose, Sjis("おわる"));
  EXPECT_EQ(texts::kFolderCaption, Sjis("フォルダの選択"));
  EXPECT_EQ(texts::kDesktopButton, Sjis("デスクットプ"));
  EXPECT_EQ(texts::kOkButton, Sjis("ＯＫ"));
  EXPECT_EQ(texts::kCancelButton, Sjis("キャンセル"));
}

TEST(Texts, NotFoundPiecesHaveTheirByteLengths) {
  EXPECT_EQ(std::string(texts::kNotFoundHead).size(), 21u);
  EXPECT_EQ(std::string(texts::kNotFoundHead), Sjis("musicフォルダ内に") + "\r\n\r\n");
  EXPECT_EQ(std::string(texts::kNotFoundTail).size(), 15u);
  EXPECT_EQ(std::string(texts::kNotFoundTail), Sjis(" がありません。"));
}

// texts.h is written by scripts/sjis-literal.py: each literal under the text it was made from.
TEST(GeneratedSources, EveryTextOfTextsHIsTheShiftJisOfTheLineAboveIt) {
  const std::vector<std::string> lines = SourceLines("player/texts.h");
  const std::string declaration = "inline constexpr char k";
  int checked = 0;
  for (size_t i = 1; i < lines.size(); ++i) {
    const size_t at = lines[i].find(declaration);
    if (at == std::string::npos) continue;
    const std::string name = lines[i].substr(at + declaration.size() - 1, lines[i].find('[') - at - declaration.size() + 1);
    std::string code = lines[i].substr(lines[i].find('='));
    if (code.find(';') == std::string::npos && i + 1 < lines.size()) code += lines[i + 1];
    ASSERT_EQ(lines[i - 1].rfind("// ", 0), 0u) << name << " has no text above it";
    std::string text = lines[i - 1].substr(3);
    for (size_t pos; (pos = text.find("\\r\\n")) != std::string::npos;) text.replace(pos, 4, "\r\n");
    EXPECT_EQ(DecodeLiterals(code), Sjis(text)) << name;
    ++checked;
  }
  EXPECT_GE(checked, 25);
}

// help_text.cpp is written by scripts/make-help-text.py from help/builtin_help.utf8.txt.
TEST(GeneratedSources, TheBuiltInHelpIsItsTextFileLineByLine) {
  const std::vector<std::string> source = SourceLines("help/builtin_help.utf8.txt");
  const std::vector<std::string> built_in = help::BuiltInHelpText();
  ASSERT_EQ(built_in.size(), source.size());
  for (size_t i = 0; i < source.size(); ++i) EXPECT_EQ(built_in[i], Sjis(source[i])) << "line " << i + 1;
}

// The built-in help stands in for ReadMe_sapi.txt when that cannot be read: where both tell how
// the program is used they say the same. The greeting, the plans and the change history may
// differ, so a release can extend its ReadMe without a new program.
TEST(GeneratedSources, TheBuiltInHelpAndTheReadMeAgreeOnHowTheProgramIsUsed) {
  std::vector<std::string> readme;
  for (const std::string& line : SourceLines("assets/ReadMe_sapi.utf8.txt")) readme.push_back(Sjis(line));
  const auto shipped = Sections(readme);
  const auto built_in = Sections(help::BuiltInHelpText());
  for (const char* heading : {"title", "[使い方]", "[注意]", "[曲や朗読の変更]", "[音声化]", "[外部入力]", "[その他]"}) {
    const std::string key = heading == std::string("title") ? heading : Sjis(heading);
    ASSERT_TRUE(shipped.count(key)) << heading << " missing in the ReadMe";
    ASSERT_TRUE(built_in.count(key)) << heading << " missing in the built-in help";
    EXPECT_EQ(built_in.at(key), shipped.at(key)) << heading;
  }
}
