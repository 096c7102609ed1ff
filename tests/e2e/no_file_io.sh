#!/usr/bin/env bash
# Under strace, through a short session in Xvfb, the program opens no file for writing and no
# file of the project's assets/ folder: every picture comes from inside the binary.
set -uo pipefail
binary=$1
assets=$(cd "$(dirname "$0")/../../assets" && pwd)
source "$(dirname "$0")/xvfb_session.sh"
export XDG_RUNTIME_DIR=$session_dir DBUS_SESSION_BUS_ADDRESS=disabled: QT_ACCESSIBILITY=0

# Run from the project's folder, so that a relative path to a picture would be found there.
trace="$session_dir/trace.log"
(cd "$assets/.." && exec strace -f -qq -e trace=open,openat,openat2,creat -o "$trace" "$binary") \
    >"$session_dir/app.log" 2>&1 &
app_pid=$!

# Whatever today is: on a notice day the notice comes first and is closed with its "X".
first=$(wait_for_program_window 30) || fail "no window appeared"
if [[ $(client_size "$first") == "685 x 361" ]]; then
    close_notice "$first"
fi
id=$(wait_for_quiz_window 30) || fail "no quiz window"
xdotool windowactivate --sync "$id" 2>/dev/null
play_one_question "$id"                           # a flag from the picture list
xdotool mousemove --window "$id" 379 196 click 1 # "New game": the world map again
close_and_wait "$id"
[[ $app_status -eq 0 ]] || fail "exit status $app_status"

opens=$(grep -cE 'open|creat' "$trace")
[[ $opens -gt 0 ]] || fail "strace saw no opens at all"
writes=$(grep -E 'creat\(|O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|O_APPEND' "$trace")
[[ -z "$writes" ]] || fail "opened for writing: $writes"
ours=$(grep -F "$assets" "$trace")
[[ -z "$ours" ]] || fail "opened from assets/: $ours"
grep -qE '"(assets|flags|pictures)/' "$trace" && fail "opened a relative picture path: $(grep -E '"(assets|flags|pictures)/' "$trace")"
echo "PASS: $opens opens, none for writing, none of assets/"
