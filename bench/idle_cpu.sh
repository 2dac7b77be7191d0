#!/bin/sh
# Idle CPU of the desktop window: writes the demo projects, opens the
# building frame in the window under Xvfb, lets it settle, then samples the
# process's user + system time from /proc/PID/stat over a quiet interval.
#
#   bench/idle_cpu.sh [BUILD_DIR] [SECONDS] [PROJECT]
#
# Prints the share of one core the window used while nothing happened.
set -eu
build=${1:-build}
seconds=${2:-10}
kestra=$(cd "$build" && pwd)/host/app/kestra
work=$(mktemp -d /tmp/kestra-idle-XXXXXX)
trap 'rm -rf "$work"' EXIT
"$kestra" demo "$work/demo" >/dev/null
project=${3:-$work/demo/Building/Building.KTR}
export KESTRA_INI="$work/KESTRA.INI" XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=xcb

xvfb-run -a -s "-screen 0 1400x1000x24" sh -c '
    "$0" open "$1" >/dev/null 2>&1 &
    pid=$!
    sleep 6   # window shown, project open, first frames drawn
    ticks() { awk "{ print \$14 + \$15 }" /proc/$pid/stat; }
    t0=$(ticks)
    sleep "$2"
    t1=$(ticks)
    kill $pid
    wait $pid 2>/dev/null || true
    hz=$(getconf CLK_TCK)
    echo "idle window: $((t1 - t0)) ticks of 1/$hz s in $2 s" \
         "= $(echo "scale=2; 100 * ($t1 - $t0) / ($hz * $2)" | bc) % of one core"
' "$kestra" "$project" "$seconds"
