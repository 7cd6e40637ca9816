; The installer of ZUPEL for Windows: for the player alone, without administrator rights, into
; the player's own programs folder, with a Start-menu entry, a desktop shortcut when ticked, and
; an entry in the player's list of apps. It speaks Japanese on a Japanese Windows and English on
; any other. The slime never lives here: an installed copy keeps it in %APPDATA%\zupel, which
; neither an upgrade nor the uninstaller touches.
;
; scripts/package windows makes it:
;   makensis -DVERSION=2.51 -DFILE_VERSION=2.51.0.0 -DPUBLISHER=... -DCOPYRIGHT=...
;            -DSTAGE=FOLDER -DICON=zupel.ico -DUNINSTALL_LIST=FILE -DOUTFILE=setup.exe zupel.nsi
; FOLDER holds what is installed; UNINSTALL_LIST the lines that delete it again.

Target amd64-unicode  ; a 64-bit installer for the 64-bit game
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include Sections.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\ZUPEL"

Name "ZUPEL"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\ZUPEL"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "ZUPEL ${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\zupel.exe"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The first language is the one of every desktop that speaks neither.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Japanese"

LangString GAME_DESCRIPTION ${LANG_ENGLISH} "The game, its sounds and its help, with an entry in the Start menu."
LangString GAME_DESCRIPTION ${LANG_JAPANESE} "ゲーム本体と音とヘルプです。スタートメニューから起動できます。"
LangString DESKTOP_SHORTCUT ${LANG_ENGLISH} "Desktop shortcut"
LangString DESKTOP_SHORTCUT ${LANG_JAPANESE} "デスクトップアイコン"
LangString DESKTOP_DESCRIPTION ${LANG_ENGLISH} "Puts a shortcut to ZUPEL on the desktop."
LangString DESKTOP_DESCRIPTION ${LANG_JAPANESE} "デスクトップに ZUPEL のショートカットを作ります。"
LangString STILL_RUNNING ${LANG_ENGLISH} "ZUPEL is running. Quit the game, then press Retry."
LangString STILL_RUNNING ${LANG_JAPANESE} "ZUPEL が起動しています。ゲームを終了してから「再試行」を押して下さい。"

VIProductVersion "${FILE_VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "ZUPEL"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "ZUPEL Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "${COPYRIGHT}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"

Section "ZUPEL" SecGame
  SectionIn RO
  ; A running game keeps its program open, and its slime would be saved by an old program.
  ${If} ${FileExists} "$INSTDIR\zupel.exe"
  running:
    ClearErrors
    FileOpen $0 "$INSTDIR\zupel.exe" a
    ${If} ${Errors}
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(STILL_RUNNING)" /SD IDCANCEL IDRETRY running
      Abort
    ${EndIf}
    FileClose $0
  ${EndIf}
  ; An older version goes first, by its own list, so none of its files stays behind.
  ${If} ${FileExists} "$INSTDIR\uninstall.exe"
    ExecWait '"$INSTDIR\uninstall.exe" /S _?=$INSTDIR'
  ${EndIf}

  SetOutPath "$INSTDIR"
  File /r "${STAGE}\*.*"
  ; The uninstaller beside the program is also what tells the game it is an installed copy.
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\ZUPEL.lnk" "$INSTDIR\zupel.exe"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "ZUPEL"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\zupel.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section /o "$(DESKTOP_SHORTCUT)" SecDesktop
  CreateShortcut "$DESKTOP\ZUPEL.lnk" "$INSTDIR\zupel.exe"
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SecGame} $(GAME_DESCRIPTION)
  !insertmacro MUI_DESCRIPTION_TEXT ${SecDesktop} $(DESKTOP_DESCRIPTION)
!insertmacro MUI_FUNCTION_DESCRIPTION_END

; An upgrade keeps the desktop shortcut the player chose before.
Function .onInit
  ${If} ${FileExists} "$DESKTOP\ZUPEL.lnk"
    !insertmacro SelectSection ${SecDesktop}
  ${EndIf}
FunctionEnd

; The program and its entries go; %APPDATA%\zupel (the slime) and the room's settings stay.
Section "Uninstall"
  !include "${UNINSTALL_LIST}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\ZUPEL.lnk"
  Delete "$DESKTOP\ZUPEL.lnk"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
