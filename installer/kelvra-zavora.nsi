; Setup of Kelvra Zavora: installs the program for every user of the machine, lets it
; start at logon and removes it again. The build runs it (cmake/windows.cmake):
;   makensis -DVERSION=1.0.0 -DPUBLISHER=Kelvra -DPROGRAM_DIR=<folder of zavora.exe>
;            -DSOURCE_DIR=<repository> -DOUTFILE=<setup.exe> installer/kelvra-zavora.nsi
; zavorahelp.chm goes in when the build has made it.

Unicode true
Target amd64-unicode
ManifestDPIAware true
SetCompressor /SOLID lzma

!define PRODUCT "Kelvra Zavora"
!define EXE "zavora.exe"
!define UNINSTALLER "uninstall.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\KelvraZavora"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define SETTINGS_KEY "Software\Kelvra\Zavora"
!define SHORTCUT "$SMPROGRAMS\${PRODUCT}.lnk"
; How long an uninstall or an update waits for the running program to end: 100 ms steps.
!define CLOSE_STEPS 150

; The first-run language picker finds the wizard by this caption to lie over it.
Name "${PRODUCT}"
Caption "Setup - ${PRODUCT}"
UninstallCaption "Uninstall - ${PRODUCT}"
BrandingText "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
RequestExecutionLevel admin

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) ${PUBLISHER}"

!include "MUI2.nsh"
!include "LogicLib.nsh"

!define MUI_ICON "${SOURCE_DIR}\resources\setup.ico"
!define MUI_UNICON "${SOURCE_DIR}\resources\zavora.ico"
!define MUI_ABORTWARNING

; Every page keeps the caption exactly, without the blank the standard pages append.
!define MUI_PAGE_CUSTOMFUNCTION_SHOW KeepCaption
!insertmacro MUI_PAGE_WELCOME
!define MUI_PAGE_CUSTOMFUNCTION_SHOW KeepCaption
!insertmacro MUI_PAGE_DIRECTORY
!define MUI_PAGE_CUSTOMFUNCTION_SHOW KeepCaption
!insertmacro MUI_PAGE_INSTFILES
Page custom LanguagePicker
!define MUI_PAGE_CUSTOMFUNCTION_SHOW KeepCaption
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

; Sets $R0 to 1 while a process runs the installed program, else 0. Uses $0 to $6.
!macro PROGRAM_RUNNING_FUNCTION prefix
Function ${prefix}ProgramRunning
  StrCpy $R0 0
  System::Alloc 16384
  Pop $0
  System::Call "psapi::EnumProcesses(p r0, i 16384, *i .r1) i .r2"
  ${If} $2 == 0
    StrCpy $1 0
  ${EndIf}
  StrCpy $3 0
  ${DoWhile} $3 < $1
    IntPtrOp $4 $0 + $3
    System::Call "*$4(i .r5)"
    System::Call "kernel32::OpenProcess(i 0x1000, i 0, i r5) p .r4"  ; query limited information
    ${If} $4 P<> 0
      StrCpy $6 ""
      System::Call "kernel32::QueryFullProcessImageNameW(p r4, i 0, w .r6, *i ${NSIS_MAX_STRLEN})"
      System::Call "kernel32::CloseHandle(p r4)"
      ${If} $6 == "$INSTDIR\${EXE}"
        StrCpy $R0 1
      ${EndIf}
    ${EndIf}
    IntOp $3 $3 + 4
  ${Loop}
  System::Free $0
FunctionEnd

; Asks every instance of the installed program to end ("/close" waits for them) and then
; waits, within a bound, until no process runs it: only then can its files be replaced or
; removed. Sets $R0 to 1 when one is still running.
Function ${prefix}CloseProgram
  StrCpy $R0 0
  ${If} ${FileExists} "$INSTDIR\${EXE}"
    ExecWait '"$INSTDIR\${EXE}" /close'
    StrCpy $R1 0
    ${Do}
      Call ${prefix}ProgramRunning
      ${If} $R0 == 0
      ${OrIf} $R1 >= ${CLOSE_STEPS}
        ${Break}
      ${EndIf}
      Sleep 100
      IntOp $R1 $R1 + 1
    ${Loop}
  ${EndIf}
