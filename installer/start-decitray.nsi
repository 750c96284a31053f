; StartDecitray.exe, the program of Decitray's start-up value: programs started
; at sign-in get the system folder as their current directory, but Decitray
; finds Horalume\Horalume.exe relative to its own. This starts it from its own
; folder and ends. scripts/package.sh builds it with makensis -DVERSION=1.2.3
; -DARCH=win64|win32 -DOUTFILE=<StartDecitray.exe>.
Unicode true
!if ${ARCH} == win64
  Target amd64-unicode
!else
  Target x86-unicode
!endif
RequestExecutionLevel user
SilentInstall silent
Name "Decitray"
OutFile "${OUTFILE}"
Icon "${__FILEDIR__}/../resources/decitray/decitray.ico"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "Decimal time"
VIAddVersionKey /LANG=1033 "CompanyName" "Decimal Time Package"
VIAddVersionKey /LANG=1033 "FileDescription" "Starts Decitray from its folder"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) 2002 the Decimal Time Package developers"

Section
  SetOutPath "$EXEDIR"
  Exec '"$EXEDIR\Decitray.exe"'
SectionEnd
