#!/usr/bin/env bash
# The real binary under valgrind's memcheck in Xvfb, through a short scripted session (three
# questions answered, a new game, closed from the window manager): no memory errors and no
# definitely-lost bytes, with the display's own known report suppressed (support/valgrind.supp).
set -uo pipefail
binary=$1
here=$(dirname "$0")
source "$here/xvfb_session.sh"
patience=180 # everything runs many times slower under valgrind
export XDG_RUNTIME_DIR=$session_dir DBUS_SESSION_BUS_ADDRESS=disabled: QT_ACCESSIBILITY=0

log="$session_dir/memcheck.log"
start_on_day 2026-12-11 valgrind --error-exitcode=9 --leak-check=full --show-leak-kinds=definite \
    --errors-for-leak-kinds=definite --num-callers=30 \
    --suppressions="$here/../support/valgrind.supp" --log-file="$log" "$binary"
id=$(wait_for_window Vandrel 90) || { cat "$log"; fail "no window under valgrind"; }
xdotool windowactivate --sync "$id" 2>/dev/null
for _ in 1 2 3; do
    play_one_question "$id"
done
xdotool mousemove --window "$id" 379 196 click 1 # "New game"
close_and_wait "$id"
status=$app_status
grep -E "definitely lost|ERROR SUMMARY" "$log"
[[ $status -eq 0 ]] || { cat "$log"; fail "memcheck reported errors or leaks (status $status)"; }
echo "PASS: memcheck clean"
