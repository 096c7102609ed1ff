#!/usr/bin/env bash
# Without a display the program says so in one line and exits with status 1: no Qt abort.
set -uo pipefail
binary=$1
out=$(mktemp)
trap 'rm -f "$out"' EXIT

for display in "" ":97"; do
    env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY="$display" "$binary" >"$out" 2>&1
    status=$?
    [[ $status -eq 1 ]] || { echo "FAIL: DISPLAY='$display': status $status"; cat "$out"; exit 1; }
    lines=$(wc -l <"$out")
    [[ $lines -eq 1 ]] || { echo "FAIL: DISPLAY='$display': $lines lines"; cat "$out"; exit 1; }
    grep -q "needs a graphical display" "$out" || { echo "FAIL: message"; cat "$out"; exit 1; }
done
echo "PASS: one line and status 1 without a display"
