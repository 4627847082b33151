#!/usr/bin/env bash
# Installs what is missing, builds, starts the switcher simulator and opens the panel on it:
# COM1 is the simulator's pseudo-terminal and the simulator's TCP port stands in for port 23.
# Answer Yes to the start-up question to connect over RS-232, or choose "Ethernet" on the
# Setup page (the IP field holds 127.0.0.1) to connect over TCP.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target vxpanel vxsim

# The panel keeps IPSave.ini in its working directory; the demonstration gets its own.
workdir=build/run
mkdir -p "$workdir"
[ -f "$workdir/IPSave.ini" ] || printf '127.0.0.1\0' > "$workdir/IPSave.ini"

simdir=$(mktemp -d)
build/vxsim --tcp 127.0.0.1:0 --serial "$simdir/com1" --transcript "$workdir/vxsim-transcript.txt" \
  > "$simdir/vxsim.out" &
simpid=$!
trap 'kill "$simpid" 2>/dev/null || true; wait "$simpid" 2>/dev/null || true; rm -rf "$simdir"' EXIT

port=""
for _ in $(seq 1 100); do
  port=$(sed -n 's/^tcp 127\.0\.0\.1:\([0-9]*\).*/\1/p' "$simdir/vxsim.out" | head -n 1)
  [ -n "$port" ] && [ -e "$simdir/com1" ] && break
  kill -0 "$simpid" 2>/dev/null || { echo "vxsim did not start:"; cat "$simdir/vxsim.out"; exit 1; }
  sleep 0.1
done
[ -n "$port" ] || { echo "vxsim did not report its TCP port"; exit 1; }
echo "Simulator: TCP 127.0.0.1:$port, COM1 = $simdir/com1 (transcript in $workdir/vxsim-transcript.txt)"

panel=("$PWD/build/vxpanel" --com1 "$simdir/com1" --tcp-port "$port" "$@")
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found: running the panel under a virtual X server (xvfb-run)."
  panel=(xvfb-run -a "${panel[@]}")
fi
cd "$workdir"
"${panel[@]}"
