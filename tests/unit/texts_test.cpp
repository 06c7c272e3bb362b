// The Shift-JIS texts of the program are the Japanese texts they stand for, byte for byte.
#include <gtest/gtest.h>

#include "player/texts.h"
#include "tests/doubles/utf.h"

using doubles::Sjis;

TEST(Texts, MessagesAreTheShiftJisOfTheirJapanese) {
  EXPECT_EQ(texts::kPlayerCaption, Sjis("Otopicco♪"));
  EXPECT_EQ(texts::kErrorTitle, Sjis("エラー"));
  EXPECT_EQ(texts::kNoSpeechEngine, Sjis("対応している音声合成エンジンがありません。"));
  EXPECT_EQ(texts::kNoMusicFolder, Sjis("musicフォルダがありません。終了します。"));
  EXPECT_EQ(texts::kNoMp3InMusic, Sjis("musicフォルダにmp3ファイルがありません。終了します。"));
  EXPECT_EQ(texts::kGoodbye, Sjis("おわります。"));
  EXPECT_EQ(texts::kNoMp3Found, Sjis("mp3ファイルがみつかりません。"));
  EXPECT_EQ(texts::kUiFont, Sjis("ＭＳ Ｐゴシック"));
  EXPECT_EQ(texts::kSongButtonFont, Sjis("ＭＳ ゴシック"));
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
