#!/usr/bin/env bash
# Installs what is missing, builds, and opens the panel.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target vxpanel
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found: running the panel under a virtual X server (xvfb-run)."
  exec xvfb-run -a build/vxpanel "$@"
fi
exec build/vxpanel "$@"
