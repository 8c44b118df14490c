# Helpers for driving the real game binary from outside, as a player would (sourced by the e2e scripts).

e2e_setup() {
  bin=$1
  game_dir=$(cd "$(dirname "$bin")" && pwd)
  here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
  work=$(mktemp -d /tmp/skarnfell-e2e.XXXXXX)
  ln -s "$game_dir/data" "$work/data"
  export XDG_CACHE_HOME=$work/cache XDG_CONFIG_HOME=$work/config
  game_pid=""
  trap e2e_cleanup EXIT
}

e2e_cleanup() {
  [ -n "$game_pid" ] && kill -9 "$game_pid" 2>/dev/null
  rm -rf "$work"
}

fail() { echo "FAIL: $*"; exit 1; }

# Starts the game in the scratch folder; its standard output goes to $work/out.txt.
start_game() {
  (cd "$work" && exec "$bin" >"$work/out.txt" 2>"$work/err.txt") &
  game_pid=$!
  wid=""
  for _ in $(seq 1 100); do
    wid=$(xdotool search --name '^Skarnfell$' 2>/dev/null | head -1)
    [ -n "$wid" ] && break
    sleep 0.1
  done
  [ -n "$wid" ] || fail "no window titled Skarnfell appeared"
}

# Closes the window gracefully and returns the game's exit status in $status.
close_game() {
  python3 "$here/xclose.py" "$wid"
  status=0
  for _ in $(seq 1 100); do
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
  done
  wait "$game_pid" || status=$?
  game_pid=""
}
