"""What the player is, written once for the whole suite: its texts, its window layout, its
colours and fonts, and how captions and announcements are made from file names. Scenarios take
their expectations from here and never type a layout number or a text again."""
from dataclasses import dataclass

# --- Texts the player shows and speaks.
WINDOW_TITLE = "Otopicco♪"
ERROR_TITLE = "エラー"
# Plain boxes are titled after the program file: its name up to the first ".", lower case after
# the first character.
PLAIN_TITLE = "otopicco"
NO_SPEECH_ENGINE = "対応している音声合成エンジンがありません。"
NO_FOLDER_BOX = "musicフォルダがありません。終了します。"
NO_FOLDER_SPOKEN = "musicフォルダがありません。終了します。Enterキーを押してください。"
NO_FILES_BOX = "musicフォルダにmp3ファイルがありません。終了します。"
NO_FILES_SPOKEN = "musicフォルダにmp3ファイルがありません。終了します。Enterキーを押してください。"
GOODBYE_BOX = "おわります。"
GOODBYE_SPOKEN = "バイバイ、じゃまたね！えんたーキーをおしてください。おわります。"
VERSION_BOX = "Otopicco♪ Ver2.1\r\r　　  By Otopicco の開発者   09.10.31"
VERSION_SPOKEN = "Otopicco バージョン2.1 By Otopicco の開発者   2009年10月31日"
HELP_FILE = "ReadMe_sapi.txt"
CANNOT_OPEN_HELP = "ファイル ReadMe_sapi.txt は開けません."
# The last line of the help window for a help file longer than it shows (its first megabyte).
HELP_TOO_LONG = "（ヘルプのファイルが大きすぎるので、ここから先は表示していません。）"
HELP_SHOWN_BYTES = 1024 * 1024
HELP_CAPTION = "ヘルプ"
HELP_CLOSE = "おわる"
BUILTIN_HELP_FIRST_LINE = "●Otopicco SAPI4版　Ver2.0 ヘルプ"
# The use section of the built-in help, heading included, as the window shows it.
BUILTIN_HELP_USE = [
    "[使い方]",
    "　↓キー(あるいはTabキー)でひとつ下の曲に移動できま",
    "す、移動後、曲の番号と曲名が合成音声で読まれます。ま",
    "た、一番下の曲まで移動しますと、一番上の曲に移動しま",
    "す。",
    "　Enterキーを押すと、その曲を演奏することができます。",
    "　Ctrl+Sキーまたはテンキーの－で、演奏中の曲を止める",
    "　ことができます。",
    "",
    "　終了はAlt+F4で終わってください。",
]
FOLDER_CAPTION = "フォルダの選択"
FOLDER_BUTTONS = ["デスクットプ", "ＯＫ", "キャンセル"]
FOLDER_DESKTOP, FOLDER_OK, FOLDER_CANCEL = FOLDER_BUTTONS
NO_MP3_FOUND = "mp3ファイルがみつかりません。"
SPEED = 160


def not_found(file_name):
    """The box text and the spoken text for a song file that cannot be played."""
    return f"musicフォルダ内に\r\n\r\n{file_name} がありません。"


@dataclass(frozen=True)
class MenuItem:
    depth: int          # 0 for the menu bar, 1 for an item of a menu
    caption: str        # with its access key as "(&X)"
    shortcut: str       # "" when it has none
    submenu: bool
    separator: bool = False
    enabled: bool = True


MENU_BAR = [
    MenuItem(0, "ファイル(&F)", "", True),
    MenuItem(1, "フォルダを指定...(&O)", "Ctrl+O", False),
    MenuItem(1, "停止(&S)", "Ctrl+S", False),
    MenuItem(1, "終了(&X)", "", False),
    MenuItem(0, "ヘルプ(&H)", "", True),
    MenuItem(1, "ヘルプ...(&A)", "", False),
    MenuItem(1, "バージョン情報...", "", False),
]

# --- The player window's layout, in pixels of its client area unless said otherwise.
WINDOW_POSITION = (343, 116)        # outer left and top on the screen
BACKGROUND = "FFFF00"               # the window's yellow, also what paints a frame over
FRAME = "0000FF"                    # the blue highlight frame
SONG_LEFT, SONG_WIDTH, SONG_HEIGHT = 15, 290, 40
MAX_SONG_BUTTONS = (20, 21)         # a long list shows one of these
FOLDER_DIALOG_CLIENT = (298, 341)


# The player's frame on Windows: 3 pixels of border either side; border, title bar and menu bar
# above, border below (19 pixels for each bar).
WINDOWS_FRAME = (3 + 3, 3 + 19 + 19 + 3)


def client_size(songs):
    """The player's client area (below the menu bar) for a list of songs."""
    width, height = outer_size(songs)
    return (width - WINDOWS_FRAME[0], height - WINDOWS_FRAME[1])


def song_top(number):
    return 16 + 60 * (number - 1)


def song_rect(number):
    """(left, top, width, height) of song button `number` (1-based)."""
    return (SONG_LEFT, song_top(number), SONG_WIDTH, SONG_HEIGHT)


def outer_size(songs):
    """The player window's outer size (frame, title bar and menu bar included) for a list."""
    return (320, 60 * (songs - 1) + 180)


def frame_band_points(number):
    """Client points in the middle of the four sides of song `number`'s frame band: the frame
    rectangle runs 2 pixels outside the button, drawn with a 4-pixel pen centred on it."""
    top = song_top(number) - 2
    return [(160, top), (160, top + 43), (13, top + 22), (306, top + 22)]


# Points left of the song column: the bare background, and the frame band beside song 1.
BACKGROUND_POINT = (4, 30)
FRAME_POINT_SONG_1 = (14, 30)


@dataclass(frozen=True)
class Font:
    role: str           # "song button": the large monospaced gothic of the song buttons
    pixel_height: int   # character height
    weight: str         # "bold" or "normal"
    script: str         # "japanese"
    dpi: int


SONG_FONT = Font("song button", 21, "bold", "japanese", 96)   # 16 points at 96 dpi


# --- Captions and announcements. The program counts title bytes in Shift-JIS.
def sjis(text):
    return text.encode("cp932")


def caption_title(caption):
    """The title shown in a song button's caption, without the number and the blanks."""
    return caption.strip().split(" ", 1)[1].rstrip() if " " in caption.strip() else ""


def title_field(file_name):
    """The title field of a song button's caption as Shift-JIS bytes: the name less its last 4
    bytes, padded with blanks to 20 bytes (an empty title gives 19 blanks) or cut to 20 bytes.
    Titles of 22 bytes or more show what the platform chooses and are left out of the tests."""
    title = sjis(file_name)[:-4]
    if not title:
        return b" " * 19
    if len(title) <= 20:
        return title.ljust(20)
    if len(title) == 21:
        return title[:20]
    raise ValueError(f"{file_name!r}: a title of {len(title)} bytes has no fixed title field")


def announcement(number, file_name):
    """What is spoken when song `number` gets the focus: the number, a blank, the whole title."""
    return f"{number} " + sjis(file_name)[:-4].decode("cp932")
