#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the unit tests and the real game
# played under Xvfb, then the same in a sanitizer build.
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
