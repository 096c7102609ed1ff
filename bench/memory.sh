#!/usr/bin/env bash
# Memory benchmark: peak resident memory (VmHWM) of the quiz once all its pictures are decoded,
# against the bare Qt window, each started a few times in a private Xvfb.
#     bench/memory.sh [BUILD_DIR] [RUNS]
set -uo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-5}
WITH_WINDOW_MANAGER=0 source tests/e2e/xvfb_session.sh
export XDG_RUNTIME_DIR=$session_dir DBUS_SESSION_BUS_ADDRESS=disabled: QT_ACCESSIBILITY=0

peak_kib() { # program title
    start_on_day 2026-12-11 "$1"
    wait_for_window "$2" >/dev/null || fail "no window from $1"
    sleep 1.5 # the flags are decoded within a fraction of that
    awk '/VmHWM/{print $2}' "/proc/$app_pid/status"
    kill "$app_pid"
    wait "$app_pid" 2>/dev/null
    app_pid=""
}

median() { sort -n | awk '{v[NR]=$1} END{print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }
quiz=() bare=()
for _ in $(seq "$runs"); do
    quiz+=("$(peak_kib "$build/vandrel" Vandrel)")
    bare+=("$(peak_kib "$build/bench/bare_window" Bare)")
done
q=$(printf '%s\n' "${quiz[@]}" | median)
b=$(printf '%s\n' "${bare[@]}" | median)
echo "runs: $runs each"
awk -v b="$b" -v q="$q" 'BEGIN {
    printf "bare Qt window, peak resident: %.1f MiB\n", b / 1024
    printf "quiz window,    peak resident: %.1f MiB\n", q / 1024
    printf "quiz above bare:               %.1f MiB\n", (q - b) / 1024
}'
