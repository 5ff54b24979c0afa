# Shared by play.sh and test.sh: installs what is missing from Debian's packages, then
# configures and builds the game in build/. Sourced, not run.

FISHTANK_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
FISHTANK_BUILD=${FISHTANK_BUILD:-$FISHTANK_ROOT/build}

# What building and playing the game need, and nothing more.
FISHTANK_PACKAGES="cmake g++ make pkg-config libogre-1.12-dev libois-dev libsdl2-dev
    libx11-dev libgl-dev zlib1g-dev libprotobuf-dev protobuf-compiler fonts-dejavu-core
    libgl1-mesa-dri xfonts-base"
# What the tests need besides: the test framework, an X server of their own, real input,
# pixel checks, a window manager, Debian's checkers for the package and its files, and
# clang with libFuzzer and its sanitizer runtimes for the fuzzers.
FISHTANK_TEST_PACKAGES="libgtest-dev libgmock-dev xvfb xdotool imagemagick x11-utils
    x11-xserver-utils python3 dpkg-dev file openbox wmctrl lintian desktop-file-utils
    appstream man-db apitrace clang-14 libclang-rt-14-dev libfuzzer-14-dev"

as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    else
        sudo "$@"
    fi
}

# Installs the named Debian packages that are not installed yet; quick when none are missing.
install_missing() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        as_root apt-get update -qq
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
            "${missing[@]}"
    fi
}

# Configures once (again only when asked for other options) and builds what changed.
build_game() {
    cmake -S "$FISHTANK_ROOT" -B "$FISHTANK_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$FISHTANK_BUILD" -j "$(nproc)"
}
