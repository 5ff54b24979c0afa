#!/usr/bin/env bash
# Installs what is missing, builds, and starts the game in its run directory.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
install_missing $FISHTANK_PACKAGES
build_game
cd "$FISHTANK_BUILD/run"
exec ./fishtank
