// The program's Japanese texts as Shift-JIS bytes, each under its readable form.
// Written by scripts/sjis-literal.py; tests/unit/texts_test.cpp checks them against iconv.
#pragma once

namespace texts {

// The player window
// Otopicco♪
inline constexpr char kPlayerCaption[] = "Otopicco\x81\xf4";
// エラー
inline constexpr char kErrorTitle[] = "\x83G\x83\x89\x81[";

// Start-up
// 対応している音声合成エンジンがありません。
inline constexpr char kNoSpeechEngine[] = "\x91\xce\x89\x9e\x82\xb5\x82\xc4\x82\xa2\x82\xe9\x89\xb9\x90\xba\x8d\x87\x90\xac\x83G\x83\x93\x83W\x83\x93\x82\xaa\x82\xa0\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x81" "B";
// musicフォルダがありません。終了します。
inline constexpr char kNoMusicFolder[] = "music\x83t\x83H\x83\x8b\x83_\x82\xaa\x82\xa0\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x81" "B\x8fI\x97\xb9\x82\xb5\x82\xdc\x82\xb7\x81" "B";
// musicフォルダにmp3ファイルがありません。終了します。
inline constexpr char kNoMp3InMusic[] = "music\x83t\x83H\x83\x8b\x83_\x82\xc9mp3\x83t\x83@\x83" "C\x83\x8b\x82\xaa\x82\xa0\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x81" "B\x8fI\x97\xb9\x82\xb5\x82\xdc\x82\xb7\x81" "B";

// The menu bar
// ファイル(&F)
inline constexpr char kMenuFile[] = "\x83t\x83@\x83" "C\x83\x8b(&F)";
// フォルダを指定...(&O)
inline constexpr char kMenuChooseFolder[] = "\x83t\x83H\x83\x8b\x83_\x82\xf0\x8ew\x92\xe8...(&O)";
// 停止(&S)
inline constexpr char kMenuStop[] = "\x92\xe2\x8e~(&S)";
// 終了(&X)
inline constexpr char kMenuExit[] = "\x8fI\x97\xb9(&X)";
// ヘルプ(&H)
inline constexpr char kMenuHelp[] = "\x83w\x83\x8b\x83v(&H)";
// ヘルプ...(&A)
inline constexpr char kMenuHelpWindow[] = "\x83w\x83\x8b\x83v...(&A)";
// バージョン情報...
inline constexpr char kMenuVersion[] = "\x83o\x81[\x83W\x83\x87\x83\x93\x8f\xee\x95\xf1...";

// A song that cannot be played: the message is these two pieces around the file name
// musicフォルダ内に\r\n\r\n
inline constexpr char kNotFoundHead[] = "music\x83t\x83H\x83\x8b\x83_\x93\xe0\x82\xc9\r\n\r\n";
//  がありません。
inline constexpr char kNotFoundTail[] = " \x82\xaa\x82\xa0\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x81" "B";

// Goodbye and version. The version box is the title, two carriage returns and the credit line.
// Otopicco♪ Ver2.1
inline constexpr char kVersionTitle[] = "Otopicco\x81\xf4 Ver2.1";
// 　　  By Otopicco の開発者   09.10.31
inline constexpr char kVersionCredit[] =
    "\x81@\x81@  By Otopicco \x82\xcc\x8aJ\x94\xad\x8e\xd2   09.10.31";
// おわります。
inline constexpr char kGoodbye[] = "\x82\xa8\x82\xed\x82\xe8\x82\xdc\x82\xb7\x81" "B";

// The help window
// ヘルプ
inline constexpr char kHelpCaption[] = "\x83w\x83\x8b\x83v";
// おわる
inline constexpr char kHelpClose[] = "\x82\xa8\x82\xed\x82\xe9";
// ファイル 
inline constexpr char kCannotOpenHead[] = "\x83t\x83@\x83" "C\x83\x8b ";
//  は開けません
inline constexpr char kCannotOpenTail[] = " \x82\xcd\x8aJ\x82\xaf\x82\xdc\x82\xb9\x82\xf1";
// （ヘルプのファイルが大きすぎるので、ここから先は表示していません。）
inline constexpr char kHelpFileTooLong[] = "\x81i\x83w\x83\x8b\x83v\x82\xcc\x83t\x83@\x83" "C\x83\x8b\x82\xaa\x91\xe5\x82\xab\x82\xb7\x82\xac\x82\xe9\x82\xcc\x82\xc5\x81" "A\x82\xb1\x82\xb1\x82\xa9\x82\xe7\x90\xe6\x82\xcd\x95\\\x8e\xa6\x82\xb5\x82\xc4\x82\xa2\x82\xdc\x82\xb9\x82\xf1\x81" "B\x81j";

// The folder dialog
// フォルダの選択
inline constexpr char kFolderCaption[] = "\x83t\x83H\x83\x8b\x83_\x82\xcc\x91I\x91\xf0";
// デスクットプ
inline constexpr char kDesktopButton[] = "\x83" "f\x83X\x83N\x83" "b\x83g\x83v";
// ＯＫ
inline constexpr char kOkButton[] = "\x82n\x82j";
// キャンセル
inline constexpr char kCancelButton[] = "\x83L\x83\x83\x83\x93\x83Z\x83\x8b";
// mp3ファイルがみつかりません。
inline constexpr char kNoMp3Found[] = "mp3\x83t\x83@\x83" "C\x83\x8b\x82\xaa\x82\xdd\x82\xc2\x82\xa9\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x81" "B";

// Spoken texts, kept as UTF-16 as the speech control takes them.
namespace spoken {
inline constexpr char16_t kNoMusicFolder[] =
    u"musicフォルダがありません。終了します。Enterキーを押してください。";
inline constexpr char16_t kNoMp3InMusic[] =
    u"musicフォルダにmp3ファイルがありません。終了します。Enterキーを押してください。";
inline constexpr char16_t kGoodbye[] =
    u"バイバイ、じゃまたね！えんたーキーをおしてください。おわります。";
inline constexpr char16_t kVersion[] = u"Otopicco バージョン2.1 By Otopicco の開発者   2009年10月31日";
}  // namespace spoken
}  // namespace texts
