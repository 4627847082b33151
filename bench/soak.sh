#!/usr/bin/env bash
# The soak run: the panel on its real Qt links against vxsim, over the pseudo-terminal and
# TCP, operated at random (reproducibly from the seed it prints) while vxsim misbehaves,
# and compared with the switcher at every quiet moment (bench/soak.cpp says how).
#   bench/soak.sh MINUTES [SEED]      MINUTES may be a fraction: 0.5 is the 30-second smoke run
# Builds in BUILD_DIR (default build). Fails (exit 1) on a disagreement left after a read,
# a hang or a crash of the panel or vxsim, and on runs of 10 minutes or more also when the
# panel's memory at the end is more than 5 % above its memory after the first minute.
set -euo pipefail
cd "$(dirname "$0")/.."
minutes=${1:-}
if ! [[ "$minutes" =~ ^[0-9]*\.?[0-9]+$ ]] || [ "$(awk -v m="$minutes" 'BEGIN { print (m > 0) }')" != 1 ]; then
  echo "usage: bench/soak.sh MINUTES [SEED]  (MINUTES: a number above 0, such as 30 or 0.5)" >&2
  exit 2
fi
seconds=$(awk -v m="$minutes" 'BEGIN { s = int(m * 60 + 0.5); print (s < 1 ? 1 : s) }')
build=${BUILD_DIR:-build}
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 --target bench_soak vxsim >/dev/null
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
  XDG_RUNTIME_DIR=$(mktemp -d)
  export XDG_RUNTIME_DIR
  trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi
# The run watches itself for hangs; this outer limit catches one that stops the watch too.
status=0
timeout --kill-after=10 $((seconds + 300)) "$build/bench/bench_soak" "$build/vxsim" "$seconds" ${2:+"$2"} || status=$?
case $status in
  0) ;;
  1) echo "soak: FAILED" >&2 ;;
  3) echo "soak: FAILED: the panel hung" >&2 ;;
  124 | 137) echo "soak: FAILED: the run did not end within $((seconds + 300)) s" >&2 ;;
  *) if [ "$status" -gt 128 ]; then
       echo "soak: FAILED: the soak crashed (signal $((status - 128)))" >&2
     else
       echo "soak: FAILED (exit status $status)" >&2
     fi ;;
esac
exit $status
