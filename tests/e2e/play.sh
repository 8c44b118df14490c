#!/usr/bin/env bash
# A session of play driven only from outside with real X input, checking what a player sees, hears and keeps:
# window, loading screen, title menu, two rounds (held fire at the dragon's eye; iconify and restore pausing the
# second), game over, the saved scores and their checksums, a restart that loads them, a resize to 1920x1080 that
# reloads the largest pictures, and a clean close. The first run's sound is captured through OpenAL Soft's wave
# backend. Places are in window pixels: at 640x480 they equal the game's virtual units.
set -u
. "$(dirname "$0")/lib.bash"
e2e_setup "$1"
for tool in xdotool xwininfo xprop openbox strace sox /usr/bin/import /usr/bin/convert; do
  command -v "$tool" >/dev/null || fail "$tool is missing (scripts/packages.sh installs it)"
done

# ---- What the pictures show (each reads $shot) ----

# Each picture below is a list of picture.py requests (regions and the colours expected in them) and an awk condition
# over the answers.
numbers() { look "$@" | tr '\n' ' '; }

# Loading picture: the (40, 40, 80) clear with the orange band across the middle.
loading_looks=(share 0 0 20 20 'abs(r - 40) <= 6 and abs(g - 40) <= 6 and abs(b - 80) <= 6'
  -- share 0 232 20 16 'abs(r - 187) <= 8 and abs(g - 124) <= 8 and abs(b - 66) <= 8')
loading_ok='$1 > 0.95 && $2 > 0.95'

# Title menu in place: the green play button at (0.7 * 640, 0.3 * 480), the sky colour (0, 0, 80) in the top rows,
# the fiery logo around (0.4 * 640, 0.7 * 480).
menu_looks=(share 412 136 12 16 'g > 150 and r < 120 and b < 140' -- share 0 0 640 8 '(r, g, b) == (0, 0, 80)'
  -- share 128 272 256 128 'r > 200 and 60 < g < 200 and b < 80')
menu_ok='$1 > 0.9 && $2 > 0.02 && $3 > 0.08'
menu_numbers() { numbers "${menu_looks[@]}"; }
is_menu() { holds "$menu_ok" $(menu_numbers); }

# A round: the green eight-digit score at the top centre and no play button.
is_round() {
  holds '$1 > 0.05 && $2 < 0.2' $(numbers share 250 20 140 24 'g > 200 and r < 150 and b < 150' \
    -- share 412 136 12 16 'g > 150 and r < 120 and b < 140')
}

# Game-over overlay: everything darkened (by 0.7 at most) under a yellow bar from the left at y 216 and an orange
# one from the right at y 264.
over_looks=(share 10 210 140 12 'r > 120 and g > 120 and b < 50'
  -- share 480 258 150 12 'r > 120 and 50 < g < 110 and b < 50' -- share 0 60 100 120 'max(r, g, b) <= 150')
over_ok='$1 > 0.9 && $2 > 0.9 && $3 > 0.97'
over_numbers() { numbers "${over_looks[@]}"; }
is_game_over() { holds "$over_ok" $(over_numbers); }

# Pause panel in place (landscape, pauseY 240): the orange middle between the Quit and Resume buttons, the yellow bar
# above it, and the rest of the screen darkened by 0.625.
pause_looks=(share 220 215 50 70 'r >= 165 and 95 <= g <= 145 and b <= 50'
  -- share 220 177 200 6 'r > 140 and g > 140 and b < 60' -- share 470 300 160 170 'max(r, g, b) <= 100')
pause_ok='$1 > 0.95 && $2 > 0.9 && $3 > 0.97'
pause_numbers() { numbers "${pause_looks[@]}"; }
is_paused() { holds "$pause_ok" $(pause_numbers); }

# Playing on: no panel, and the grey ground undarkened.
is_playing() {
  holds '$1 < 0.3 && $2 > 0.9' $(numbers share 220 215 50 70 'r >= 165 and 95 <= g <= 145 and b <= 50' \
    -- share 470 372 160 20 'max(r, g, b) > 100')
}

# The lists' text is compared pixel for pixel, so the menu must have finished sliding in (32 updates) first.
settle_menu() {
  local name
  name=$(basename "$shot" .png)
  sleep 0.6
  grab "$name-settled"
}
lists_text() { look mask 500 0 140 480 255 200 100 -- mask 500 0 140 480 200 255 100 | tr '\n' ' '; }

# ---- The saved state ----

