# Sourced by the end-to-end tests: a private X server with a window manager, torn down on exit.
# Sets DISPLAY; defines wait_for_window TITLE [SECONDS] that prints the window id.

session_dir=$(mktemp -d)
cleanup() {
    [[ -n "${app_pid:-}" ]] && kill "$app_pid" 2>/dev/null
    [[ -n "${wm_pid:-}" ]] && kill "$wm_pid" 2>/dev/null
    [[ -n "${xvfb_pid:-}" ]] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$session_dir"
}
trap cleanup EXIT

exec {display_fd}<> <(:)
Xvfb -displayfd "$display_fd" -screen 0 1280x1024x24 -nolisten tcp >"$session_dir/xvfb.log" 2>&1 &
xvfb_pid=$!
display_number=""
for _ in $(seq 100); do
    read -r -t 0.1 -u "$display_fd" display_number && break
done
[[ -n "$display_number" ]] || { echo "Xvfb did not start"; cat "$session_dir/xvfb.log"; exit 1; }
export DISPLAY=":$display_number"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

if [[ "${WITH_WINDOW_MANAGER:-1}" == 1 ]]; then
    openbox --sm-disable >"$session_dir/wm.log" 2>&1 &
    wm_pid=$!
    for _ in $(seq 50); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.1
    done
fi

wait_for_window() {
    local title=$1 seconds=${2:-20} id
    for _ in $(seq $((seconds * 10))); do
        id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n 1)
        [[ -n "$id" ]] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

# A window's client size, as "WIDTH x HEIGHT".
client_size() { xwininfo -id "$1" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w " x " h}'; }

# Polls a command every tenth of a second until it succeeds, for at most SECONDS.
wait_until() {
    local seconds=$1
    shift
    for _ in $(seq $((seconds * 10))); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

# Closes the window with the window manager's close command and waits for the program to end;
# leaves its exit status in app_status.
close_and_wait() {
    xdotool windowactivate --sync "$1" 2>/dev/null
    xdotool key alt+F4
    wait_until 30 bash -c "! kill -0 $app_pid 2>/dev/null" || fail "still running after close"
    wait "$app_pid"
    app_status=$?
    app_pid=""
}

# Windows titled "Vandrel": the quiz window, and a message box while one is open.
titled_windows() { xdotool search --onlyvisible --name '^Vandrel$' 2>/dev/null | wc -l; }
titled_windows_are() { [[ $(titled_windows) -eq $1 ]]; }

# In the quiz window ID: "New flag", a press on the first option, and its message closed.
play_one_question() {
    xdotool mousemove --window "$1" 379 28 click 1
    xdotool mousemove --window "$1" 34 88 click 1
    wait_until "${patience:-60}" titled_windows_are 2 || fail "no message box after answering"
    local box
    box=$(xdotool search --onlyvisible --name '^Vandrel$' | grep -vx "$1" | head -n 1)
    # Return once the box has the keyboard; again if a slow start let the first one go by.
    for _ in $(seq 10); do
        xdotool windowactivate --sync "$box" 2>/dev/null
        xdotool key Return
        wait_until 5 titled_windows_are 1 && return 0
    done
    fail "the message box did not close"
}

# Closes the notice window ID with its "X", clicking again while it is still there.
close_notice() {
    for _ in $(seq 10); do
        xdotool mousemove --window "$1" 18 18 click 1
        wait_until 3 bash -c "! xwininfo -id $1 2>/dev/null | grep -q IsViewable" && return 0
    done
    fail "the notice did not close"
}

fail() {
    echo "FAIL: $*"
    [[ -s "$session_dir/app.log" ]] && { echo "--- program output:"; tail -n 20 "$session_dir/app.log"; }
    exit 1
}

# Starts a command in the background with the clock set to a given day (libfaketime); the
# process id is left in app_pid.
faketime_library=$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null | head -n 1)
start_on_day() {
    [[ -n "$faketime_library" ]] || fail "libfaketime is not installed"
    local day=$1
    shift
    # The library is preloaded directly rather than through the faketime wrapper, so that
    # app_pid is the program itself and not a parent that waits for it.
    LD_PRELOAD=$faketime_library FAKETIME="@$day 10:00:00" NO_FAKE_STAT=1 \
        FAKETIME_DONT_FAKE_MONOTONIC=1 \
        ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0" \
        "$@" >"$session_dir/app.log" 2>&1 &
    app_pid=$!
}

# Visible top-level windows of the program, whatever their titles.
program_windows() { xdotool search --onlyvisible --classname '^vandrel$' 2>/dev/null; }

# The program's visible windows of a given client width (the notice window's title falls back
# to the program's name, so titles do not tell the two windows apart).
program_windows_of_width() {
    local id
    for id in $(program_windows); do
        [[ $(client_size "$id") == "$1 x "* ]] && echo "$id"
    done
}

# Waits up to SECONDS for the quiz window (515 pixels wide) and prints its id.
wait_for_quiz_window() {
    local seconds=${1:-20} id
    for _ in $(seq $((seconds * 10))); do
        id=$(program_windows_of_width 515 | head -n 1)
        [[ -n "$id" ]] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

# Prints the id of the program's first visible window, waiting up to SECONDS for one.
wait_for_program_window() {
    local seconds=${1:-20} id
    for _ in $(seq $((seconds * 10))); do
        id=$(program_windows | head -n 1)
        [[ -n "$id" ]] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}
