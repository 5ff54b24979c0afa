#!/usr/bin/env bash
# The manual page renders without a single warning from man and groff, and covers what a
# player looks for: the controls (every key), the files and the exit status.
set -euo pipefail
page=$1
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings=w -E UTF-8 -l "$page" 2>&1 >/dev/null)
if [ -n "$warnings" ]; then
    echo "man and groff warn about $page:"
    echo "$warnings"
    exit 1
fi
text=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -E UTF-8 -l "$page" 2>/dev/null)
missing=0
for wanted in "CONTROLS" "FILES" "EXIT STATUS" "Arrow keys" "Right mouse button" "Print Screen" \
    "Escape" "Return" "F1" "Gamepad" "best-score.txt" "ogre.cfg" "screenshot_1.png" \
    "Ogre.log" "XDG_DATA_HOME" "--replay" "--verify" "best.replay" "Tab" "hall-of-fame.txt"; do
    if ! grep -qF -- "$wanted" <<<"$text"; then
        echo "the manual page does not mention: $wanted"
        missing=1
    fi
done
for key in P F T R M Q; do
    if ! grep -qE "^ {7}$key( |,|\$)|, $key\$" <<<"$text"; then
        echo "the manual page lists no key $key"
        missing=1
    fi
done
[ "$missing" -eq 0 ] && echo "the manual page renders cleanly and covers the controls, files and exit status"
exit "$missing"