# Checks the form of .marmostate and all five checksums, and reads board 2's lists into $best and $recent (numbers
# separated by spaces, best or newest first), boards 1 and 3 into $others and the fields into ${state[@]}.
read_lists() {
  local file=$work/.marmostate
  [ -s "$file" ] || fail ".marmostate was not written"
  python3 - "$file" >"$work/state.txt" 2>"$work/state-error.txt" <<'EOF' || fail "$(cat "$work/state-error.txt")"
import sys
text = open(sys.argv[1], encoding='utf-8').read()
fields = text.split('|')
if len(fields) != 99 or fields[-1] != '':
    sys.exit('.marmostate does not hold 98 fields each ending in "|": %r' % text)
v = [int(f) for f in fields[:98]]
wrap = lambda n: (n + 2**31) % 2**32 - 2**31
sums = [('settings', 25, sum(i * v[i] for i in range(25))), ('badges', 34, sum(v[26:34]))]
for a in range(3):
    base = 35 + 21 * a
    sums.append(('score block %d' % (a + 1), base + 20,
                 sum((r + 4) * v[base + 2 * r] + (a + 3 + r) * v[base + 2 * r + 1] for r in range(10))))
for name, at, total in sums:
    if wrap(total) != v[at]:
        sys.exit('.marmostate: %s checksum is %d, field %d holds %d' % (name, wrap(total), at, v[at]))
print('\n'.join(map(str, v)))
EOF
  mapfile -t state <"$work/state.txt"
  best="" recent="" others=""
  for r in $(seq 0 9); do
    best="$best ${state[$((56 + 2 * r))]}"
    recent="$recent ${state[$((57 + 2 * r))]}"
    others="$others ${state[$((35 + 2 * r))]} ${state[$((36 + 2 * r))]}"
    others="$others ${state[$((77 + 2 * r))]} ${state[$((78 + 2 * r))]}"
  done
  best=${best# } recent=${recent# }
}

# ---- Playing ----

# Starts a watcher: a process that reads the window as fast as it can, for up to SECONDS, until the picture of
# LOOKS (an array name) and OK (its condition) shows, and keeps it as shots/NAME.png. Polling from here, between
# presses and clicks, can miss a picture that lasts a second or two on a loaded machine; the watcher does not.
# Its process id is left in $watcher.
watch_for() {
  local name=$1 seconds=$2 looks="$3[@]" ok=$4
  mkdir -p "$work/shots"
  python3 "$here/picture.py" "${5:-window:$wid}" poll "$seconds" \
    "$(echo "$ok" | sed -E 's/\$([0-9])/a[\1 - 1]/g; s/&&/and/g')" "$work/shots/$name.png" "${!looks}" >/dev/null &
  watcher=$!
  helper_pids+=("$watcher")
}
watching() { kill -0 "$watcher" 2>/dev/null; }

# Holds fire from the pointer at (400, 134), level with the dragon's eye at (174, 134) and on the right half, so
# the plane steers there and its shots fly left into the eye. A hold slows the guns, so the button is released
# every quarter of a second. Stops after SECONDS, or earlier once the watcher, if there is one, has finished.
fire() {
  local seconds=$1 end
  end=$(awk -v t="$EPOCHREALTIME" -v s="$seconds" 'BEGIN { printf "%.3f", t + s }')
  xdotool mousemove --window "$wid" 400 134
  while holds '$1 < $2' "$EPOCHREALTIME" "$end"; do
    [ -n "${watcher:-}" ] && ! watching && return
    xdotool mousedown 1
    sleep 0.25
    xdotool mouseup 1
    sleep 0.03
  done
}

# Ends round NAME: holds fire for up to SECONDS, in which the dragon's fire may bring the plane down; otherwise
# Escape opens the pause panel and its Quit button, at (cx - 140, pauseY - 64) = (180, 176), ends the round. Either
# way a watcher must see the game-over overlay; $how_ended says which way it went.
end_round() {
  local name=$1 seconds=$2
  how_ended="the dragon's fire"
  watch_for "$name-over" $((seconds + 30)) over_looks "$over_ok"
  fire "$seconds"
  if watching; then
    tap_key Escape
    for _ in $(seq 1 50); do
      watching || break
      shot=window:$wid
      if is_paused; then
        click_at 180 176
        how_ended="Quit from the pause panel"
        break
      fi
    done
  fi
  wait "$watcher" || fail "$name: no game-over overlay ($how_ended); the window shows $(over_numbers)"
  watcher=""
  shot=$work/shots/$name-over.png
}

# ---- Run 1: a fresh folder, sound captured ----

cat >"$work/openal.conf" <<EOF
[general]
drivers=wave
channels=stereo
sample-type=int16
frequency=44100
[wave]
file=$work/capture.wav
EOF
start_openbox
# The loader runs one step per update, a third of a second in all (less when the loop catches up after slow first
# frames), so a watcher started before the game catches its picture: it waits for the window's id in a file.
watch_for loading 30 loading_looks "$loading_ok" "window:@$work/wid.txt"
for _ in $(seq 1 300); do [ -e "$work/wid.txt.ready" ] && break; sleep 0.05; done
ALSOFT_CONF=$work/openal.conf start_game
echo "$wid" >"$work/wid.tmp" && mv "$work/wid.tmp" "$work/wid.txt"
wait "$watcher" || fail "the loading picture never showed"
watcher=""

title=$(xdotool getwindowname "$wid")
[ "$title" = Skarnfell ] || fail "window title is '$title'"
geometry() {
  xwininfo -id "$wid" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF} /Width:/{w=$2}
    /Height:/{h=$2} /Map State:/{m=$NF} END{print x, y, w, h, m}'
}
read -r sw sh < <(xwininfo -root | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w, h}')
# The window is positioned once mapped; give it a moment.
for _ in $(seq 1 40); do
  read -r wx wy ww wh map_state < <(geometry)
  [ "$map_state" = IsViewable ] && [ "$wx,$wy" = "$(((sw - 640) / 2)),$(((sh - 480) / 2))" ] && break
  sleep 0.05
