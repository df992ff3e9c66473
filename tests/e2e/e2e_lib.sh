# Helpers for driving the game under a virtual X server (sourced by the scripts).
set -u

fail() { echo "FAIL: $*" >&2; [ -n "${GAME_PID:-}" ] && kill "$GAME_PID" 2>/dev/null; exit 1; }

# The scratch folder goes when the script ends, however it ends.
trap 'rm -rf "$WORK"' EXIT

# launch_game <binary>: starts the game and waits up to 30 seconds for its
# window; sets GAME_PID and WID (empty when none appeared).
launch_game() {
  "$1" >"$WORK/game.log" 2>&1 &
  GAME_PID=$!
  WID=""
  local deadline=$((SECONDS + 30))
  while [ $SECONDS -lt $deadline ]; do
    WID=$(xdotool search --name '^Shooter$' 2>/dev/null | head -1 || true)
    [ -n "$WID" ] && return 0
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended before its window appeared: $(cat "$WORK/game.log")"
    sleep 0.1
  done
}

# start_game <binary>: starts the game, waits for its window, sets GAME_PID and WID.
start_game() {
  launch_game "$1"
  if [ -z "$WID" ]; then
    echo "no window after 30 s; windows on $DISPLAY:" >&2
    xdotool search --name '.' getwindowname %@ >&2 2>/dev/null || true
    ps -o pid,stat,etime,wchan:30,cmd -p "$GAME_PID" >&2 || true
    cat "$WORK/game.log" >&2
    kill "$GAME_PID" 2>/dev/null
    wait "$GAME_PID" 2>/dev/null
    echo "starting once more" >&2
    launch_game "$1"
  fi
  [ -n "$WID" ] || fail "no window appeared"
  sleep 0.5
  focus_game
}

# focus_game: the pointer over the window and the keyboard focus on it, as a
# player sitting in front of it has them (there is no window manager here).
focus_game() {
  read -r gx gy gw gh < <(geometry)
  xdotool mousemove $((gx + gw / 2)) $((gy + gh / 2))
  xdotool windowfocus "$WID" 2>/dev/null || true
}

# key <keys>: a key press into the game window.
key() {
  focus_game
  xdotool key "$@"
}

# geometry: prints "X Y W H" of the game window.
geometry() {
  xdotool getwindowgeometry --shell "$WID" | awk -F= '/^X=/{x=$2}/^Y=/{y=$2}/^WIDTH=/{w=$2}/^HEIGHT=/{h=$2}END{print x, y, w, h}'
}

# wait_geometry <W> <H>: waits until the window has that size.
wait_geometry() {
  for _ in $(seq 1 50); do
    set -- "$1" "$2" $(geometry)
    [ "$5" = "$1" ] && [ "$6" = "$2" ] && return 0
    sleep 0.1
  done
  fail "window is $(geometry), expected $1x$2"
}

# wait_exit <code>: waits for the game to end with that exit code.
wait_exit() {
  for _ in $(seq 1 100); do
    if ! kill -0 "$GAME_PID" 2>/dev/null; then
      wait "$GAME_PID"
      local rc=$?
      [ "$rc" = "$1" ] || fail "exit code $rc, expected $1: $(cat "$WORK/game.log")"
      GAME_PID=""
      return 0
    fi
    sleep 0.1
  done
  fail "the game did not end"
}

shot() { /usr/bin/import -window root "$SHOTS/$1.png" || fail "screenshot $1"; }

# escape_out: Escape until the program ends (title -> highscore -> credits -> end).
escape_out() {
  for _ in 1 2 3 4; do
    kill -0 "$GAME_PID" 2>/dev/null || return 0
    key Escape
    sleep 0.7
  done
}
