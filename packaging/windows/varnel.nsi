; The Windows installer of Varnel, in Simplified Chinese: installs the portable folder into
; Program Files\Varnel for the whole machine, with a Start-menu entry, an optional desktop shortcut and an
; uninstaller that Apps & features lists. scripts/windows builds it with:
;   makensis -DVERSION=1.0.0 -DSOURCE=<portable folder> -DICON=<varnel.ico> -DSIZE_KB=<size>
;            -DUNINSTALL_LIST=<file> -DOUTFILE=<setup.exe> varnel.nsi
; UNINSTALL_LIST removes exactly the files and folders installed, so that a folder chosen by hand that
; holds other files keeps them.
; Project files (.varnel) open with Varnel for every user: the extension names the ProgID Varnel.Project,
; whose command passes the file to varnel.exe.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include "MUI2.nsh"
!include "x64.nsh"
!include "LogicLib.nsh"

!define NAME "Varnel"
!define TITLE "工程设计收费计算 (Varnel)"
!define PUBLISHER "Varnel 开发组"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Varnel"
!define PROGID "Varnel.Project"
!define PROGID_KEY "Software\Classes\${PROGID}"
!define EXTENSION_KEY "Software\Classes\.varnel"
; SHChangeNotify's SHCNE_ASSOCCHANGED: Explorer reads the file associations again.
!define SHCNE_ASSOCCHANGED 0x08000000

Name "${TITLE}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Varnel"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${NAME} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=2052 "ProductName" "${NAME}"
VIAddVersionKey /LANG=2052 "FileDescription" "${TITLE} 安装程序"
VIAddVersionKey /LANG=2052 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=2052 "LegalCopyright" "GPL-3.0-or-later"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\varnel.exe"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${SOURCE}\licences\LICENSE.txt"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"

Function .onInit
    SetShellVarContext all
    SetRegView 64
FunctionEnd

Function un.onInit
    SetShellVarContext all
    SetRegView 64
FunctionEnd

Section "!${TITLE}" SectionProgram
    SectionIn RO
    SetOutPath "$INSTDIR"
    File /r "${SOURCE}\*.*"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\${TITLE}.lnk" "$INSTDIR\varnel.exe" "" "$INSTDIR\varnel.exe" 0
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${TITLE}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\varnel.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}

    WriteRegStr HKLM "${PROGID_KEY}" "" "工程设计收费项目"
    WriteRegStr HKLM "${PROGID_KEY}\DefaultIcon" "" "$INSTDIR\varnel.exe,0"
    WriteRegStr HKLM "${PROGID_KEY}\shell\open\command" "" '"$INSTDIR\varnel.exe" "%1"'
    WriteRegStr HKLM "${EXTENSION_KEY}" "" "${PROGID}"
    WriteRegStr HKLM "${EXTENSION_KEY}" "Content Type" "application/x-varnel-project"
    WriteRegStr HKLM "${EXTENSION_KEY}\OpenWithProgids" "${PROGID}" ""
    System::Call 'shell32::SHChangeNotify(i ${SHCNE_ASSOCCHANGED}, i 0, p 0, p 0)'
SectionEnd

Section "桌面快捷方式" SectionDesktop
    CreateShortcut "$DESKTOP\${TITLE}.lnk" "$INSTDIR\varnel.exe" "" "$INSTDIR\varnel.exe" 0
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
    !insertmacro MUI_DESCRIPTION_TEXT ${SectionProgram} "程序、Qt 运行库和许可证文本。"
    !insertmacro MUI_DESCRIPTION_TEXT ${SectionDesktop} "在桌面上放一个启动 Varnel 的快捷方式。"
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Section "Uninstall"
    Delete "$SMPROGRAMS\${TITLE}.lnk"
    Delete "$DESKTOP\${TITLE}.lnk"
    !include "${UNINSTALL_LIST}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"

    DeleteRegKey HKLM "${PROGID_KEY}"
    ; .varnel goes with Varnel while it still names Varnel's ProgID; where another program has taken it
    ; since, only Varnel's entry among the programs that open it goes.
    ReadRegStr $0 HKLM "${EXTENSION_KEY}" ""
    ${If} $0 == "${PROGID}"
        DeleteRegKey HKLM "${EXTENSION_KEY}"
    ${Else}
        DeleteRegValue HKLM "${EXTENSION_KEY}\OpenWithProgids" "${PROGID}"
        DeleteRegKey /ifempty HKLM "${EXTENSION_KEY}\OpenWithProgids"
    ${EndIf}
    System::Call 'shell32::SHChangeNotify(i ${SHCNE_ASSOCCHANGED}, i 0, p 0, p 0)'
SectionEnd
