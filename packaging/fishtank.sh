#!/bin/sh
# Starts the installed game in the player's own folder, where it keeps its render settings,
# its log and the screenshots: ${XDG_DATA_HOME:-~/.local/share}/fishtank. Whatever goes
# wrong here reaches the player in the game's own error box, never only on a terminal they
# may not have: the game is started all the same, told the problem through the
# environment, and shows it.
set -u

# Installed as <prefix>/games/fishtank, beside <prefix>/share/games and <prefix>/lib/games.
prefix=$(cd "$(dirname "$(readlink -f "$0")")/.." && pwd)
share="$prefix/share/games/fishtank"
game="$prefix/lib/games/fishtank/fishtank"

# A folder of its own for this run only, when the player has none.
private_folder() {
    mktemp -d "${TMPDIR:-/tmp}/fishtank.XXXXXX" 2>/dev/null || echo /
}

if [ -n "${XDG_DATA_HOME:-}" ]; then
    home="$XDG_DATA_HOME/fishtank"
elif [ -n "${HOME:-}" ]; then
    home="$HOME/.local/share/fishtank"
else
    home=$(private_folder)
    export FISHTANK_LAUNCHER_NOTE="There is no home folder (neither HOME nor XDG_DATA_HOME \
is set): the game keeps its files in $home for this run only"
fi

problem=""
if ! mkdir -p "$home" 2>/dev/null || [ ! -w "$home" ] || [ ! -x "$home" ]; then
    problem="The game's folder $home cannot be made or written, so nothing of the game's \
could be kept there; check the folder's owner and permissions (or set XDG_DATA_HOME to a \
folder that can be written)"
else
    # These two follow the installed game, so an upgrade or a move is picked up at once.
    {
        cp "$share/plugins.cfg" "$home/plugins.cfg" &&
            cat >"$home/resources.cfg" <<CFG &&
# Written by the launcher at every start: the game's installed resources.
[General]
FileSystem=$share/resources/materials
FileSystem=$share/resources/textures
FileSystem=$share/resources/overlays
FileSystem=/usr/share/fonts/truetype/dejavu
CFG
            # The game names its sounds relative to its folder: resources/gulp.wav.
            ln -sfn "$share/resources" "$home/resources" &&
            # The player's own render settings are never overwritten, only made the first time.
            { [ -e "$home/ogre.cfg" ] || cp "$share/ogre.cfg" "$home/ogre.cfg"; }
    } 2>/dev/null || problem="The game's files could not be laid out in $home (is the disk \
full, or the folder not the player's own?)"
fi

if [ -n "$problem" ]; then
    export FISHTANK_LAUNCHER_PROBLEM="$problem"
fi
# A replay named from where the player stands is found from the game's folder too.
for arg in "$@"; do
    shift
    if [ -e "$arg" ] && [ "${arg#/}" = "$arg" ]; then
        arg="$PWD/$arg"
    fi
    set -- "$@" "$arg"
done
cd "$home" 2>/dev/null || cd /
exec "$game" "$@"
