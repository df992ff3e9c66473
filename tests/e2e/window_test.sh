#!/usr/bin/env bash
# The game window as a player meets it: it opens, Alt+Enter switches between
# the framed window and full screen and back, Escape and the close button end
# the program with exit code 0.
GAME=$1
CLOSE=$2
SHOTS=$3
WORK=$(mktemp -d)
mkdir -p "$SHOTS"
. "$(dirname "$0")/e2e_lib.sh"

read -r _ _ SCREEN_W SCREEN_H < <(xdotool getdisplaygeometry | awk '{print 0, 0, $1, $2}')

# The shipped data starts in full screen; Alt+Enter goes to the framed window,
# which shows the 640x480 picture at twice its size on this desktop.
start_game "$GAME"
read -r _ _ W H < <(geometry)
if [ "$W" = "$SCREEN_W" ] && [ "$H" = "$SCREEN_H" ]; then FULL_FIRST=1; else FULL_FIRST=0; fi
shot window-start
key alt+Return
if [ $FULL_FIRST = 1 ]; then wait_geometry 1280 960; else wait_geometry "$SCREEN_W" "$SCREEN_H"; fi
shot window-switched
key alt+Return
if [ $FULL_FIRST = 1 ]; then wait_geometry "$SCREEN_W" "$SCREEN_H"; else wait_geometry 1280 960; fi
escape_out
wait_exit 0

# The close button of the frame.
start_game "$GAME"
"$CLOSE" "$WID" || fail "could not send the close request"
wait_exit 0
echo "window test passed"
