# Helpers for driving the real game binary from outside, as a player would (sourced by the e2e scripts).

e2e_setup() {
  bin=$1
  game_dir=$(cd "$(dirname "$bin")" && pwd)
  here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
  work=$(mktemp -d /tmp/skarnfell-e2e.XXXXXX)
  ln -s "$game_dir/data" "$work/data"
  export XDG_CACHE_HOME=$work/cache XDG_CONFIG_HOME=$work/config
  game_pid=""
  wm_pid=""
  helper_pids=()
  keep_work=0
  script_t0=$EPOCHREALTIME
  trap e2e_cleanup EXIT
}

e2e_cleanup() {
  [ -n "$game_pid" ] && kill -9 "$game_pid" 2>/dev/null
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
  for pid in "${helper_pids[@]}"; do kill "$pid" 2>/dev/null; done
  if [ "$keep_work" = 1 ]; then return; fi
  rm -rf "$work"
}

# The scratch folder (screenshots, the game's output, its state file) is kept for a look after a failure.
fail() {
  keep_work=1
  echo "FAIL: $*"
  echo "      (screenshots, out.txt and the game's files are kept in $work)"
  exit 1
}

# Each passed check prints one line, stamped with the seconds since the script began.
pass() { awk -v a="$script_t0" -v b="$EPOCHREALTIME" -v m="$*" 'BEGIN { printf "ok [%5.1f s] %s\n", b - a, m }'; }

# Starts the game in the scratch folder; its standard output goes to $work/out.txt. Arguments, if any, are a command
# that runs the game (for example strace with its options). $game_t0 is the start time in seconds (EPOCHREALTIME).
start_game() {
  local before
  before=$(xdotool search --name '^Skarnfell$' 2>/dev/null | sort)
  game_t0=$EPOCHREALTIME
  (cd "$work" && exec "$@" "$bin" >"$work/out.txt" 2>"$work/err.txt") &
  game_pid=$!
  wid=""
  for _ in $(seq 1 200); do
    # Only a window that was not there before: another game on the same display must not be mistaken for ours.
    wid=$(xdotool search --name '^Skarnfell$' 2>/dev/null | sort | comm -13 <(echo "$before") - | head -1)
    [ -n "$wid" ] && break
    sleep 0.05
  done
  [ -n "$wid" ] || fail "no window titled Skarnfell appeared"
}

# Closes the window gracefully and returns the game's exit status in $status.
close_game() {
  python3 "$here/xclose.py" "$wid"
  status=0
  for _ in $(seq 1 150); do
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
  done
  wait "$game_pid" || status=$?
  game_pid=""
}

# Seconds since start_game, with millisecond precision.
elapsed() { awk -v a="$game_t0" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.3f", b - a }'; }

# openbox, for the window manager's part of iconify and restore (its caches go to the scratch XDG folders).
start_openbox() {
  openbox --sm-disable >"$work/openbox.txt" 2>&1 &
  wm_pid=$!
  for _ in $(seq 1 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return
    sleep 0.1
  done
  fail "openbox did not start"
}

# A press held long enough for the game's next update to see it (it reads held buttons once per update).
click_at() {
  xdotool mousemove --window "$wid" "$1" "$2"
  xdotool mousedown 1
  sleep 0.1
  xdotool mouseup 1
}

tap_key() {
  xdotool keydown "$1"
  sleep 0.1
  xdotool keyup "$1"
}

# Screenshot of the game window into $work/shots/NAME.png (kept for a look after a failure); its path is left in $shot.
grab() {
  mkdir -p "$work/shots"
  shot=$work/shots/$1.png
  /usr/bin/import -window "$wid" "$shot" 2>/dev/null
}

# picture.py on $shot (a screenshot file, or "window:ID" for the window as it is now): requests separated by "--",
# one answer line each.
look() { python3 "$here/picture.py" "$shot" "$@"; }

# True when the awk condition holds for the given numbers ($1, $2, ... in the condition).
holds() {
  local condition=$1
  shift
  echo "$@" | awk "{ exit !($condition) }"
}

# Polls the window as it is until the shell function CHECK sees its picture or SECONDS pass; then keeps a screenshot
# as NAME (a moment later than the check, for the record).
wait_for_picture() {
  local name=$1 check=$2 seconds=$3 found=1
  local deadline
  deadline=$(awk -v t="$EPOCHREALTIME" -v s="$seconds" 'BEGIN { printf "%.3f", t + s }')
  while :; do
    shot=window:$wid
    if "$check"; then found=0; break; fi
    holds '$1 > $2' "$EPOCHREALTIME" "$deadline" && break
  done
  local verdict=$shot
  grab "$name"
  [ "$found" = 1 ] && shot=$verdict  # the numbers in a failure message come from the window as it is then
  return $found
}
