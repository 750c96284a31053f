; Stopping the running programs before their files are replaced or removed;
; inserted once for the installer and once ("un.") for the uninstaller.

!macro StopFunctions un

; Pushes 1 when the named kernel object of this session exists, else 0.
Function ${un}MutexExists
  Exch $0
  System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w r0) p .r0' ; SYNCHRONIZE
  ${If} $0 P<> 0
    System::Call 'kernel32::CloseHandle(p r0)'
    StrCpy $0 1
  ${Else}
    StrCpy $0 0
  ${EndIf}
  Exch $0
FunctionEnd

; Waits up to 10 s for the named mutex to go, that is for its owner to end.
Function ${un}WaitForMutexGone
  Exch $1
  Push $2
  StrCpy $2 0
  ${Do}
    Push $1
    Call ${un}MutexExists
    Pop $0
    ${IfThen} $0 == 0 ${|} ${Break} ${|}
    IntOp $2 $2 + 1
    ${IfThen} $2 > 100 ${|} ${Break} ${|}
    Sleep 100
  ${Loop}
  Pop $2
  Pop $1
FunctionEnd

; Closes Decitray as its "&Close Decitray" does, closes an open properties
; sheet (with it open, "Horalume /U" would only bring it forward) and takes
; the clock component out of the taskbar. Sets $DecitrayWasRunning.
Function ${un}StopDecimalTime
  StrCpy $DecitrayWasRunning 0
  FindWindow $0 "Decitray" "Decitray"
  ${If} $0 P<> 0
    StrCpy $DecitrayWasRunning 1
    SendMessage $0 ${WM_COMMAND} ${CLOSE_DECITRAY} 0 /TIMEOUT=5000
  ${EndIf}
  Push "${DECITRAY_MUTEX}"
  Call ${un}WaitForMutexGone

  FindWindow $0 "#32770" "Horalume Properties"
  ${If} $0 P<> 0
    SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=5000
  ${EndIf}
  Push "${LOADER_MUTEX}"
  Call ${un}WaitForMutexGone

  Push "${COMPONENT_MUTEX}"
  Call ${un}MutexExists
  Pop $0
  ${If} $0 == 1
  ${AndIf} ${FileExists} "$INSTDIR\Horalume\Horalume.exe"
    SetOutPath "$INSTDIR\Horalume"
    ExecWait '"$INSTDIR\Horalume\Horalume.exe" /U'
    Push "${COMPONENT_MUTEX}"
    Call ${un}WaitForMutexGone
  ${EndIf}
FunctionEnd

; The shell unmaps the component a moment after its removal, or only when it
; ends (under Wine, or while another extension holds the clock); a mapped
; library cannot be overwritten or deleted, but it can be moved aside (as
; ns*.tmp) and deleted once it is free, at the latest when Windows restarts.
Function ${un}ReleaseComponentFile
  Delete /REBOOTOK "$INSTDIR\Horalume\ns*.tmp"
  StrCpy $1 "$INSTDIR\Horalume\HORALUME.DLL"
  StrCpy $2 0
  ${DoWhile} ${FileExists} $1
    Delete $1
    IntOp $2 $2 + 1
    ${If} $2 > 30
    ${AndIf} ${FileExists} $1
      GetTempFileName $3 "$INSTDIR\Horalume"
      Delete $3
      Rename $1 $3
      Delete /REBOOTOK $3
      ${Break}
    ${EndIf}
    Sleep 100
  ${Loop}
FunctionEnd

!macroend
