#!/usr/bin/env bash
# The real binary in a real X server: a window titled "Vandrel" with a 515 x 227 client area
# that the window manager cannot resize; garbage arguments change nothing.
set -uo pipefail
binary=$1
source "$(dirname "$0")/xvfb_session.sh"

# An ordinary day, so that no notice window comes first.
start_on_day 2026-12-11 "$binary" --garbage -platform offscreen -style=nonsense "$(printf '\x01\xff')"
id=$(wait_for_window Vandrel) || fail "no window titled Vandrel appeared"

size=$(client_size "$id")
[[ "$size" == "515 x 227" ]] || fail "client area is $size"
hints=$(xprop -id "$id" WM_NORMAL_HINTS)
grep -q "minimum size: 515 by 227" <<<"$hints" || fail "no minimum size hint: $hints"
grep -q "maximum size: 515 by 227" <<<"$hints" || fail "no maximum size hint: $hints"

# Asked to resize, the window manager keeps the window as it is.
xdotool windowsize "$id" 800 600
sleep 1
size=$(client_size "$id")
[[ "$size" == "515 x 227" ]] || fail "resized to $size"

# Closing the window (the window manager's close command) ends the program with status 0.
close_and_wait "$id"
[[ $app_status -eq 0 ]] || fail "exit status $app_status after close"
echo "PASS: window 515 x 227, fixed, closes with status 0"
