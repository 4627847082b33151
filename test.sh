#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
#   ./test.sh             normal build in build/
#   ./test.sh --sanitize  AddressSanitizer + UndefinedBehaviorSanitizer build in build-asan/
# The plain run then runs the soak for 30 s (bench/soak.sh) and every fuzz target for a short
# while (fuzz/run.sh, built with clang in build-fuzz/), so that a harness check gone stale
# fails the day it does; the fuzz targets carry the sanitizers already, so the --sanitize
# run leaves both out.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh

build_dir=build
flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [ "${1:-}" = "--sanitize" ]; then
  build_dir=build-asan
  flags=(-DCMAKE_BUILD_TYPE=Debug -DVX_SANITIZE=ON)
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
  export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
fi
cmake -S . -B "$build_dir" "${flags[@]}" >/dev/null
cmake --build "$build_dir" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
cd "$build_dir"
ctest --output-on-failure -j2 --timeout 300
if [ "$build_dir" = build ]; then
  cd ..
  # The soak run's smoke test: 30 s of a busy operator against a misbehaving vxsim.
  bench/soak.sh 0.5
  fuzz/run.sh "${VX_FUZZ_SECONDS:-15}"
fi