FunctionEnd
!macroend
!insertmacro PROGRAM_RUNNING_FUNCTION ""
!insertmacro PROGRAM_RUNNING_FUNCTION "un."

Section "Kelvra Zavora"
  SetRegView 64
  SetShellVarContext all
  Call CloseProgram
  ${If} $R0 == 1
    MessageBox MB_OK|MB_ICONEXCLAMATION "${PRODUCT} is still running and could not be updated. Please end it and run Setup again." /SD IDOK
    Abort
  ${EndIf}

  SetOutPath "$INSTDIR"
  File "${PROGRAM_DIR}\${EXE}"
  File "${PROGRAM_DIR}\characters.dat"
  File "${PROGRAM_DIR}\groups.dat"
  File "${PROGRAM_DIR}\data.dat"
  File "${PROGRAM_DIR}\order.dat"
  !if /FileExists "${PROGRAM_DIR}\zavorahelp.chm"
    File "${PROGRAM_DIR}\zavorahelp.chm"
  !endif
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  CreateShortCut "${SHORTCUT}" "$INSTDIR\${EXE}" "" "$INSTDIR\${EXE}" 0
  ; At logon the service instance starts; the AutoStart setting decides whether the
  ; program itself follows.
  WriteRegStr HKLM "${RUN_KEY}" "${PRODUCT}" '"$INSTDIR\${EXE}" /service'

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${EXE},0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1

  ; User languages, disabled keys and the running instances' command boxes are kept for
  ; the whole machine; the program runs with its user's rights, so the key is opened to
  ; the Users group once, here, while Setup is elevated.
  ExecWait '"$INSTDIR\${EXE}" /grantusers' $0
  ${If} $0 != 0
    DetailPrint "Could not open ${SETTINGS_KEY} to all users (error $0)."
    MessageBox MB_OK|MB_ICONEXCLAMATION "Setup could not let every user change the shared settings (error $0). Only administrators will be able to save languages and the disabled keys." /SD IDOK
  ${EndIf}
SectionEnd

Function KeepCaption
  SendMessage $HWNDPARENT ${WM_SETTEXT} 0 "STR:Setup - ${PRODUCT}"
FunctionEnd

; After the files are in place and while the wizard is still on screen, the first-run
; picker asks which languages the user writes; it lays itself over the wizard. Nothing is
; shown here: the page only runs it, and a silent install keeps the default languages.
Function LanguagePicker
  ${IfNot} ${Silent}
    ExecWait '"$INSTDIR\${EXE}" /setup'
  ${EndIf}
FunctionEnd

; A fresh install starts the program as it starts at logon, with the tutorial's switch.
Function .onInstSuccess
  Exec '"$INSTDIR\${EXE}" /service /install'
FunctionEnd

Section "Uninstall"
  SetRegView 64
  SetShellVarContext all
  Call un.CloseProgram

  Delete /REBOOTOK "$INSTDIR\${EXE}"
  Delete "$INSTDIR\characters.dat"
  Delete "$INSTDIR\groups.dat"
  Delete "$INSTDIR\data.dat"
  Delete "$INSTDIR\order.dat"
  Delete "$INSTDIR\zavorahelp.chm"
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir /REBOOTOK "$INSTDIR"
  Delete "${SHORTCUT}"
  DeleteRegValue HKLM "${RUN_KEY}" "${PRODUCT}"
  ; The command boxes of instances that have ended mean nothing any more.
  DeleteRegValue HKLM "${SETTINGS_KEY}" "CommHwds"

  ; The user's own languages and settings are theirs: they go only when the user says so,
  ; and never in a silent uninstall.
  MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 "Also delete your own languages and the settings of ${PRODUCT}?$\n$\nChoose No to keep them for a later installation." /SD IDNO IDNO keepSettings
    DeleteRegKey HKLM "${SETTINGS_KEY}"
    DeleteRegKey /ifempty HKLM "Software\Kelvra"
    DeleteRegKey HKCU "${SETTINGS_KEY}"
    DeleteRegKey /ifempty HKCU "Software\Kelvra"
  keepSettings:

  ; Last, so that an uninstall cut short can be started again from the system's list.
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
