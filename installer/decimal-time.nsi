; Per-user installer of the decimal time programs; scripts/package.sh builds it
; with makensis -DVERSION=1.2.3 -DARCH=win64|win32 -DSTAGE=<installed tree>
; -DFILES=<files.nsh> -DOUTFILE=<setup.exe> [-DSIGN=<command signing %1>].
; FILES defines the macro RemoveInstalledFiles, generated from the tree.
Unicode true
!if ${ARCH} == win64
  Target amd64-unicode
!else
  Target x86-unicode
!endif
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!define PRODUCT "Decimal time"
!define PUBLISHER "Decimal Time Package"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\DecimalTime"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define RUN_VALUE "Decitray"
!define SETTINGS_KEY "Software\Horalume"
!define DECITRAY_MUTEX "Decitray-BEBDF92B-D7FF-4062-8778-36CB1F946679"
!define LOADER_MUTEX "HoralumeRunning"
!define COMPONENT_MUTEX "HoralumeDllInstalled"
!define CLOSE_DECITRAY 105 ; the tray menu's "&Close Decitray"
; A clock format with the decimal clock and date that Decitray feeds in.
!define DECIMAL_FORMAT "HH:mm:ss|%DC%  %DD%"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
!ifdef SIGN
  !uninstfinalize '${SIGN}'
!endif

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} ${VERSION} setup (${ARCH})"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) 2002 the Decimal Time Package developers"

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WinMessages.nsh
!include x64.nsh
!include "${FILES}"

!define MUI_ICON "${__FILEDIR__}/../resources/decitray/decitray.ico"
!define MUI_UNICON "${__FILEDIR__}/../resources/decitray/decitray.ico"
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Start Decitray"
!define MUI_FINISHPAGE_RUN_FUNCTION StartDecitray
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_UNPAGE_FINISH ; offers the restart that a file still in use needs
!insertmacro MUI_LANGUAGE "English"

Var DecitrayWasRunning
Var PreviousLocation

!include "${__FILEDIR__}/stop.nsh"
!insertmacro StopFunctions ""
!insertmacro StopFunctions "un."

Function StartDecitray
  ; Decitray starts Horalume\Horalume.exe relative to its current directory.
  SetOutPath "$INSTDIR"
  Exec '"$INSTDIR\Decitray.exe"'
FunctionEnd

; A copy installed in another folder goes first, so that one copy remains.
Function RemovePreviousCopy
  ${If} $PreviousLocation == ""
  ${OrIf} $PreviousLocation == $INSTDIR
  ${OrIfNot} ${FileExists} "$PreviousLocation\Uninstall.exe"
    Return
  ${EndIf}
  ExecWait '"$PreviousLocation\Uninstall.exe" /S _?=$PreviousLocation'
  Delete "$PreviousLocation\Uninstall.exe"
  RMDir "$PreviousLocation"
FunctionEnd

Section "-Program files"
  Call StopDecimalTime
  Call RemovePreviousCopy
  Call ReleaseComponentFile
  SetOutPath "$INSTDIR"
  File /r "${STAGE}/*.*"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  CreateDirectory "$SMPROGRAMS\${PRODUCT}"
  SetOutPath "$INSTDIR"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\Decitray.lnk" "$INSTDIR\Decitray.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\Decimora.lnk" "$INSTDIR\Decimora.exe"
  SetOutPath "$INSTDIR\Horalume"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\Horalume Properties.lnk" "$INSTDIR\Horalume\Horalume.exe"
SectionEnd

Section "Start Decitray at sign-in" SecSignIn
  ; Programs started from the Run key get the system folder as their current
  ; directory; StartDecitray.exe starts Decitray in its own folder.
  WriteRegStr HKCU "${RUN_KEY}" "${RUN_VALUE}" '"$INSTDIR\StartDecitray.exe"'
SectionEnd

Section "Show decimal time in the taskbar clock" SecDecimalClock
  ; Only for a user new to Horalume, who has no clock format yet (Horalume
  ; would show its default); settings that exist are the user's.
  ClearErrors
  ReadRegStr $0 HKCU "${SETTINGS_KEY}\Settings" "ClockFormatString"
  ${If} ${Errors}
  ${AndIf} $0 == ""
    WriteRegStr HKCU "${SETTINGS_KEY}\Settings" "ClockFormatString" "${DECIMAL_FORMAT}"
  ${EndIf}
SectionEnd

Section "-Registration"
  ${IfNot} ${SectionIsSelected} ${SecSignIn}
    DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
  ${EndIf}
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Decitray.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${If} $DecitrayWasRunning == 1
    Call StartDecitray
  ${EndIf}
SectionEnd

Section "-un.Program files"
  Call un.StopDecimalTime
  Call un.ReleaseComponentFile
  SetOutPath "$TEMP" ; the folder cannot go while it is the current directory
  !insertmacro RemoveInstalledFiles
  Delete "$INSTDIR\Uninstall.exe"
  RMDir /REBOOTOK "$INSTDIR"
  Delete "$SMPROGRAMS\${PRODUCT}\Decitray.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\Decimora.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\Horalume Properties.lnk"
  RMDir "$SMPROGRAMS\${PRODUCT}"
  DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
  ; Horalume's own start-up value, when it names this copy, would start a
  ; program that is gone.
  ReadRegStr $0 HKCU "${RUN_KEY}" "Horalume"
  ${If} $0 == "$INSTDIR\Horalume\Horalume.exe"
    DeleteRegValue HKCU "${RUN_KEY}" "Horalume"
  ${EndIf}
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  DeleteRegKey /ifempty HKCU "Software\Microsoft\Windows\CurrentVersion\Uninstall"
SectionEnd

Section /o "un.Remove my settings" SecRemoveSettings
  DeleteRegKey HKCU "${SETTINGS_KEY}"
SectionEnd

; Section indexes are known only below the sections.
Function .onInit
!if ${ARCH} == win64
  ${IfNot} ${IsNativeAMD64}
    MessageBox MB_ICONSTOP "This package is for 64-bit (x64) Windows only." /SD IDOK
    Abort
  ${EndIf}
!else
  ${If} ${RunningX64}
    MessageBox MB_ICONSTOP "Your Windows is 64-bit: install decimal-time-${VERSION}-win64-setup.exe instead. The clock component runs inside the taskbar, so it must match the taskbar's bitness." /SD IDOK
    Abort
  ${EndIf}
!endif
  ; /NoDecimalClock clears "Show decimal time in the taskbar clock", for
  ; silent installs.
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/NoDecimalClock" $1
  ${IfNot} ${Errors}
    SectionSetFlags ${SecDecimalClock} 0
  ${EndIf}
  ReadRegStr $PreviousLocation HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ; An upgrade keeps the user's earlier choice about starting at sign-in.
  ${If} $PreviousLocation != ""
    ReadRegStr $0 HKCU "${RUN_KEY}" "${RUN_VALUE}"
    ${If} $0 == ""
      SectionSetFlags ${SecSignIn} 0
    ${EndIf}
  ${EndIf}
FunctionEnd

Function un.onInit
  ; /RemoveSettings ticks "Remove my settings", for silent uninstalls.
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/RemoveSettings" $1
  ${IfNot} ${Errors}
    SectionSetFlags ${SecRemoveSettings} ${SF_SELECTED}
  ${EndIf}
FunctionEnd
