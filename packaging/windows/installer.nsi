; The Windows installer: both programs with the Qt they need, a Start menu
; entry, kv3318ctl on the system's PATH, and an uninstaller that takes away
; exactly what was put there. CMake passes VERSION, STAGE (the install
; folder to pack), FILES (the File and Delete lines made from
; installed-files.txt), ICON, LICENSE and OUTFILE.
Unicode true
; A 32-bit setup program would not start where only 64-bit Windows programs run.
Target amd64-unicode
SetCompressor /SOLID lzma

!include MUI2.nsh
!include WinMessages.nsh
!include WordFunc.nsh
!include ${FILES}

!define PRODUCT "Korvalin 3318 configuration tool"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\kv3318-config"
!define ENVIRONMENT_KEY "SYSTEM\CurrentControlSet\Control\Session Manager\Environment"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\kv3318-config"
RequestExecutionLevel admin
ShowInstDetails show

VIProductVersion "${VERSION}.0.0"
VIFileVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "${PRODUCT} setup"
VIAddVersionKey "CompanyName" "kv3318-config developers"
VIAddVersionKey "LegalCopyright" "2026 kv3318-config developers, GPL-3.0-or-later"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Function .onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Function un.onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Section "Install"
  !insertmacro InstallFiles
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\kv3318-config.exe" "" \
    "$INSTDIR\kv3318-config.exe" 0

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\kv3318-config.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "kv3318-config developers"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1

  ; kv3318ctl from any console. A PATH longer than this installer can hold
  ; is left as it is rather than cut short.
  ClearErrors
  ReadRegStr $0 HKLM "${ENVIRONMENT_KEY}" "Path"
  IfErrors path_done
  ; Counted apart: the joined string itself would already be cut to fit.
  StrLen $1 $0
  StrLen $2 $INSTDIR
  IntOp $1 $1 + $2
  IntOp $1 $1 + 1
  IntCmp $1 ${NSIS_MAX_STRLEN} path_too_long 0 path_too_long
  ${WordFind} "$0" "$INSTDIR" "E+1{" $2
  IfErrors 0 path_done
  WriteRegExpandStr HKLM "${ENVIRONMENT_KEY}" "Path" "$0;$INSTDIR"
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "AddedToPath" 1
  SendMessage ${HWND_BROADCAST} ${WM_WININICHANGE} 0 "STR:Environment" /TIMEOUT=5000
  Goto path_done
  path_too_long:
  DetailPrint "The system's PATH is too long to add $INSTDIR to it"
  path_done:
SectionEnd

Section "Uninstall"
  ReadRegDWORD $3 HKLM "${UNINSTALL_KEY}" "AddedToPath"
  IntCmp $3 1 0 path_done path_done
  ClearErrors
  ReadRegStr $0 HKLM "${ENVIRONMENT_KEY}" "Path"
  IfErrors path_done
  ; A PATH as long as the longest string read may have been cut short.
  StrLen $1 $0
  IntOp $4 ${NSIS_MAX_STRLEN} - 1
  IntCmp $1 $4 path_done 0 path_done
  ${un.WordReplace} "$0" ";$INSTDIR" "" "+" $2
  WriteRegExpandStr HKLM "${ENVIRONMENT_KEY}" "Path" "$2"
  SendMessage ${HWND_BROADCAST} ${WM_WININICHANGE} 0 "STR:Environment" /TIMEOUT=5000
  path_done:

  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  !insertmacro RemoveFiles
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
