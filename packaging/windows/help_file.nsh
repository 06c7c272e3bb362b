; The help file ReadMe_sapi.txt in the working folder, which the player shows as its help.
;
; It is written when it is missing, and refreshed when it is still the copy that an earlier
; installation wrote there: the same bytes as that version's copy in the program folder. A help
; file that the teacher has changed, or one that no copy in the program folder vouches for, is
; left as it is.

; Pushes 1 when the two files hold the same bytes, else 0 (also when either cannot be read).
Function FilesEqual
  Exch $R0  ; the second file
  Exch
  Exch $R1  ; the first file
  Push $R2
  Push $R3
  Push $R4
  Push $R5
  Push $R6
  StrCpy $R5 0
  ClearErrors
  FileOpen $R2 "$R1" r
  ${IfNot} ${Errors}
    FileOpen $R3 "$R0" r
    ${IfNot} ${Errors}
      ${Do}
        ClearErrors
        FileReadByte $R2 $R4
        ${If} ${Errors}  ; the first file has ended: equal when the second ends here too
          ClearErrors
          FileReadByte $R3 $R6
          ${If} ${Errors}
            StrCpy $R5 1
          ${EndIf}
          ${Break}
        ${EndIf}
        ClearErrors
        FileReadByte $R3 $R6
        ${If} ${Errors}
        ${OrIf} $R4 != $R6
          ${Break}
        ${EndIf}
      ${Loop}
      FileClose $R3
    ${EndIf}
    FileClose $R2
  ${EndIf}
  StrCpy $R0 $R5
  Pop $R6
  Pop $R5
  Pop $R4
  Pop $R3
  Pop $R2
  Pop $R1
  Exch $R0
FunctionEnd

; The help file of this version into the working folder $R0, judged against the copy in the
; program folder $R1.
Function InstallHelpFile
  Exch $R0
  Exch
  Exch $R1
  Push $R2
  StrCpy $R2 1
  ${If} ${FileExists} "$R0\ReadMe_sapi.txt"
    Push "$R0\ReadMe_sapi.txt"
    Push "$R1\ReadMe_sapi.txt"
    Call FilesEqual
    Pop $R2
  ${EndIf}
  ${If} $R2 == 1
    SetOutPath "$R0"
    SetOverwrite on
    File "${STAGE}/ReadMe_sapi.txt"
  ${Else}
    DetailPrint "ヘルプ $R0\ReadMe_sapi.txt は変更されているので、そのままにします。"
  ${EndIf}
  Pop $R2
  Pop $R1
  Pop $R0
FunctionEnd

!macro InstallHelpFile WORKDIR PROGRAMDIR
  Push "${PROGRAMDIR}"
  Push "${WORKDIR}"
  Call InstallHelpFile
!macroend
