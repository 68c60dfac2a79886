; The installer of Vorn for Windows, made by tools/windows/package.sh with
; Debian's NSIS from the folder of the portable package (the working
; directory). It installs for the current user alone, without administrator
; rights; the game starts in a folder of that user's that it can write its
; top-players table to. The uninstaller removes every file installed and
; leaves the table.
;   makensis -NOCD -DVERSION=.. -DOUTFILE=.. -DICON=.. -DINSTALL_FILES=..
;            -DUNINSTALL_FILES=.. -DESTIMATED_SIZE_KB=.. installer.nsi
; A 64-bit installer for a 64-bit program: it runs where the program can.
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vorn"
; Where the game starts, and so where its table "Vorn.nrz" lives.
!define TABLE_FOLDER "$APPDATA\Vorn"

Name "Vorn"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Vorn"
BrandingText "Vorn ${VERSION}"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "Vorn"
VIAddVersionKey "FileDescription" "Vorn ${VERSION} setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "CompanyName" "the Vorn team"
VIAddVersionKey "LegalCopyright" "Copyright (c) 2026 the Vorn team, MIT License"

!include "MUI2.nsh"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Start Vorn"
!define MUI_FINISHPAGE_RUN_FUNCTION StartGame
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Function .onInit
    SetShellVarContext current
FunctionEnd

Function un.onInit
    SetShellVarContext current
FunctionEnd

; As the Start menu entry starts it: in the table's folder.
Function StartGame
    SetOutPath "${TABLE_FOLDER}"
    Exec '"$INSTDIR\vorn.exe"'
FunctionEnd

Section "Vorn"
    !include "${INSTALL_FILES}"
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    ; A shortcut starts its program in the output path of the moment.
    CreateDirectory "${TABLE_FOLDER}"
    SetOutPath "${TABLE_FOLDER}"
    CreateShortCut "$SMPROGRAMS\Vorn.lnk" "$INSTDIR\vorn.exe" "" "$INSTDIR\vorn.exe" 0

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Vorn"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "the Vorn team"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\vorn.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" ${ESTIMATED_SIZE_KB}
SectionEnd

; Exactly the files installed go; the table's folder and the table stay.
Section "Uninstall"
    !include "${UNINSTALL_FILES}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\Vorn.lnk"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
