# Shared by scripts/run and scripts/test: install what is missing, then build.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VARNEL_BUILD_DIR:-$root/build}"

# Debian packages the build, the Debian package (dpkg-shlibdeps), the tests and the screenshots need.
packages=(g++ cmake make pkg-config clang-format qt6-base-dev libgl-dev fonts-noto-cjk libgtest-dev libbenchmark-dev
          xvfb xauth x11-utils imagemagick valgrind clang libclang-rt-14-dev desktop-file-utils libx11-dev
          qt6-translations-l10n poppler-utils lintian dpkg-dev openbox at-spi2-core dbus python3-pyatspi python3-fonttools)

install_missing() {
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

build_release() {
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
    build_with_progress "$build" release
}

# Qt programs started without a desktop session want a private runtime folder; give them one.
if [ -z "${XDG_RUNTIME_DIR:-}" ] || [ ! -w "${XDG_RUNTIME_DIR:-/nonexistent}" ]; then
    XDG_RUNTIME_DIR="$(mktemp -d "${TMPDIR:-/tmp}/varnel-runtime-XXXXXX")"
    chmod 700 "$XDG_RUNTIME_DIR"
    export XDG_RUNTIME_DIR
    trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi
