; Lumitrak's installer: for the user who runs it, without administrator rights.
; makensis -INPUTCHARSET UTF8 -DVERSION=4.11 -DFILE_VERSION=4.11.0.0 -DSTAGE=<folder with the
;   program's files> -DICON=<lumitrak.ico> -DOUTFILE=<setup.exe> lumitrak.nsi
; A 64-bit installer for the 64-bit program (it also runs where wine has no 32-bit part).
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include "MUI2.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Lumitrak"

Name "Lumitrak ${VERSION}"
OutFile "${OUTFILE}"
; Per user, where Windows keeps the programs a user installs for themselves.
InstallDir "$LOCALAPPDATA\Programs\Lumitrak"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "Lumitrak ${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
; The GPL asks for no agreement to use the program: the page shows it, Next goes on.
!define MUI_LICENSEPAGE_BUTTON "$(^NextBtn)"
!define MUI_LICENSEPAGE_TEXT_BOTTOM "$(LicenseNote)"
!insertmacro MUI_PAGE_LICENSE "${STAGE}/LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_FUNCTION StartLumitrak
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; English where the system speaks neither language.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Japanese"
LangString LicenseNote ${LANG_ENGLISH} \
  "Lumitrak is free software under the GNU GPL, version 3 or later: use it freely. The licence sets the terms for passing it on or changing it."
LangString LicenseNote ${LANG_JAPANESE} \
  "Lumitrak は GNU GPL（第3版以降）のフリーソフトウェアです。自由にお使いください。再配布と改変の条件はこのライセンスに従います。"

VIProductVersion "${FILE_VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "Lumitrak"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "Lumitrak ${VERSION} setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "The Lumitrak developers"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "© 2026 The Lumitrak developers, GPL-3.0-or-later"

Section
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  File "${STAGE}/lumitrak.exe"
  File "${STAGE}/LICENSE.txt"
  File "${STAGE}/readme.txt"
  File "${STAGE}/THIRD-PARTY-NOTICES.txt"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  ; "compdata.txt" and "lumitrak.ini" live in a folder of the observer's own, found in
  ; Documents, which the shortcut starts in (a shortcut's working folder is the output path).
  CreateDirectory "$DOCUMENTS\Lumitrak"
  SetOutPath "$DOCUMENTS\Lumitrak"
  CreateShortcut "$SMPROGRAMS\Lumitrak.lnk" "$INSTDIR\lumitrak.exe" "" "$INSTDIR\lumitrak.exe" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Lumitrak"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "The Lumitrak developers"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\lumitrak.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
SectionEnd

; Started from the last page, the program starts in the data folder, as from the Start menu.
Function StartLumitrak
  SetOutPath "$DOCUMENTS\Lumitrak"
  Exec '"$INSTDIR\lumitrak.exe"'
FunctionEnd

Section "Uninstall"
  SetShellVarContext current
  Delete "$SMPROGRAMS\Lumitrak.lnk"
  Delete "$INSTDIR\lumitrak.exe"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\readme.txt"
  Delete "$INSTDIR\THIRD-PARTY-NOTICES.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  ; Documents\Lumitrak holds the observer's tables, and the recovery copies in
  ; %LOCALAPPDATA%\Lumitrak may hold a table not yet saved: both stay.
SectionEnd
