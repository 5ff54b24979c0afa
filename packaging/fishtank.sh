#!/bin/sh
# Starts the installed game in the player's own folder, where it keeps its render settings,
# its log and the screenshots: ${XDG_DATA_HOME:-~/.local/share}/fishtank.
set -eu

# Installed as <prefix>/games/fishtank, beside <prefix>/share/games and <prefix>/lib/games.
prefix=$(cd "$(dirname "$(readlink -f "$0")")/.." && pwd)
share="$prefix/share/games/fishtank"
game="$prefix/lib/games/fishtank/fishtank"
home="${XDG_DATA_HOME:-$HOME/.local/share}/fishtank"

mkdir -p "$home"
# These two follow the installed game, so an upgrade or a move is picked up at once.
cp "$share/plugins.cfg" "$home/plugins.cfg"
cat >"$home/resources.cfg" <<CFG
# Written by the launcher at every start: the game's installed resources.
[General]
FileSystem=$share/resources/materials
FileSystem=$share/resources/textures
FileSystem=$share/resources/overlays
FileSystem=/usr/share/fonts/truetype/dejavu
CFG
# The game names its sounds relative to its folder: resources/gulp.wav.
ln -sfn "$share/resources" "$home/resources"
# The player's own render settings are never overwritten, only made the first time.
if [ ! -e "$home/ogre.cfg" ]; then
    cp "$share/ogre.cfg" "$home/ogre.cfg"
fi

cd "$home"
exec "$game"