done
[ "${ww}x${wh}" = 640x480 ] || fail "window is ${ww}x${wh}, not 640x480"
[ "$wx,$wy" = "$(((sw - 640) / 2)),$(((sh - 480) / 2))" ] ||
  fail "window at $wx,$wy is not centred on the ${sw}x${sh} screen"
pass "window titled Skarnfell, 640x480, centred at $wx,$wy"

pass "loading picture: (40, 40, 80) clear with the orange band (shots/loading.png)"
wait_for_picture menu is_menu 15 || fail "no title menu (play button, sky, logo) within 15 s: $(menu_numbers)"
t_menu=$(elapsed)
read -r button sky logo < <(menu_numbers)
pass "title menu $t_menu s after start: play button green ($button of its patch), sky (0,0,80) in $sky of the top" \
  "rows, logo colours in $logo of its area"
settle_menu
menu_zeros=$(lists_text)

# Title music for two seconds, then the sound button (32, 240) moves the sound mode from 1 (music and effects) to 2
# (effects only): from there on any sound is an effect.
sleep 2
t_sound=$(elapsed)
click_at 32 240
sleep 1.5

t_play=$(elapsed)
click_at 448 144
wait_for_picture round1 is_round 5 || fail "clicking the play button did not start a round"
pass "play button clicked: a round began (score display, no menu)"
# The round-start effect alone, then held fire before the dragon's first volley (170 updates into the round).
while holds '$1 < $2 + 1.2' "$(elapsed)" "$t_play"; do sleep 0.05; done
t_fire=$(elapsed)
fire 1.4
end_round round1 25
pass "round 1 ended by $how_ended: game-over overlay (darkened, yellow and orange bars)"
wait_for_picture menu-after-1 is_menu 10 || fail "not back in the title menu after game over: $(menu_numbers)"
pass "back in the title menu"

read_lists
s1=${best%% *}
holds '$1 > 0' "$s1" || fail "round 1 scored $s1: no hit on the eye (best list: $best)"
[ "$best" = "$s1 0 0 0 0 0 0 0 0 0" ] || fail "best list of board 2 is '$best', expected $s1 first"
[ "$recent" = "$s1 0 0 0 0 0 0 0 0 0" ] || fail "recent list of board 2 is '$recent', expected $s1 first"
[ "$(echo $others | tr -d ' 0')" = "" ] || fail "boards 1 and 3 are not empty: $others"
[ "${state[5]}" = 2 ] ||
  fail "saved sound mode is ${state[5]}, not 2 (effects only) after one click on the sound button"
pass ".marmostate: score $s1 first in board 2's best and recent lists, sound mode 2, all checksums valid"

# Round 2: iconify at once, restore, Resume, fire, quit.
stamp_before=$(stat -c %.9Y "$work/.marmostate")
click_at 448 144
wait_for_picture round2 is_round 5 || fail "the second click on the play button did not start a round"
xdotool windowminimize "$wid"
for _ in $(seq 1 50); do
  xprop -id "$wid" WM_STATE | grep -q 'state: Iconic' && break
  sleep 0.1
