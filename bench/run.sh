#!/usr/bin/env bash
# Builds and runs the benchmarks and prints their ratios:
#   start-up: the panel against a bare Qt Widgets window of the same size (time and CPU time
#             to the first paint, peak resident memory);
#   read-back: a full read of a 16 x 16 switcher from vxsim at 57600 baud, over the
#             pseudo-terminal against the wire time, over TCP against the protocol's pauses;
#   follow:   the share of a 57600-baud serial line that follow mode takes at the default
#             interval, and over TCP the time from another client's change to the model
#             (95th percentile of 50 changes);
#   take:     the time from Take to the take's answer with the read of the routes before it
#             (an output protected) and without, over serial and TCP;
#   stalls:   the longest and the 99th-percentile stall of the window's event loop with follow
#             at 1 s over serial and over TCP, while a followed TCP switcher is silent, and
#             during the reconnection to a switcher that accepts and does not answer;
#   log window: the activity log window over 100,000 records: the time to open it and its
#             CPU time while open;
#   router server: vxctl serve with real clients (bench/router_server.py): route to ACK, idle
#             and with the panel waiting; route to the change at 32 clients over serial; a
#             burst of 16 blocks; idle CPU with 32 clients.
#   bench/run.sh [BUILD_DIR]      (default build; configured when missing)
#   VX_BENCH_PART=startup bench/run.sh   runs the start-up part alone
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
targets=(bench_startup_panel bench_startup_bare bench_startup_text bench_startup_runner)
[ "${VX_BENCH_PART:-}" = startup ] ||
  targets+=(bench_readback bench_follow bench_take bench_follow_stall bench_log_window vxsim vxctl)
cmake --build "$build" -j2 --target "${targets[@]}" >/dev/null
# Offscreen unless a display is asked for, so that the figures do not depend on a desktop.
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
# Qt asks for a runtime folder of the user's; a session without one gets a private one.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  XDG_RUNTIME_DIR=$(mktemp -d)
  export XDG_RUNTIME_DIR
  trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi
b=$build/bench
"$b/bench_startup_runner" "$b/bench_startup_panel" "$b/bench_startup_bare" "$b/bench_startup_text" \
  "${VX_BENCH_ROUNDS:-9}"
[ "${VX_BENCH_PART:-}" = startup ] && exit 0
# The offscreen window system's notes go to a log, shown when a read fails.
log=$(mktemp)
# Each link read with the activity log off, then on; the last line sets one against the other.
for link in serial tcp; do
  off=$("$b/bench_readback" "$build/vxsim" "$link" 3 2>"$log") || { cat "$log"; rm -f "$log"; exit 1; }
  echo "$off"
  on=$("$b/bench_readback" "$build/vxsim" "$link" 3 log 2>"$log") || { cat "$log"; rm -f "$log"; exit 1; }
  echo "$on"
  awk -v link="$link" -v off="$(echo "$off" | tail -1 | sed 's/.*: \([0-9.]*\)x$/\1/')" \
    -v on="$(echo "$on" | tail -1 | sed 's/.*: \([0-9.]*\)x$/\1/')" \
    'BEGIN { printf "read-back over %s, activity log on / off: %.3f (goal: at most 1.02)\n", link, on / off }'
done
for what in line latency; do
  "$b/bench_follow" "$build/vxsim" "$what" 2>"$log" || { cat "$log"; rm -f "$log"; exit 1; }
done
for link in serial tcp; do
  "$b/bench_take" "$build/vxsim" "$link" 2>"$log" || { cat "$log"; rm -f "$log"; exit 1; }
done
for what in serial tcp silent reconnect; do
  "$b/bench_follow_stall" "$build/vxsim" "$what" "${VX_BENCH_STALL_SECONDS:-20}" 2>"$log" || { cat "$log"; rm -f "$log"; exit 1; }
done
"$b/bench_log_window" 100000 5 2>"$log" || { cat "$log"; rm -f "$log"; exit 1; }
python3 bench/router_server.py "$build" 2>"$log" || { cat "$log"; rm -f "$log"; exit 1; }
rm -f "$log"
