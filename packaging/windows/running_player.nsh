; A running player keeps its program file open: it cannot be replaced or removed then, and an
; update or uninstall that went on would leave the old program behind while reporting success.
; So both wait until the program file can be written: the teacher is asked to close Otopicco and
; try again; a silent run, with nobody to ask, stops with a failure exit code instead. A player
; that is just ending lets go of its file a moment after its window is gone, so each check gives
; it about two seconds before asking.

!macro WaitForPlayerClosed PROGRAM
  ${If} ${FileExists} "${PROGRAM}"
    ${Do}
      StrCpy $1 0
      StrCpy $2 locked
      ${Do}
        ClearErrors
        FileOpen $0 "${PROGRAM}" a
        ${IfNot} ${Errors}
          FileClose $0
          StrCpy $2 free
          ${Break}
        ${EndIf}
        IntOp $1 $1 + 1
        ${If} $1 >= 10
          ${Break}
        ${EndIf}
        Sleep 200
      ${Loop}
      ${If} $2 == free
        ${Break}
      ${EndIf}
      ${If} ${Cmd} `MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
          "Otopicco が起動しています。Otopicco を終了してから「再試行」を押してください。" \
          /SD IDCANCEL IDCANCEL`
        SetErrorLevel 3
        Abort "Otopicco が起動しているため、中止しました。"
      ${EndIf}
    ${Loop}
  ${EndIf}
!macroend
