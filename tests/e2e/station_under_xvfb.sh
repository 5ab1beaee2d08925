#!/usr/bin/env bash
# The real station under an X server: the vamodesk binary of the station folder against loadsim on a
# pseudo-terminal as COM1. Logs in as admin / 583 by typing into the password field, checks the poll
# sequence the simulator receives and that the force display follows the simulator, takes a screenshot,
# and checks the single-instance rule and the shutdown on SIGTERM.
#   station_under_xvfb.sh STATION_DIR LOADSIM ARTIFACT_DIR
# Run it under xvfb-run (CTest does).
set -euo pipefail

station_source=$1
loadsim=$2
artifacts=$3
mkdir -p "$artifacts"

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do
        kill -TERM "$pid" 2>/dev/null || true
    done
    sleep 0.3
    for pid in "${pids[@]}"; do
        kill -KILL "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAILED: $*" >&2
    for log in "$work"/*.log; do
        echo "--- $log" >&2
        tail -n 20 "$log" >&2 || true
    done
    exit 1
}

# Waits up to $2 seconds for a window whose name matches $1; prints its id.
wait_window_named() {
    local id
    for _ in $(seq 1 $(($2 * 10))); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1 || true)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# Waits up to $2 seconds for a visible window of process $1; prints its id.
wait_window_of() {
    local id
    for _ in $(seq 1 $(($2 * 10))); do
        id=$(xdotool search --onlyvisible --pid "$1" 2>/dev/null | head -n 1 || true)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

shared_text() {
    tr -d '\000' < "/dev/shm/$1" 2>/dev/null || true
}

station=$work/station
cp -a "$station_source/." "$station"
rm -f "$station/sys_set.ini" "$station/db/sys_set.mdb" "$station/db/temp_mdb.mdb"
rm -rf "$station/output" "$station/shangchuan" "$station/dev"
mkdir -p "$station/output" "$station/shangchuan" "$station/dev" "$work/run"
export XDG_RUNTIME_DIR=$work/run
unset QT_QPA_PLATFORM

"$loadsim" --link "$station/dev/com1" --breaks 40 --rate 4 --pause 1 --noise 0 --seed 1 \
    --log-polls "$work/polls.txt" > "$work/loadsim.out" 2> "$work/loadsim.log" &
pids+=($!)
for _ in $(seq 1 50); do
    grep -q "ready" "$work/loadsim.out" 2>/dev/null && break
    sleep 0.1
done
grep -q "ready" "$work/loadsim.out" || fail "loadsim did not get ready"

"$station/vamodesk" > "$work/host1.log" 2>&1 &
host1=$!
pids+=($host1)
login=$(wait_window_named "登录" 15) || fail "no login dialog"
xdotool windowfocus --sync "$login"
xdotool type --delay 30 583
xdotool key Return

# Method messages ("功能无效" when a plug-in is missing) are answered so that start-up goes on.
for _ in $(seq 1 30); do
    box=$(xdotool search --onlyvisible --name "功能无效" 2>/dev/null | head -n 1 || true)
    if [ -n "$box" ]; then
        xdotool windowfocus --sync "$box"
        xdotool key Return
    fi
    if xdotool search --onlyvisible --name "压力机试验系统" >/dev/null 2>&1; then
        if [ -z "$(xdotool search --onlyvisible --name "功能无效" 2>/dev/null || true)" ]; then
            break
        fi
    fi
    sleep 0.3
done
main=$(wait_window_named "压力机试验系统" 10) || fail "no main window after the login"

sleep 3
polls=$(head -n 10 "$work/polls.txt" | tr '\n' ',')
[ "$polls" = "0,0,0,1,0,0,0,0,2,0," ] || fail "poll types were $polls"

# The force display follows the simulator's ramp of 4 kN/s.
samples=()
for _ in 1 2 3 4 5 6; do
    samples+=("$(shared_text Vyx_300_MapString_press)")
    sleep 0.5
done
echo "force display samples: ${samples[*]}"
rising=0
for i in 1 2 3 4 5; do
    if awk -v a="${samples[$((i - 1))]}" -v b="${samples[$i]}" 'BEGIN { exit !(b + 0 > a + 0) }'; then
        rising=$((rising + 1))
    fi
done
[ "$rising" -ge 2 ] || fail "the force display did not follow the simulator: ${samples[*]}"
for s in "${samples[@]}"; do
    awk -v v="$s" 'BEGIN { exit !(v ~ /^-?[0-9]+\.[0-9][0-9]$/ && v + 0 <= 40.01) }' || fail "force text '$s'"
done

import -window root "$artifacts/main_window.png"

# A second start is refused while the first runs: it shows its message and ends.
"$station/vamodesk" > "$work/host2.log" 2>&1 &
host2=$!
pids+=($host2)
refusal=$(wait_window_of "$host2" 10) || fail "the second start showed nothing"
import -window root "$artifacts/second_instance.png"
xdotool windowfocus --sync "$refusal"
xdotool key Return
for _ in $(seq 1 50); do
    kill -0 "$host2" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$host2" 2>/dev/null && fail "the second instance kept running"
kill -0 "$host1" 2>/dev/null || fail "the first instance ended"

# SIGTERM runs the shutdown sequence.
kill -TERM "$host1"
for _ in $(seq 1 50); do
    kill -0 "$host1" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$host1" 2>/dev/null && fail "SIGTERM did not end the station"
grep -q "^End_Flag=0" "$station/shangchuan/pz_set.ini" || fail "End_Flag is not 0 after SIGTERM"
[ ! -e /dev/shm/Vyx_300_MapString_press ] || fail "the shared memory was not released"

# A killed instance does not block the next start.
"$station/vamodesk" > "$work/host3.log" 2>&1 &
host3=$!
pids+=($host3)
wait_window_named "登录" 15 > /dev/null || fail "no login dialog for the third start"
kill -KILL "$host3"
sleep 0.3
"$station/vamodesk" > "$work/host4.log" 2>&1 &
host4=$!
pids+=($host4)
again=$(wait_window_of "$host4" 15) || fail "the start after a killed instance showed nothing"
name=$(xdotool getwindowname "$again")
[ "$name" = "登录" ] || fail "the start after a killed instance showed '$name' instead of the login"
kill -TERM "$host4"

echo "station under X: all checks passed"
