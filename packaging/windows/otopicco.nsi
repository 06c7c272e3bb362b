; The Otopicco installer. The player finds its songs in the `music` folder of the folder it is
; started in, and a teacher must be able to add songs without administrator rights. So the
; installer works for the current user alone: the program goes to the user's own program folder,
; a working folder in the user's Documents holds `music` and the help file, and the shortcuts start
; the program in that working folder. Nothing the teacher put into the working folder is ever
; replaced or removed, neither by an update nor by the uninstaller.
;
;   makensis -INPUTCHARSET UTF8 -DVERSION=2.1 -DVERSION4=2.1.0.0 -DTARGET=x86-unicode
;            -DSTAGE=DIR -DICON=FILE -DOUTFILE=FILE otopicco.nsi
;
; STAGE holds otopicco.exe, ReadMe_sapi.txt and music\ as they ship. TARGET is the installer's own
; stub: x86-unicode for the installer that ships, amd64-unicode for a 64-bit twin.

Target ${TARGET}
Unicode true
RequestExecutionLevel user
ManifestDPIAware true
SetCompressor /SOLID lzma

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include help_file.nsh
!include running_player.nsh

!define SETTINGS_KEY "Software\Otopicco"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Otopicco"

Name "Otopicco ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Otopicco"
InstallDirRegKey HKCU "${SETTINGS_KEY}" "InstallDir"
ShowInstDetails show
ShowUninstDetails show

; The working folder: the player's start folder, with `music` and ReadMe_sapi.txt.
Var WorkDir

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING

!define MUI_WELCOMEPAGE_TEXT "Otopicco ${VERSION} をインストールします。$\r$\n$\r$\n\
曲とおはなしは「ドキュメント」の「Otopicco」フォルダの中の「music」フォルダに入ります。\
MP3 ファイルをそこに入れると、Otopicco の大きなボタンになります。$\r$\n$\r$\n\
管理者の権限は要りません。このユーザーのためにインストールします。"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_TEXT "Otopicco をインストールしました。$\r$\n$\r$\n\
デスクトップとスタートメニューの「Otopicco」から起動できます。$\r$\n\
曲のフォルダ: $WorkDir\music"
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Otopicco を起動する"
!define MUI_FINISHPAGE_RUN_FUNCTION StartPlayer
!define MUI_FINISHPAGE_SHOWREADME
!define MUI_FINISHPAGE_SHOWREADME_TEXT "曲のフォルダを開く"
!define MUI_FINISHPAGE_SHOWREADME_FUNCTION OpenSongFolder
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!insertmacro MUI_PAGE_FINISH

!define MUI_UNCONFIRMPAGE_TEXT_TOP "Otopicco のプログラムとショートカットを削除します。\
曲のフォルダとその中の曲は削除しません。"
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "Japanese"

VIProductVersion ${VERSION4}
VIFileVersion ${VERSION4}
VIAddVersionKey /LANG=${LANG_JAPANESE} "ProductName" "Otopicco"
VIAddVersionKey /LANG=${LANG_JAPANESE} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_JAPANESE} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_JAPANESE} "FileDescription" "Otopicco ${VERSION} セットアップ"
VIAddVersionKey /LANG=${LANG_JAPANESE} "CompanyName" "Otopicco の開発者"
VIAddVersionKey /LANG=${LANG_JAPANESE} "LegalCopyright" "Otopicco の開発者"

Section "Otopicco"
  !insertmacro WaitForPlayerClosed "$INSTDIR\otopicco.exe"

  ; The working folder of an earlier installation stays the working folder, even when Documents
  ; has moved since: the teacher's songs are there.
  ReadRegStr $WorkDir HKCU "${SETTINGS_KEY}" "WorkDir"
  ${If} $WorkDir == ""
  ${OrIfNot} ${FileExists} "$WorkDir\*.*"
    StrCpy $WorkDir "$DOCUMENTS\Otopicco"
  ${EndIf}
  CreateDirectory "$WorkDir"
  ${IfNot} ${FileExists} "$WorkDir\*.*"
    Abort "作業フォルダ $WorkDir を作れません。"
  ${EndIf}

  ; The demo songs only into a new `music` folder: once it exists, its songs are the teacher's.
  SetOverwrite off
  ${IfNot} ${FileExists} "$WorkDir\music"
    SetOutPath "$WorkDir\music"
    File "${STAGE}/music/*.mp3"
    DetailPrint "見本の曲を $WorkDir\music に入れました。"
  ${Else}
    DetailPrint "曲のフォルダ $WorkDir\music はそのままにします。"
  ${EndIf}
  SetOverwrite on

  ; Decided against the previous version's copy in the program folder, so before it is replaced.
  !insertmacro InstallHelpFile "$WorkDir" "$INSTDIR"

  SetOutPath "$INSTDIR"
  File "${STAGE}/otopicco.exe"
  File "${STAGE}/ReadMe_sapi.txt"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ; A shortcut's start folder is the output folder at the time it is made.
  SetOutPath "$WorkDir"
  CreateShortcut "$SMPROGRAMS\Otopicco.lnk" "$INSTDIR\otopicco.exe" "" "$INSTDIR\otopicco.exe" 0 \
    SW_SHOWNORMAL "" "歌とおはなしのプレーヤー"
  CreateShortcut "$DESKTOP\Otopicco.lnk" "$INSTDIR\otopicco.exe" "" "$INSTDIR\otopicco.exe" 0 \
    SW_SHOWNORMAL "" "歌とおはなしのプレーヤー"

  WriteRegStr HKCU "${SETTINGS_KEY}" "InstallDir" "$INSTDIR"
  WriteRegStr HKCU "${SETTINGS_KEY}" "WorkDir" "$WorkDir"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Otopicco"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Otopicco の開発者"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\otopicco.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Function StartPlayer
  SetOutPath "$WorkDir"  ; Exec starts the program in the output folder
  Exec '"$INSTDIR\otopicco.exe"'
FunctionEnd

Function OpenSongFolder
  ExecShell "open" "$WorkDir\music"
FunctionEnd

; Only what the installer put into the program folder goes, and the folder itself only when it
; is empty then. The working folder and everything in it stay.
Section "Uninstall"
  !insertmacro WaitForPlayerClosed "$INSTDIR\otopicco.exe"
  ReadRegStr $WorkDir HKCU "${SETTINGS_KEY}" "WorkDir"
  Delete "$SMPROGRAMS\Otopicco.lnk"
  Delete "$DESKTOP\Otopicco.lnk"
  Delete "$INSTDIR\otopicco.exe"
  Delete "$INSTDIR\ReadMe_sapi.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${SETTINGS_KEY}"
  ; Last: its absence tells that the uninstall has run to its end.
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  ${If} $WorkDir != ""
    DetailPrint "曲のフォルダ $WorkDir は残しました。"
  ${EndIf}
SectionEnd
