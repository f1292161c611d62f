; The Windows installer: a per-user install, without administrator rights, into the user's own
; programs folder (so the settings dialog can write Muzzle.ini beside the companion), Start-menu
; shortcuts, an uninstaller listed among the user's installed apps, and a silent mode
; (/S, and /D=<folder> last on the command line).
; make_packages.sh passes VERSION, ICON, INSTALL_FILES, UNINSTALL_FILES (the lists of the
; installed files) and OUTFILE.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!define PRODUCT "Wobbleton Playboard"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\WobbletonPlayboard"
!define MENU_FOLDER "$SMPROGRAMS\${PRODUCT}"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=1033 "CompanyName" "Wobbleton"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Wobbleton"

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
; The finish page tells the parent where the parent panel is.
!define MUI_FINISHPAGE_TEXT "${PRODUCT} is installed.$\r$\n$\r$\nParent panel: on the game's main menu, hold Ctrl+Alt+O for 2 seconds. There you switch spoken names on, choose an exit that needs Ctrl+Alt+T held for 2 seconds, turn the sound down, keep paintings, and see which escape keys the game held back.$\r$\n$\r$\nCtrl+Alt+T ends the game."
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; A running companion holds Muzzle.exe and Muzzle.dll open. Closing its hidden "MuzzleFrame"
; window ends it, as a second start of Muzzle.exe would; the window goes when the process has
; ended. Waits up to ten seconds.
!macro DefineStopCompanion prefix
  Function ${prefix}StopCompanion
    StrCpy $1 0
    ${Do}
      FindWindow $0 "MuzzleFrame"
      ${If} $0 = 0
        Return
      ${EndIf}
      SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=2000
      Sleep 100
      IntOp $1 $1 + 1
    ${LoopUntil} $1 >= 100
    DetailPrint "Quietbox is still running."
  FunctionEnd
!macroend
!insertmacro DefineStopCompanion ""
!insertmacro DefineStopCompanion "un."

; Deletes an installed file once no program holds it, waiting up to two seconds for a program
; that just ended. A file that cannot be opened for writing is still in use: a running program,
; or a library that the companion's global hooks loaded into other programs (under Wine those
; keep it until they end, and deleting it there reports success and leaves it). Such a file is
; moved out of the folder into the temporary files, to be deleted when it is free.
!macro DeleteInstalled path
  StrCpy $2 0
  ${Do}
    ${IfNot} ${FileExists} "${path}"
      ${Break}
    ${EndIf}
    System::Call 'kernel32::CreateFileW(w "${path}", i 0x40000000, i 7, p 0, i 3, i 0, p 0) p .r3'
    ${If} $3 P<> -1
      System::Call 'kernel32::CloseHandle(p r3)'
      Delete "${path}"
      ${Break}
    ${EndIf}
    IntOp $2 $2 + 1
    ${If} $2 >= 20
      GetTempFileName $3
      Delete $3
      Rename "${path}" $3
      Delete /REBOOTOK $3
      ${Break}
    ${EndIf}
    Sleep 100
  ${Loop}
!macroend

Section "Install"
  Call StopCompanion
  ; An earlier install's files go first, so that one still in use is moved aside rather than
  ; left half written.
  !include "${UNINSTALL_FILES}"
  SetOutPath "$INSTDIR"
  !include "${INSTALL_FILES}"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  ; Shortcuts start in the install folder.
  CreateDirectory "${MENU_FOLDER}"
  CreateShortcut "${MENU_FOLDER}\${PRODUCT}.lnk" "$INSTDIR\WOB.exe" "" "$INSTDIR\WOB.exe" 0
  CreateShortcut "${MENU_FOLDER}\Quietbox Setup.lnk" "$INSTDIR\MuzCfg.exe" "" \
    "$INSTDIR\MuzCfg.exe" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Wobbleton"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\WOB.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
  Call un.StopCompanion
  !include "${UNINSTALL_FILES}"
  Delete "$INSTDIR\Uninstall.exe"

  ; The installer brings no Muzzle.ini: one there holds the parent's own Quietbox settings.
  ${If} ${FileExists} "$INSTDIR\Muzzle.ini"
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
      "Remove your Quietbox settings (Muzzle.ini) as well?" /SD IDNO IDNO keep_settings
    Delete "$INSTDIR\Muzzle.ini"
    keep_settings:
  ${EndIf}
  RMDir "$INSTDIR"

  Delete "${MENU_FOLDER}\${PRODUCT}.lnk"
  Delete "${MENU_FOLDER}\Quietbox Setup.lnk"
  RMDir "${MENU_FOLDER}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
