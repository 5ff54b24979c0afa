#!/usr/bin/env bash
# Installs what the game needs, builds the game alone (no tests), and starts it in its run
# directory.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
install_missing $FISHTANK_PACKAGES
build_game -DFISHTANK_TESTS=OFF
cd "$FISHTANK_BUILD/run"
exec ./fishtank
