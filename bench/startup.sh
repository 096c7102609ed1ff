#!/usr/bin/env bash
# Start-up benchmark: the quiz against a bare Qt window, in a private Xvfb without a window
# manager. Both programs run with the clock set to an ordinary day (no notice window), through
# the same libfaketime preload, so that both pay its small cost.
#     bench/startup.sh [BUILD_DIR] [RUNS]
set -uo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-60}
WITH_WINDOW_MANAGER=0 source tests/e2e/xvfb_session.sh
export LD_PRELOAD=$faketime_library FAKETIME="@2026-12-11 10:00:00" NO_FAKE_STAT=1 \
    FAKETIME_DONT_FAKE_MONOTONIC=1 XDG_RUNTIME_DIR=$session_dir DBUS_SESSION_BUS_ADDRESS=disabled: \
    QT_ACCESSIBILITY=0
"$build/bench/startup_bench" "$build/vandrel" "$build/bench/bare_window" "$runs"
