#!/bin/sh
# Runs every fuzz target in turn for SECONDS each and prints, per target, the runs made, the
# coverage reached and the findings kept.
#
#   fuzz/run.sh SECONDS [BUILD_DIR]      BUILD_DIR defaults to build-fuzz
#
# Each target starts from its seeds in fuzz/corpus/<target> (when there are any) and from what
# earlier runs kept in BUILD_DIR/corpus/<target>, with the dictionary fuzz/<target>.dict when
# there is one. An input that fails is kept as BUILD_DIR/findings/<target>/crash-* (or leak-,
# timeout-, oom-); the findings column counts those of this run. Replay one with
# BUILD_DIR/fuzz/<target> FILE. The output of each run is in BUILD_DIR/fuzz-logs/<target>.log.
# Needs clang with libFuzzer; builds the targets first.
set -u

TARGETS="serial_status_fuzz tcp_status_fuzz roundtrip_fuzz vxsim_fuzz ip_text_fuzz router_session_fuzz"

case "${1:-}" in
    '' | *[!0-9]* | 0)
        echo "usage: fuzz/run.sh SECONDS [BUILD_DIR]  (SECONDS: a whole number above 0, per target)" >&2
        exit 2
        ;;
esac
seconds=$1
root=$(cd "$(dirname "$0")/.." && pwd)
build=${2:-$root/build-fuzz}
case "$build" in /*) ;; *) build=$(pwd)/$build ;; esac

if [ ! -f "$build/CMakeCache.txt" ]; then
    CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DVX_FUZZ=ON -DVX_BUILD_GUI=OFF -DBUILD_TESTING=OFF \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null || exit 1
fi
# shellcheck disable=SC2086 # one word per target
cmake --build "$build" -j2 --target $TARGETS >/dev/null || {
    echo "fuzz/run.sh: the fuzz targets do not build in $build" >&2
    exit 1
}

mkdir -p "$build/fuzz-logs"
printf '%-20s %10s %8s %8s %9s\n' target runs cov ft findings
status=0
for t in $TARGETS; do
    corpus=$build/corpus/$t
    findings=$build/findings/$t
    log=$build/fuzz-logs/$t.log
    mkdir -p "$corpus" "$findings"
    set -- -max_total_time="$seconds" -timeout=25 -print_final_stats=1 -artifact_prefix="$findings/"
    [ -f "$root/fuzz/$t.dict" ] && set -- "$@" -dict="$root/fuzz/$t.dict"
    set -- "$@" "$corpus"
    [ -d "$root/fuzz/corpus/$t" ] && set -- "$@" "$root/fuzz/corpus/$t"
    # libFuzzer writes new inputs into the first directory only: the seeds stay as they are.
    touch "$findings/.run-started"
    (cd "$findings" && "$build/fuzz/$t" "$@") >"$log" 2>&1

    # The last status line says how far the run got, whether it ended or stopped on a finding.
    last=$(grep -E '^#[0-9]+' "$log" | tail -n 1)
    runs=$(grep -E '^stat::number_of_executed_units:' "$log" | tail -n 1 | awk '{print $2}')
    [ -n "$runs" ] || runs=$(printf '%s\n' "$last" | sed -n 's/^#\([0-9]*\).*/\1/p')
    cov=$(printf '%s\n' "$last" | sed -n 's/.* cov: \([0-9]*\).*/\1/p')
    ft=$(printf '%s\n' "$last" | sed -n 's/.* ft: \([0-9]*\).*/\1/p')
    found=$(find "$findings" -maxdepth 1 -type f -newer "$findings/.run-started" \( -name 'crash-*' \
        -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*' \) | wc -l)
    printf '%-20s %10s %8s %8s %9s\n' "$t" "${runs:-?}" "${cov:-?}" "${ft:-?}" "$found"
    if [ "$found" -ne 0 ]; then
        status=1
        # What stopped it, for a reader who has only this output (CI).
        grep -E 'fuzz check failed|ERROR: |SUMMARY: |^    #[0-9]' "$log" | head -n 20 | sed "s/^/  $t: /" >&2
    fi
done
[ "$status" -eq 0 ] || echo "findings are kept in $build/findings/<target>/" >&2
exit $status
