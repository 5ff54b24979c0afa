#!/usr/bin/env bash
# Usage: check_exports.sh PROGRAM SYMBOL...
# Fails, naming each one, when the program does not export every symbol given.
set -euo pipefail
program=$1
shift
exported=$(nm --dynamic --defined-only "$program" | awk '{print $3}')
missing=0
for symbol in "$@"; do
    if ! grep -qx "$symbol" <<<"$exported"; then
        echo "$program does not export $symbol"
        missing=1
    fi
done
exit $missing