done
xprop -id "$wid" WM_STATE | grep -q 'state: Iconic' || fail "the window did not become iconic"
for _ in $(seq 1 30); do
  [ "$(stat -c %.9Y "$work/.marmostate")" != "$stamp_before" ] && break
  sleep 0.1
done
[ "$(stat -c %.9Y "$work/.marmostate")" != "$stamp_before" ] || fail "iconifying did not save .marmostate"
pass "iconified during the round; the game saved its state"
sleep 1
xdotool windowactivate "$wid"
wait_for_picture restored is_paused 8 || fail "after restoring, no pause panel: $(pause_numbers)"
pass "restored: the round is paused (darkened, panel with Quit, Resume and Sound)"
click_at 320 240
wait_for_picture resumed is_playing 5 || fail "Resume did not take the panel away"
pass "Resume: the panel slid away"
end_round round2 2
# Play went on after Resume either way: the dragon's volleys and their hits happen only while not paused, and
# Escape opens the panel only while not paused.
pass "round 2 went on after Resume and ended by $how_ended (either needs it unpaused): game-over overlay"
wait_for_picture menu-after-2 is_menu 10 || fail "not back in the title menu after the second round"
settle_menu
menu_lists=$(lists_text)
read_lists
s2=${recent%% *}
expected_best=$(printf '%s\n' "$s1" "$s2" 0 0 0 0 0 0 0 0 | sort -rn | tr '\n' ' ')
[ "$best " = "$expected_best" ] || fail "best list is '$best', expected '$expected_best'"
[ "$recent" = "$s2 $s1 0 0 0 0 0 0 0 0" ] || fail "recent list is '$recent', expected newest first: $s2 $s1"
pass "resumed round scored $s2: best list '$best', recent list '$recent', checksums valid"

close_game
t_exit=$(elapsed)
[ "$status" = 0 ] || fail "closing the window gave exit status $status"
pass "window closed: exit status 0"
[ "$menu_lists" != "$menu_zeros" ] || fail "the menu's score lists look the same with scores as without"

# ---- What was heard in run 1 ----
# The capture is lined up with the run by wall-clock times, which only hold at the game's real speed: a sanitizer
# build runs several times slower, so there the sound checks are reported as skipped rather than guessed at.
if [ "${SKARNFELL_SANITIZED:-0}" = 1 ]; then
  echo "skip: sound checks (sanitizer build: the capture cannot be lined up with the run's clock)"
else
# The capture runs in real time from the moment the game opens its sound device until it closes it at exit, so its
# clock is the run's clock less the start-up before the device opened.
wav=$work/capture.wav
wav_length=$(soxi -D "$wav" 2>/dev/null) || fail "the sound capture is not a readable WAV file (not finalised?)"
lag=$(awk -v a="$t_exit" -v b="$wav_length" 'BEGIN { printf "%.3f", a - b }')
holds '$1 > -0.3 && $1 < 3' "$lag" || fail "the capture lasts $wav_length s but the run $t_exit s"
at() { awk -v t="$1" -v d="$lag" -v o="$2" 'BEGIN { printf "%.3f", t - d + o }'; }
level() { python3 "$here/sound.py" level "$wav" "$(at "$1" "$2")" "$(at "$3" "$4")" | cut -d' ' -f1; }
title_music=$(level "$t_menu" 0.2 "$t_sound" -0.1)
quiet=$(level "$t_sound" 0.6 "$t_play" -0.1)
shots=$(level "$t_fire" 0.1 "$t_fire" 1.3)
read -r start_match start_at < <(python3 "$here/sound.py" match "$wav" "$work/data/sfx/003.wav" \
  "$(at "$t_play" -0.3)" "$(at "$t_play" 1.0)")
read -r shot_match shot_at < <(python3 "$here/sound.py" match "$wav" "$work/data/sfx/002.wav" \
  "$(at "$t_fire" 0)" "$(at "$t_fire" 1.2)")
holds '$1 > 0.02' "$title_music" || fail "title menu: sound level $title_music, the title music is not heard"
pass "title music heard: RMS $title_music of full scale over the menu's first seconds" \
  "(capture starts $lag s into the run)"
holds '$1 < 0.1 * $2' "$quiet" "$title_music" || fail "effects only, menu idle: level $quiet, not silent"
pass "effects-only sound mode, menu idle: RMS $quiet (music off)"
holds '$1 > 0.6' "$start_match" ||
  fail "round start: the round-start effect is not in the capture (best match $start_match)"
pass "round-start effect heard: the capture matches sfx/003.wav with correlation $start_match at $start_at s"
holds '$1 > 0.01 && $1 > 10 * $2 && $3 > 0.45' "$shots" "$quiet" "$shot_match" ||
  fail "held fire: level $shots, best match with the shot effect $shot_match: the shots are not heard"
