#!/usr/bin/env bash
# Plays from outside, with the mouse, in a real X server: a press on an empty option box asks
# nothing; after "New flag" a press on an option box opens one message box, which Return closes.
set -uo pipefail
binary=$1
source "$(dirname "$0")/xvfb_session.sh"

start_on_day 2026-12-11 "$binary"
id=$(wait_for_window Vandrel) || fail "no quiz window"
xdotool windowactivate --sync "$id" 2>/dev/null

count_windows() { xdotool search --onlyvisible --name '^Vandrel$' 2>/dev/null | wc -l; }
click_at() { xdotool mousemove --window "$id" "$1" "$2" click 1; sleep 0.4; }

click_at 34 88 # on the first option box, still empty
[[ $(count_windows) -eq 1 ]] || fail "an empty option box opened a message"

click_at 379 28 # "New flag"
click_at 34 88  # the first option box, now naming a country
[[ $(count_windows) -eq 2 ]] || fail "no message box after answering ($(count_windows) windows)"
xdotool key Return
sleep 0.4
[[ $(count_windows) -eq 1 ]] || fail "the message box did not close"
kill -0 "$app_pid" 2>/dev/null || fail "the quiz ended"
echo "PASS: played a question with the mouse"
