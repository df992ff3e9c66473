#!/usr/bin/env bash
# A player's session with the real game and its data: the loading screen, the
# title, a click into a round with the clock counting down, the landscape
# scrolling at the edges and with the arrow keys, Escape to the highscore
# screen and to the credits, a click that ends the program; then Alt+Enter on
# the title screen, which reloads everything and comes back to the title.
GAME=$1
SHOTS=$2
WORK=$(mktemp -d)
mkdir -p "$SHOTS"
. "$(dirname "$0")/e2e_lib.sh"

# differs <a> <b> <geometry>: the two screenshots differ inside the crop.
differs() {
  local n
  n=$(/usr/bin/compare -metric AE -fuzz 8% "$SHOTS/$1.png[$3]" "$SHOTS/$2.png[$3]" null: 2>&1 |
      awk '{ printf "%d", $1 }')
  [ "$n" -gt 50 ]
}

# The picture (640x480) lies centred in the window at a whole factor or with
# bars: map picture points to screen points.
picture_point() {
  read -r gx gy gw gh < <(geometry)
  local s=$(( gw / 640 < gh / 480 ? gw / 640 : gh / 480 ))
  local ox=$(( gx + (gw - 640 * s) / 2 )) oy=$(( gy + (gh - 480 * s) / 2 ))
  echo $(( ox + $1 * s )) $(( oy + $2 * s ))
}
picture_crop() {  # picture_crop x y w h -> an ImageMagick crop in screen pixels
  read -r gx gy gw gh < <(geometry)
  local s=$(( gw / 640 < gh / 480 ? gw / 640 : gh / 480 ))
  local ox=$(( gx + (gw - 640 * s) / 2 )) oy=$(( gy + (gh - 480 * s) / 2 ))
  echo "$(( $3 * s ))x$(( $4 * s ))+$(( ox + $1 * s ))+$(( oy + $2 * s ))"
}
mouse_to() { xdotool mousemove $(picture_point "$1" "$2"); }
click_at() { mouse_to "$1" "$2"; sleep 0.2; xdotool click 1; }

start_game "$GAME"
shot loading
sleep 4
shot title
differs loading title "$(picture_crop 0 0 640 480)" || echo "note: loading was over before the first screenshot"

click_at 320 240
sleep 0.5
shot round-start
sleep 2.2
shot round-later
differs round-start round-later "$(picture_crop 0 0 200 45)" || fail "the round clock does not count down"

mouse_to 639 300
sleep 1.2
mouse_to 320 300
sleep 0.3
shot scrolled-by-mouse
differs round-later scrolled-by-mouse "$(picture_crop 0 60 640 340)" || fail "the landscape did not scroll at the right edge"

focus_game
mouse_to 320 300
xdotool keydown Left
sleep 0.6
xdotool keyup Left
sleep 0.3
shot scrolled-by-keys
differs scrolled-by-mouse scrolled-by-keys "$(picture_crop 0 60 640 340)" || fail "the landscape did not scroll with the arrow key"

key Escape
sleep 3.5
shot highscore
differs scrolled-by-keys highscore "$(picture_crop 0 60 640 340)" || fail "no highscore screen"

key Escape
sleep 2
shot credits
differs highscore credits "$(picture_crop 0 0 640 480)" || fail "no credits screen"

click_at 320 240
wait_exit 0

# Alt+Enter on the title screen: everything is reloaded, the title comes back.
start_game "$GAME"
sleep 4
read -r _ _ W1 H1 < <(geometry)
key alt+Return
for _ in $(seq 1 50); do
  read -r _ _ W2 H2 < <(geometry)
  [ "${W2}x${H2}" != "${W1}x${H1}" ] && break
  sleep 0.1
done
[ "${W2}x${H2}" != "${W1}x${H1}" ] || fail "Alt+Enter did not switch the display"
sleep 4
shot title-after-switch
mouse_to 320 240
click_at 320 240
sleep 0.5
shot round-after-switch
differs title-after-switch round-after-switch "$(picture_crop 0 0 640 480)" || fail "no title to click into after the switch"
escape_out
wait_exit 0
echo "play test passed"
