; The installer of Vorn for Windows, made by tools/windows/make-installer.sh
; with Debian's NSIS from the folder of the portable package (the working
; directory). It installs for the current user alone, without administrator
; rights; the game starts in a folder of that user's that it can write its
; top-players table to. An earlier version is removed whole, by its own
; uninstaller, before this one is copied. The uninstaller removes every file
; installed and leaves the table. Neither runs while the game does.
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
; The title of the game's window, which never changes: while a window has it,
; the game's files are in use.
!define GAME_WINDOW "Vorn v2.00"
; What the installer and the uninstaller end with when they leave things as
; they were (a silent run shows no message).
!define EXIT_REFUSED 2
; A locked file would otherwise offer to skip it and leave two versions mixed.
AllowSkipFiles off

Name "Vorn"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Vorn"
; An upgrade goes where the player put the earlier version.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
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

!macro REFUSE_WHILE_THE_GAME_RUNS UN
Function ${UN}RefuseWhileTheGameRuns
    again:
    FindWindow $0 "" "${GAME_WINDOW}"
    StrCmp $0 0 done
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Vorn is running. Close the game, then choose Retry." \
        /SD IDCANCEL IDRETRY again
    SetErrorLevel ${EXIT_REFUSED}
    Quit
    done:
FunctionEnd
!macroend
!insertmacro REFUSE_WHILE_THE_GAME_RUNS ""
!insertmacro REFUSE_WHILE_THE_GAME_RUNS "un."

Function .onInit
    SetShellVarContext current
    Call RefuseWhileTheGameRuns
FunctionEnd

Function un.onInit
    SetShellVarContext current
    Call un.RefuseWhileTheGameRuns
FunctionEnd

; An earlier version goes whole before this one is copied, wherever it lies:
; its own uninstaller knows its files. Run in its own folder (_?=), it
; returns only when done, and leaves itself and the folder to this one.
Function RemoveEarlierVersion
    ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    StrCmp $0 "" done
    IfFileExists "$0\uninstall.exe" 0 done
    ClearErrors
    ExecWait '"$0\uninstall.exe" /S _?=$0' $1
    IfErrors failed
    StrCmp $1 0 0 failed
    Delete "$0\uninstall.exe"
    RMDir "$0"
    Goto done
    failed:
    MessageBox MB_OK|MB_ICONSTOP "The Vorn installed in $0 could not be removed whole, so this one was not \
        installed. Close any program that uses its files, then run this setup again." /SD IDOK
    SetErrorLevel ${EXIT_REFUSED}
    Quit
    done:
FunctionEnd

; As the Start menu entry starts it: in the table's folder.
Function StartGame
    SetOutPath "${TABLE_FOLDER}"
    Exec '"$INSTDIR\vorn.exe"'
FunctionEnd

Section "Vorn"
    Call RemoveEarlierVersion
    ; The uninstaller and its key come first: a copy cut short is still this
    ; version, and can be removed.
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\uninstall.exe"
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
    !include "${INSTALL_FILES}"

    ; A shortcut starts its program in the output path of the moment.
    CreateDirectory "${TABLE_FOLDER}"
    SetOutPath "${TABLE_FOLDER}"
    CreateShortCut "$SMPROGRAMS\Vorn.lnk" "$INSTDIR\vorn.exe" "" "$INSTDIR\vorn.exe" 0
SectionEnd

; What the uninstaller could not remove, a line each.
Var notRemoved
Var foldersLeft

!macro RemoveInstalledFile FILE
    ClearErrors
    Delete "${FILE}"
    IfErrors 0 +2
    StrCpy $notRemoved "$notRemoved$\r$\n${FILE}"
!macroend

; A folder that still holds a file the player put there stays.
!macro RemoveInstalledFolder FOLDER
    IfFileExists "${FOLDER}\*.*" 0 +5
    ClearErrors
    RMDir "${FOLDER}"
    IfErrors 0 +2
    StrCpy $foldersLeft "$foldersLeft$\r$\n${FOLDER}"
!macroend

; Exactly the files installed go; the table's folder and the table stay.
; While an installed file is left, so are this uninstaller, the Start menu
; entry and the key in the apps list: they are how the player tries again.
Section "Uninstall"
    StrCpy $notRemoved ""
    StrCpy $foldersLeft ""
    !include "${UNINSTALL_FILES}"
    StrCmp $notRemoved "" allRemoved
    MessageBox MB_OK|MB_ICONSTOP "Vorn could not remove these files:$notRemoved$\r$\n$\r$\n\
        Close any program that uses them, then uninstall Vorn again." /SD IDOK
    SetErrorLevel ${EXIT_REFUSED}
    Return
    allRemoved:
    Delete "$SMPROGRAMS\Vorn.lnk"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    ; Run in place by a newer installer (_?=), it cannot remove itself nor
    ; its folder: that installer does.
    Delete "$INSTDIR\uninstall.exe"
    StrCmp $EXEDIR $INSTDIR done
    !insertmacro RemoveInstalledFolder "$INSTDIR"
    StrCmp $foldersLeft "" done
    MessageBox MB_OK|MB_ICONINFORMATION "Vorn was removed. These folders stay, as they hold files that Vorn did not \
        install:$foldersLeft" /SD IDOK
    done:
SectionEnd
