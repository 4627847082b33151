#!/bin/sh
# Writes a manual page for a program from what its --help prints, gzipped:
#   manpage.sh PROGRAM NAME VERSION SUMMARY OUT.gz
# "Usage:" becomes the synopsis, the first paragraph the description, a line ending in ':'
# a section, an indented line starting with '-' an option with its text.
set -eu
program=$1 name=$2 version=$3 summary=$4 out=$5

# The help needs no display; a program that cannot print it fails the build here.
help=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=minimal "$program" --help)

printf '%s\n' "$help" | awk -v prog="$program" -v name="$name" -v version="$version" -v summary="$summary" '
function esc(s) {
    gsub(/\\/, "\\e", s)
    gsub(/-/, "\\-", s)
    sub(/^[.\047]/, "\\\\&&", s)
    return s
}
function flush_option() {
    if (opt != "") { print ".TP"; print "\\fB" esc(opt) "\\fR"; if (text != "") print esc(text) }
    opt = ""; text = ""
}
BEGIN {
    printf ".TH %s 1 \"\" \"%s %s\" \"User Commands\"\n", toupper(name), name, version
    print ".SH NAME"
    print esc(name) " \\- " esc(summary)
    section = "DESCRIPTION"
    described = 0
}
{
    line = $0
    n = index(line, prog); if (n > 0) line = substr(line, 1, n - 1) name substr(line, n + length(prog))
}
/^Usage: / {
    flush_option()
    print ".SH SYNOPSIS"
    print "\\fB" esc(name) "\\fR " esc(substr(line, length("Usage: " name) + 2))
    next
}
/^[[:space:]]*$/ { flush_option(); paragraph = 1; next }
/^[^[:space:]].*:$/ {
    flush_option()
    if (!described) { print ".SH DESCRIPTION"; described = 1 }
    print ".SS " esc(substr(line, 1, length(line) - 1))
    paragraph = 0
    next
}
/^  ?  ?-/ {
    flush_option()
    sub(/^ +/, "", line)
    if (match(line, /   */)) { opt = substr(line, 1, RSTART - 1); text = substr(line, RSTART + RLENGTH) }
    else { opt = line; text = "" }
    next
}
/^    / && opt != "" {
    sub(/^ +/, "", line)
    text = (text == "" ? line : text " " line)
    next
}
{
    flush_option()
    if (!described) { print ".SH DESCRIPTION"; described = 1; paragraph = 0 }
    if (paragraph) print ".PP"
    paragraph = 0
    sub(/^ +/, "", line)
    print esc(line)
}
END { flush_option() }
' | gzip -9n > "$out.tmp"
mv "$out.tmp" "$out"
