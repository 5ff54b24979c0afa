#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the unit tests and the real game
# played under Xvfb, then the same in a sanitizer build, then every reader of outside bytes
# fuzzed for a bounded time.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
install_missing $FISHTANK_PACKAGES $FISHTANK_TEST_PACKAGES
build_game -DFISHTANK_TESTS=ON
(cd "$FISHTANK_BUILD" && ctest --output-on-failure -j "$(nproc)")

# Again with AddressSanitizer and UndefinedBehaviorSanitizer: the unit tests with leak
# checks, and the real game under a minute of random input.
FISHTANK_BUILD=$FISHTANK_ROOT/build-sanitize
build_game -DFISHTANK_TESTS=ON -DFISHTANK_SANITIZE=ON
(cd "$FISHTANK_BUILD" && ctest --output-on-failure -j "$(nproc)")

# Every reader of bytes from outside the game fuzzed with clang's libFuzzer under the same
# sanitizers, each for FISHTANK_FUZZ_SECONDS (30) from its seeds and kept inputs; a crash, a
# leak, a sanitizer report, a timeout or running out of memory fails the run. Only the
# fuzzers and the layers they read in are built.
FISHTANK_BUILD=$FISHTANK_ROOT/build-fuzz
cmake -S "$FISHTANK_ROOT" -B "$FISHTANK_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 -DFISHTANK_TESTS=OFF \
    -DFISHTANK_FUZZ=ON -DFISHTANK_FUZZ_SECONDS="${FISHTANK_FUZZ_SECONDS:-30}" >/dev/null
cmake --build "$FISHTANK_BUILD" --target fishtank_fuzzers -j "$(nproc)"
(cd "$FISHTANK_BUILD" && ctest --output-on-failure -j "$(nproc)")
