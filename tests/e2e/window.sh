#!/usr/bin/env bash
# The real binary: no display gives "glfwInit failed" and status 255; with a display it opens its 640x480 window
# titled Skarnfell and exits 0 when the window is closed.
set -u
. "$(dirname "$0")/lib.bash"
e2e_setup "$1"

out=$(cd "$work" && env -u DISPLAY -u WAYLAND_DISPLAY "$bin" 2>/dev/null); code=$?
[ "$code" = 255 ] || fail "without a display the exit status was $code, not 255"
[ "$out" = "glfwInit failed" ] || fail "without a display it printed '$out'"

ALSOFT_DRIVERS=null start_game
sleep 1
geometry=$(xwininfo -id "$wid" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w "x" h}')
[ "$geometry" = "640x480" ] || fail "window is $geometry, not 640x480"
close_game
[ "$status" = 0 ] || fail "closing the window gave exit status $status"
echo "window: ok"
