#!/bin/sh
# Where the panel works: --desktop moves into the user's data folder for the panel and
# --data-dir into the folder named, each made when missing; a picture named on the command
# line still lands where the command was given; a folder that cannot be made ends the start
# with a message.
#   desktop_launch_test.sh VXPANEL
set -eu
panel=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
mkdir "$scratch/here"
cd "$scratch/here"
export QT_QPA_PLATFORM=offscreen

XDG_DATA_HOME=$scratch/data timeout 60 "$panel" --desktop --screenshot desktop.png || fail "--desktop"
[ -d "$scratch/data/vxpanel" ] || fail "--desktop made no data folder"
[ -s desktop.png ] || fail "--desktop put the picture elsewhere"

timeout 60 "$panel" --data-dir "$scratch/a/b" --screenshot data-dir.png || fail "--data-dir"
[ -d "$scratch/a/b" ] || fail "--data-dir made no folder"
[ -s data-dir.png ] || fail "--data-dir put the picture elsewhere"

touch "$scratch/file"
if timeout 60 "$panel" --data-dir "$scratch/file/sub" --screenshot never.png 2>"$scratch/err"; then
    fail "--data-dir under a file started the panel"
fi
grep -q "$scratch/file/sub" "$scratch/err" || fail "the message does not name the folder: $(cat "$scratch/err")"
[ ! -e never.png ] || fail "the panel ran without its folder"
echo "working folders checked"
