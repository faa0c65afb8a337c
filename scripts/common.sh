# Shared by scripts/run and scripts/test: install what is missing, then build.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VARNEL_BUILD_DIR:-$root/build}"

# Debian packages the build, the tests and the screenshots need.
packages=(g++ cmake make pkg-config qt6-base-dev libgl-dev fonts-noto-cjk libgtest-dev libbenchmark-dev
          xvfb xauth x11-utils imagemagick valgrind clang libclang-rt-14-dev desktop-file-utils libx11-dev
          qt6-translations-l10n poppler-utils lintian)

install_missing() {
    local missing=()
    for p in "${packages[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

build_release() {
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$build" -j"$(nproc)"
}
