# Sourced by scripts/windows: tests the Windows build under Wine, with the same scenario checker and
# real-window check as on Linux, and the installer silently installed and uninstalled.

windows_check() { # windows_check WHAT COMMAND...: runs one check and counts it
    local what="$1"
    shift
    ((windows_total += 1))
    if "$@" >"$out/check.log" 2>&1; then
        ((windows_passed += 1))
        echo "  ok: $what"
    else
        echo "  FAILED: $what"
        grep -v 'Read access denied for device' "$out/check.log" | tail -n 30
    fi
}

# wine_window SCRIPT PROGRAM SCREENSHOT: PROGRAM in a real window on a virtual screen, looked at and closed
# with its close box, through a small launcher script.
wine_window() {
    printf '#!/bin/sh\nexec wine "%s"\n' "$2" >"$1"
    chmod +x "$1"
    # A Wine session started without a display (the scenarios) cannot open windows: end it first.
    wineserver -k 2>/dev/null || true
    xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" "$build/tests/realwindow/realwindow_test" "$1" "$3"
    local status=$?
    wineserver -k 2>/dev/null || true
    return $status
}

# reg_default KEY: the key's default value as `wine reg query` prints it; nothing when there is no such key.
reg_default() {
    wine reg query "$1" /ve 2>/dev/null | tr -d '\r' | sed -n 's/^ *(Default) *REG_SZ *//p'
}

installed() {
    test -f "$prefix/drive_c/Program Files/Varnel/varnel.exe" &&
        test -f "$prefix/drive_c/Program Files/Varnel/platforms/qwindows.dll" &&
        test -f "$prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/工程设计收费计算 (Varnel).lnk" &&
        wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Varnel' /v DisplayVersion |
        grep -q "$version" &&
        # Project files open with the installed program, for every user.
        [ "$(reg_default 'HKLM\Software\Classes\.varnel')" = Varnel.Project ] &&
        [ -n "$(reg_default 'HKLM\Software\Classes\Varnel.Project')" ] &&
        [ "$(reg_default 'HKLM\Software\Classes\Varnel.Project\DefaultIcon')" = 'C:\Program Files\Varnel\varnel.exe,0' ] &&
        [ "$(reg_default 'HKLM\Software\Classes\Varnel.Project\shell\open\command')" = \
            '"C:\Program Files\Varnel\varnel.exe" "%1"' ] &&
        # The installed program keeps its settings in the user's profile, not in a varnel.ini beside it.
        ! test -e "$prefix/drive_c/Program Files/Varnel/varnel.ini"
}

uninstalled() {
    wine "$prefix/drive_c/Program Files/Varnel/uninstall.exe" /S
    # The uninstaller copies itself away and finishes in the background.
    for _ in $(seq 1 60); do
        [ -e "$prefix/drive_c/Program Files/Varnel" ] || break
        sleep 0.5
    done
    wineserver -w
    ! test -e "$prefix/drive_c/Program Files/Varnel" &&
        ! test -e "$prefix/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/工程设计收费计算 (Varnel).lnk" &&
        ! wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Varnel' >/dev/null 2>&1 &&
        ! wine reg query 'HKLM\Software\Classes\.varnel' >/dev/null 2>&1 &&
        ! wine reg query 'HKLM\Software\Classes\Varnel.Project' >/dev/null 2>&1
}

run_windows_tests() {
    echo "== Varnel for Windows under Wine"
    local started=$SECONDS
    windows_passed=0
    windows_total=0
    # The checkers are the Linux build's own.
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$build" -j"$(nproc)" --target scriptcheck realwindow_test >/dev/null

    local test_folder="$out/test"
    deploy "$test_folder" "$out/varnel.exe" "$out/varnel-script.exe"
    cp "$windows_qt/bin/Qt6Test.dll" "$test_folder/"
    cp "$windows_qt/plugins/platforms/qoffscreen.dll" "$test_folder/platforms/"

    export WINEPREFIX="$out/wine-prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    prefix="$WINEPREFIX"
    if [ ! -d "$prefix/drive_c" ]; then
        wineboot -i >/dev/null 2>&1
        wineserver -w
        # Wine's own Latin fonts, for the window frames and Wine's dialogs.
        cp /usr/share/wine/fonts/{tahoma,tahomabd,marlett}.ttf "$prefix/drive_c/windows/Fonts/" 2>/dev/null || true
        # This prefix has no Chinese system fonts: what Wine itself draws (the installer's pages, message
        # box captions) uses the host's Noto CJK in their place.
        local face
        for face in Tahoma "MS Shell Dlg" "MS Shell Dlg 2" SimSun 宋体; do
            wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d "Noto Sans CJK SC" /f >/dev/null 2>&1
        done
        wineserver -w
    fi
    # The offscreen platform reads its fonts from one folder: the CJK fonts the Linux build uses.
    export WINEQT_QPA_FONTDIR='Z:\usr\share\fonts\opentype\noto'

    local scenario
    for scenario in "$root"/tests/scripts/*.vs; do
        windows_check "scenario $(basename "$scenario")" env WINEQT_QPA_PLATFORM=offscreen \
            "$build/tests/scripts/scriptcheck" "$test_folder/varnel-script.exe" "$scenario" wine
    done

    windows_check "varnel.exe in a real window (screenshot build-windows/varnel-wine.png)" \
        wine_window "$out/run-varnel.sh" "$test_folder/varnel.exe" "$out/varnel-wine.png"

    windows_check "the zip's folder keeps its settings in varnel.ini beside varnel.exe" \
        bash -c 'zip -sf "$0" | grep -qx "  Varnel/varnel.ini"' "$zip_file"
    windows_check "the installer installs silently" bash -c 'wine "$0" /S && wineserver -w' "$setup"
    windows_check "it puts varnel.exe, the Start-menu entry, the uninstaller's entry and the .varnel type in place" \
        installed
    windows_check "the installed program starts in a real window and ends when closed" \
        wine_window "$out/run-installed.sh" "$prefix/drive_c/Program Files/Varnel/varnel.exe" "$out/varnel-installed.png"
    windows_check "the uninstaller removes it all" uninstalled

    local result=passed
    [ "$windows_passed" -eq "$windows_total" ] || result=FAILED
    echo "== Summary"
    printf '  %-11s %-7s %3d of %3d tests passed  %2d min %02d s (build %d min %02d s)\n' windows "$result" \
        "$windows_passed" "$windows_total" "$(((SECONDS - started) / 60))" "$(((SECONDS - started) % 60))" \
        "$((build_time / 60))" "$((build_time % 60))"
    [ "$result" = passed ]
}
