# Sourced by scripts/windows: builds Qt for Windows once, from Debian's own qt6-base source package, into a
# cache folder outside the repository, and reuses it on every later run.

qt_version="$(dpkg-query -W -f='${Version}' qt6-base-dev | sed 's/+.*//')"
cache="${XDG_CACHE_HOME:-$HOME/.cache}/varnel"
windows_qt="$cache/qt-$qt_version-mingw64"

# apt-get source needs deb-src entries; they mirror the machine's deb entries, in a file of their own.
add_source_entries() {
    local list=/etc/apt/sources.list.d/varnel-deb-src.sources
    if grep -rqs '^Types:.*deb-src\|^deb-src ' /etc/apt/sources.list /etc/apt/sources.list.d/; then
        return 0
    fi
    echo "Adding deb-src entries beside the machine's deb entries ($list)"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    {
        for f in /etc/apt/sources.list.d/*.sources; do
            [ -e "$f" ] && sed 's/^Types: *deb$/Types: deb-src/' "$f" && echo
        done
        if [ -f /etc/apt/sources.list ]; then
            grep -E '^deb ' /etc/apt/sources.list | sed -E 's/^deb (.*)/Types: deb-src\nURIs: \1/' |
                awk '/^URIs:/ {split($0, w, " "); print "URIs: " w[2]; printf "Suites: %s\nComponents:", w[3];
                     for (i = 4; i <= length(w); i++) printf " %s", w[i]; print "\n"; next} {print}'
        fi
    } | $sudo tee "$list" >/dev/null
    $sudo apt-get update -qq
}

# Whether Qt for Windows is built and cached.
windows_qt_cached() {
    [ -f "$windows_qt/lib/cmake/Qt6/Qt6Config.cmake" ]
}

build_windows_qt() {
    if windows_qt_cached; then
        echo "Qt $qt_version for Windows: cached in $windows_qt"
        return 0
    fi
    add_source_entries
    # An interrupted build is taken up again where it stopped.
    local work="$cache/qt-$qt_version-build"
    local src=""
    [ -d "$work" ] && src="$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)"
    if [ -z "$src" ]; then
        rm -rf "$work"
        mkdir -p "$work"
        echo "Fetching Debian's qt6-base $qt_version source"
        (cd "$work" && apt-get source -qq "qt6-base=$(dpkg-query -W -f='${Version}' qt6-base-dev)" >/dev/null 2>&1)
        src="$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)"
    fi
    echo "Building Qt $qt_version for Windows (Core, Gui, Widgets, PrintSupport, Test) — about 20 minutes"
    local started=$SECONDS
    # Only what Varnel uses. Debian's source lacks wintab, which the Windows tablet code needs; with direct2d
    # off PrintSupport does not link, so direct2d stays on without its 1.1 parts.
    cmake -S "$src" -B "$work/build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$windows_qt" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DBUILD_SHARED_LIBS=ON \
        -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_dbus=OFF -DFEATURE_sql=OFF -DFEATURE_network=OFF \
        -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_vulkan=OFF -DFEATURE_tabletevent=OFF \
        -DFEATURE_direct2d=ON -DFEATURE_direct2d1_1=OFF -DFEATURE_jpeg=ON \
        -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF \
        -DFEATURE_system_freetype=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
        -DFEATURE_system_doubleconversion=OFF >"$work/configure.log" 2>&1 ||
        { tail -n 40 "$work/configure.log"; return 1; }
    cmake --build "$work/build" -j"$(nproc)" | awk '/^\[[0-9]+\/[0-9]+\]/ {
        split(substr($1, 2), n, "/"); p = int(100 * n[1] / n[2]);
        if (p >= shown + 10) { shown = p - p % 10; printf "  Qt for Windows: %d%% (%s steps)\n", shown, substr($1, 2, length($1) - 2); fflush() } }
        /FAILED:|error:/ {print}'
    [ "${PIPESTATUS[0]}" -eq 0 ] || return 1
    cmake --install "$work/build" >/dev/null
    cp "$src/LICENSES/LGPL-3.0-only.txt" "$windows_qt/LICENSE.LGPL3" 2>/dev/null || true
    rm -rf "$work"
    echo "Qt for Windows built in $(((SECONDS - started) / 60)) min $(((SECONDS - started) % 60)) s: $windows_qt"
}
