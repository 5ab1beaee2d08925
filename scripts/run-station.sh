#!/usr/bin/env bash
# The run command: installs what is missing, builds the station, starts the controller simulator on the
# station's COM1 and starts vamodesk. Log in as admin with the password 583.
#   scripts/run-station.sh            on a desktop
#   xvfb-run -a scripts/run-station.sh    without a display
# Options after -- go to loadsim (default: three specimens of 300, 320 and 400 kN at 20 kN/s, repeated).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "run-station: no display; run it as: xvfb-run -a scripts/run-station.sh" >&2
    exit 2
fi

loadsim_options=(--breaks 300,320,400 --rate 20 --hold 1 --pause 5 --repeat)
if [ "${1:-}" = "--" ]; then
    shift
    loadsim_options=("$@")
fi

station=build/station
build/tools/loadsim/loadsim --link "$station/dev/com1" "${loadsim_options[@]}" > build/loadsim.out 2> build/loadsim.log &
loadsim=$!
trap 'kill -TERM $loadsim 2>/dev/null || true' EXIT
for _ in $(seq 1 50); do
    grep -q ready build/loadsim.out 2>/dev/null && break
    sleep 0.1
done
cat build/loadsim.out

echo "run-station: starting $station/vamodesk (log in as admin, password 583)"
"$station/vamodesk"
