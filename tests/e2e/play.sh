#!/usr/bin/env bash
# Plays from outside, with the mouse, in a real X server: a press on an empty option box asks
# nothing; after "New flag" a press on an option box opens one message box, which Return closes.
set -uo pipefail
binary=$1
source "$(dirname "$0")/xvfb_session.sh"

start_on_day 2026-12-11 "$binary"
id=$(wait_for_window Vandrel) || fail "no quiz window"
xdotool windowactivate --sync "$id" 2>/dev/null

xdotool mousemove --window "$id" 34 88 click 1 # on the first option box, still empty
sleep 1
titled_windows_are 1 || fail "an empty option box opened a message"

# "New flag", then a press on the first option box, now naming a country: the program takes
# its events in order, so the press comes after the draw. One message box, closed by Return.
play_one_question "$id"
kill -0 "$app_pid" 2>/dev/null || fail "the quiz ended"
echo "PASS: played a question with the mouse"
