; The installer: the program under Program Files for every user, a Start-menu
; entry and an uninstaller that removes exactly what was installed. It never
; touches the device software's folder, the user's panels or the settings.
; makensis -INPUTCHARSET UTF8 -DVERSION=1.2.3 -DFILES=<staged files> -DICON=<.ico> -DOUTFILE=<setup.exe>
Unicode true
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include MUI2.nsh

!define PRODUCT "機器操作パネル"
!define UNINST_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\PanelEditor"
; The infrared device software lives here; our files must never go in it.
!define DEVICE_FOLDER "C:\wexdir"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES\${PRODUCT}"
InstallDirRegKey HKLM "${UNINST_KEY}" "InstallLocation"
ShowInstDetails nevershow
ShowUninstDetails nevershow
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=1041 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1041 "FileDescription" "${PRODUCT} セットアップ"
VIAddVersionKey /LANG=1041 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "LegalCopyright" "MIT License"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
; No "run now" box: the installer runs as administrator, and the program started
; from it would keep its setting and panels under that account, not the user's.
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\user-guide-ja.html"
!define MUI_FINISHPAGE_SHOWREADME_TEXT "使い方を表示する"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"

Function .onVerifyInstDir
  StrCpy $0 "$INSTDIR\" 10
  StrCmp $0 "${DEVICE_FOLDER}\" 0 +2
    Abort
FunctionEnd

Section
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File "${FILES}\PanelEditor.exe"
  File "${FILES}\README-ja.txt"
  File "${FILES}\LICENSE.txt"
  File "${FILES}\VERSION.txt"
  File "${FILES}\user-guide-ja.html"
  SetOutPath "$INSTDIR\user-guide-images"
  File "${FILES}\user-guide-images\*.png"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateDirectory "$SMPROGRAMS\${PRODUCT}"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk" "$INSTDIR\PanelEditor.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\使い方.lnk" "$INSTDIR\user-guide-ja.html"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\アンインストール.lnk" "$INSTDIR\uninstall.exe"

  WriteRegStr HKLM "${UNINST_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINST_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINST_KEY}" "DisplayIcon" "$INSTDIR\PanelEditor.exe"
  WriteRegStr HKLM "${UNINST_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINST_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINST_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINST_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINST_KEY}" "NoRepair" 1
SectionEnd

; File by file, never the whole folder: a folder chosen by the user may hold other things.
Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\使い方.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\アンインストール.lnk"
  RMDir "$SMPROGRAMS\${PRODUCT}"

  Delete "$INSTDIR\PanelEditor.exe"
  Delete "$INSTDIR\README-ja.txt"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\VERSION.txt"
  Delete "$INSTDIR\user-guide-ja.html"
  Delete "$INSTDIR\user-guide-images\*.png"
  RMDir "$INSTDIR\user-guide-images"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"

  DeleteRegKey HKLM "${UNINST_KEY}"
SectionEnd