pass "shots heard: RMS $shots during held fire with only effects on, best match with sfx/002.wav $shot_match"
fi

# ---- Run 2: a restart in the same folder loads what run 1 kept; then a resize to 1920x1080 ----
# strace records every file the game opens: the pictures it loads at each window size.
ALSOFT_DRIVERS=null start_game strace -f -qq -e trace=openat -o "$work/opened.txt"
wait_for_picture restart-menu is_menu 20 || fail "after the restart, no title menu: $(menu_numbers)"
for line in "Settings Loaded" "Badges Loaded" "Highscore 0 Loaded" "Highscore 1 Loaded" "Highscore 2 Loaded"; do
  grep -qx "$line" "$work/out.txt" || fail "restart: no line '$line' on standard output"
done
! grep -q Invalid "$work/out.txt" || fail "restart: $(grep Invalid "$work/out.txt" | head -1)"
pass "restart: 'Settings Loaded', 'Badges Loaded', 'Highscore 0/1/2 Loaded' on standard output"
settle_menu
restart_lists=$(lists_text)
[ "$restart_lists" = "$menu_lists" ] ||
  fail "the score lists after the restart ($restart_lists) are not those shown before closing ($menu_lists)"
pass "restart: the menu shows the same score lists, pixel for pixel, as before closing" \
  "($(echo $restart_lists | cut -d' ' -f1,3) text pixels)"

pictures="common/icons common/Buttons common/dpad common/icade common/PlovoLogo fonts/editundo menu logo parts BadgesA"
pictures="$pictures gfx dragon"
# How many times the game opened data/FILE successfully.
opened() { grep -F "\"./data/$1\"," "$work/opened.txt" | grep -c ') = [0-9]'; }
for p in $pictures; do
  [ "$(opened "$p-hd.png")" -ge 1 ] || fail "at 640x480 the game did not load data/$p-hd.png"
  [ "$(opened "$p-hd2.png")" = 0 ] || fail "at 640x480 the game loaded data/$p-hd2.png"
done
pass "at 640x480 the game loaded the 12 '-hd' pictures and no '-hd2' one"

xdotool windowmove "$wid" 0 0
xdotool windowsize "$wid" 1920 1080
for _ in $(seq 1 50); do
  read -r wx wy ww wh map_state < <(geometry)
  [ "${ww}x${wh}" = 1920x1080 ] && break
  sleep 0.1
done
[ "${ww}x${wh}" = 1920x1080 ] || fail "the window is ${ww}x${wh} after resizing to 1920x1080"
for p in $pictures; do
  for _ in $(seq 1 100); do
    [ "$(opened "$p-hd2.png")" -ge 1 ] && break
    sleep 0.1
  done
  [ "$(opened "$p-hd2.png")" -ge 1 ] || fail "after the resize to 1920x1080 the game did not load data/$p-hd2.png"
done
pass "resized to 1920x1080: the game reloaded all 12 pictures from their '-hd2' files"

# The game's own screenshot (F12) at the new size: the virtual screen is 640x360 scaled by 3, so the play button is
# at (3 * 448, 3 * 108) and the logo around (3 * 256, 3 * 252).
big_menu() {
  holds '$1 > 0.9 && $2 > 0.08' $(look share 1236 300 36 48 'g > 150 and r < 120 and b < 140' -- \
    share 384 564 768 384 'r > 200 and 60 < g < 200 and b < 80' | tr '\n' ' ')
}
big=""
for _ in $(seq 1 20); do
  before=$(grep -c '^Screenshot ' "$work/out.txt")
  tap_key F12
  for _ in $(seq 1 30); do
    [ "$(grep -c '^Screenshot ' "$work/out.txt")" -gt "$before" ] && break
    sleep 0.1
  done
  name=$(grep '^Screenshot ' "$work/out.txt" | tail -1 | cut -d' ' -f2)
  [ -n "$name" ] && [ -s "$work/$name" ] || fail "F12 wrote no screenshot"
  shot=$work/$name
  [ "$(look size)" = "1920 1080" ] || fail "F12 screenshot $name is $(look size), not 1920 1080"
  big_menu && { big=$name; break; }
  sleep 0.3
done
[ -n "$big" ] || fail "at 1920x1080 no screenshot shows the title menu (play button, logo)"
pass "F12 screenshot $big: 1920x1080, the title menu with its play button and logo in place"

close_game
[ "$status" = 0 ] || fail "closing the resized window gave exit status $status"
pass "window closed after the restart: exit status 0"
