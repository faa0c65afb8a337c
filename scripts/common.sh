# Shared by scripts/run and scripts/test: install what is missing, then build.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VARNEL_BUILD_DIR:-$root/build}"

# Debian packages the build, the Debian package (dpkg-shlibdeps), the tests and the screenshots need.
packages=(g++ cmake make pkg-config clang-format qt6-base-dev libgl-dev fonts-noto-cjk libgtest-dev libbenchmark-dev
          xvfb xauth x11-utils imagemagick valgrind clang libclang-rt-14-dev desktop-file-utils libx11-dev
          qt6-translations-l10n poppler-utils lintian dpkg-dev man-db groff-base openbox at-spi2-core dbus python3-pyatspi python3-fonttools)
# The workbook: libxlsxwriter's build (zlib; dpkg-dev above unpacks its source), and its test (a reader, the
# data to make a decimal-comma locale, and a spreadsheet program that recalculates it and prints it to PDF).
packages+=(gcc zlib1g-dev python3-openpyxl locales libreoffice-calc-nogui)

# Installs the Debian packages that are missing (the list above and any named), then builds libxlsxwriter
# for Linux where the cache does not hold it yet.
install_missing() {
    install_packages "$@"
    build_xlsxwriter linux "-DCMAKE_C_FLAGS=$xlsxwriter_hardening"
}

install_packages() {
    local missing=()
    for p in "${packages[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    echo "Installing what is missing: ${missing[*]}"
    echo "  reading the package lists"
    $sudo apt-get update -qq
    local total
    total=$(apt-get install -s --no-install-recommends "${missing[@]}" 2>/dev/null | grep -c '^Inst ' || true)
    echo "  $total packages to install with what they need (a few minutes on a fresh machine)"
    # apt's own output is long; one line per tenth of the packages set up says how far it is.
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends \
        -o Dpkg::Use-Pty=0 "${missing[@]}" 2>&1 |
        awk -v total="$total" '/^Setting up / { done++; if (total > 0 && done * 10 >= (shown + 1) * total) {
                                   shown = int(done * 10 / total); printf "  %d of %d set up\n", done, total; fflush() } }
                               /^E: / { print }'
    [ "${PIPESTATUS[0]}" -eq 0 ]
}

# libxlsxwriter writes the project's workbook (.xlsx). Debian's shared library writes numbers with C's "%.16G"
# in the current locale: 0.1 + 0.2 reads back as 0.3, and a decimal-comma locale writes "0,3". So the programs
# link a static one, built once from Debian's own source package with its exact, locale-independent number
# writer (USE_DTOA_LIBRARY), into the cache folder: xlsxwriter-linux here, xlsxwriter-mingw64 by
# scripts/windows. CMake looks for it there (VARNEL_XLSXWRITER). Remove the folder to build it again.
varnel_cache="${XDG_CACHE_HOME:-$HOME/.cache}/varnel"
xlsxwriter_options=(-DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF -DUSE_DTOA_LIBRARY=ON -DCMAKE_INSTALL_LIBDIR=lib)

# The programs link it, so it is compiled with the hardening flags of Debian's that apply to compiling
# (dpkg-buildflags with hardening=+all; cmake/hardening.cmake gives the same to Varnel's own code): the
# stack protector and fortified calls. The program's link brings RELRO and -z now.
xlsxwriter_hardening="-fstack-protector-strong -D_FORTIFY_SOURCE=2"

# Fetches Debian's libxlsxwriter source once into the cache and sets xlsxwriter_src to its folder.
fetch_xlsxwriter_source() {
    local dir="$varnel_cache/xlsxwriter-source"
    xlsxwriter_src=""
    [ -d "$dir" ] && xlsxwriter_src="$(find "$dir" -mindepth 1 -maxdepth 1 -type d -name 'libxlsxwriter-*' | head -n 1)"
    [ -n "$xlsxwriter_src" ] && return 0
    # apt-get source needs deb-src entries; the Qt-for-Windows script adds them beside the deb entries.
    source "$root/scripts/windows-qt.sh"
    add_source_entries
    echo "Fetching Debian's libxlsxwriter source into $dir"
    local work="$dir.part"
    rm -rf "$work"
    mkdir -p "$work"
    (cd "$work" && apt-get source -qq libxlsxwriter >"$work/fetch.log" 2>&1) || { cat "$work/fetch.log"; return 1; }
    rm -rf "$dir"
    mv "$work" "$dir"
    xlsxwriter_src="$(find "$dir" -mindepth 1 -maxdepth 1 -type d -name 'libxlsxwriter-*' | head -n 1)"
}

# build_xlsxwriter FLAVOUR [CMAKE-OPTION...]: builds the static library for FLAVOUR (linux, mingw64) with the
# options given, unless the cache holds it built from the same source in the same way.
build_xlsxwriter() {
    local flavour="$1"
    shift
    local prefix="$varnel_cache/xlsxwriter-$flavour"
    fetch_xlsxwriter_source
    local recipe
    recipe="$(basename "$(dirname "$xlsxwriter_src")"/*.dsc) ${xlsxwriter_options[*]} $*"
    recipe="${recipe//"$root"/<checkout>}"
    if [ -f "$prefix/lib/libxlsxwriter.a" ] && [ "$(cat "$prefix/varnel-recipe" 2>/dev/null)" = "$recipe" ]; then
        return 0
    fi
    echo "Building libxlsxwriter for $flavour (static, exact numbers) into $prefix"
    local work="$varnel_cache/xlsxwriter-$flavour-build"
    rm -rf "$work" "$prefix"
    mkdir -p "$work"
    { cmake -S "$xlsxwriter_src" -B "$work" -DCMAKE_INSTALL_PREFIX="$prefix" "${xlsxwriter_options[@]}" "$@" &&
        cmake --build "$work" -j"$(nproc)" && cmake --install "$work"; } >"$work/build.log" 2>&1 ||
        { tail -n 40 "$work/build.log"; return 1; }
    echo "$recipe" >"$prefix/varnel-recipe"
    rm -rf "$work"
}

# Builds BUILD-DIR, printing the build's progress at each tenth and every warning or error in full.
build_with_progress() {
    local dir="$1" label="$2"
    cmake --build "$dir" -j"$(nproc)" 2>&1 |
        awk -v label="$label" '/^\[ *[0-9]+%\]/ { p = substr($0, 2, index($0, "%") - 2) + 0;
                                   if (p >= shown + 10) { shown = p - p % 10; printf "  %s: %d%% built\n", label, shown; fflush() }
                                   next }
                               { print; fflush() }'
    [ "${PIPESTATUS[0]}" -eq 0 ]
}

# The release build of scripts/run, test and package: the one the Debian package is made from, so optimised
# and hardened (cmake/hardening.cmake), and like every build the scripts make, a warning fails it.
build_release() {
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
    build_with_progress "$build" release
}

# Qt programs started without a desktop session want a private runtime folder; give them one.
if [ -z "${XDG_RUNTIME_DIR:-}" ] || [ ! -w "${XDG_RUNTIME_DIR:-/nonexistent}" ]; then
    XDG_RUNTIME_DIR="$(mktemp -d "${TMPDIR:-/tmp}/varnel-runtime-XXXXXX")"
    chmod 700 "$XDG_RUNTIME_DIR"
    export XDG_RUNTIME_DIR
    trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi
