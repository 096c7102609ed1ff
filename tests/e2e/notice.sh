#!/usr/bin/env bash
# Start-up order in a real X server: on a notice day the frameless 685 x 361 notice comes first
# and the quiz window only after its "X"; on an ordinary day the quiz window comes at once.
set -uo pipefail
binary=$1
source "$(dirname "$0")/xvfb_session.sh"

# A notice day.
start_on_day 2026-12-10 "$binary"
notice=$(wait_for_program_window) || fail "no window appeared on a notice day"
sleep 0.5
[[ $(program_windows | wc -l) -eq 1 ]] || fail "more than one window while the notice is up"
size=$(client_size "$notice")
[[ "$size" == "685 x 361" ]] || fail "first window is $size"
extents=$(xprop -id "$notice" _NET_FRAME_EXTENTS 2>/dev/null)
[[ "$extents" == *"= 0, 0, 0, 0"* ]] || fail "the notice has a frame: $extents"
[[ -z $(program_windows_of_width 515) ]] || fail "quiz window shown under the notice"

close_notice "$notice"
quiz=$(wait_for_quiz_window) || fail "no quiz window after X"
sleep 0.3
[[ -z $(program_windows_of_width 685) ]] || fail "the notice stayed after X"
size=$(client_size "$quiz")
[[ "$size" == "515 x 227" ]] || fail "quiz window is $size"
kill "$app_pid"
wait "$app_pid" 2>/dev/null

# A notice day again, the notice closed by the window manager's close command this time.
start_on_day 2026-12-10 "$binary"
notice=$(wait_for_program_window) || fail "no window appeared on a notice day"
sleep 0.5
xdotool windowactivate --sync "$notice" 2>/dev/null
xdotool key alt+F4
wait_for_quiz_window >/dev/null || fail "no quiz window after Alt+F4 on the notice"
sleep 0.3
[[ -z $(program_windows_of_width 685) ]] || fail "the notice stayed after Alt+F4"
kill "$app_pid"
wait "$app_pid" 2>/dev/null

# An ordinary day.
start_on_day 2026-12-11 "$binary"
quiz=$(wait_for_quiz_window) || fail "no quiz window on an ordinary day"
sleep 1
[[ $(program_windows | wc -l) -eq 1 ]] || fail "another window besides the quiz on an ordinary day"
echo "PASS: notice first on the 10th (closed by X or Alt+F4), quiz at once on the 11th"
