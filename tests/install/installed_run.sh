#!/usr/bin/env bash
# Installs the game into a temporary prefix, makes it read-only (a read-only
# mount when run as root, for whom permissions do not hold), and starts it
# from the desktop with a level file another player sent, a fresh home folder
# and a real window in a virtual X display. The player's folder must be made
# in his home with the shipped files and the sent level; he plays a shipped
# level, and saves one of his own there.
# Usage: installed_run.sh BUILD_DIR
set -euo pipefail
build="$1"
work=$(mktemp -d)
prefix="$work/prefix"
cleanup() {
  [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null || true
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
  chmod -R u+w "$prefix" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "$*"; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
tree_before=$(cd "$prefix" && find . | sort)
mkdir -p "$work/home" "$work/mail" "$work/run"
chmod 700 "$work/run"
cp "$prefix/share/drippo/tab/01 Premiers pas.tab" "$work/mail/Zeste.tab"
user="$work/home/.local/share/drippo"

# A display of its own, whose number the server picks: two runs side by side
# cannot take the same one.
Xvfb -displayfd 1 -screen 0 1280x800x24 -nolisten tcp >"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "no virtual display"
export DISPLAY=":$(head -1 "$work/display")"

export HOME="$work/home" XDG_RUNTIME_DIR="$work/run" QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy
unset XDG_DATA_HOME
if [ "$(id -u)" -eq 0 ]; then
  unshare -m sh -c 'mount --bind -o ro "$1" "$1" && exec "$1/bin/drippo" "$2"' sh "$prefix" "$work/mail/Zeste.tab" &
else
  chmod -R a-w "$prefix"
  "$prefix/bin/drippo" "$work/mail/Zeste.tab" &
fi
pid=$!

wait_for() {  # wait_for DESCRIPTION COMMAND...: until the command succeeds, ten seconds at most
  local what="$1"; shift
  for _ in $(seq 50); do "$@" && return 0; sleep 0.2; done
  fail "$what"
}
window_named() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1; }
has_window() { [ -n "$(window_named "$1")" ]; }
# The window of the game that is not the main one: the dialog just opened.
dialog() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null | grep -vx "$main" | head -1; }
has_dialog() { [ -n "$(dialog)" ]; }
width_of() { xdotool getwindowgeometry "$1" | awk '/Geometry/ { split($2, s, "x"); print s[1] }'; }
# click WINDOW DESIGN_WIDTH X Y: a point in twips of a window laid out DESIGN_WIDTH twips wide.
click() {
  local w; w=$(width_of "$1")
  xdotool mousemove --window "$1" $(( $3 * w / $2 )) $(( $4 * w / $2 )) sleep 0.2 click 1
  sleep 0.3
}

wait_for "the main window did not appear" has_window '^Drippo$'
main=$(window_named '^Drippo$')

# The sent level is copied beside the shipped ones, and the browser opens on it.
wait_for "the level browser did not open on the sent level" has_dialog
browser=$(dialog)
for f in "tab/Zeste.tab" "tab/01 Premiers pas.tab" "tab/.shipped" "wav/water.wav" "mid/valse_des_bulles.mid"; do
  [ -f "$user/$f" ] || fail "$f is not in the player's folder"
done
cmp -s "$user/tab/Zeste.tab" "$work/mail/Zeste.tab" || fail "the sent level was not copied as it is"

# The first level of the list, a shipped one, played. The list is scrolled to
# the sent level, at its end: Home goes back to the first.
bw=$(width_of "$browser")
xdotool mousemove --window "$browser" $(( 2000 * bw / 7305 )) $(( 1680 * bw / 7305 + 8 )) sleep 0.2 click 1
sleep 0.3
xdotool key Home
sleep 0.3
click "$browser" 7305 $((6360 + 427)) $((4080 + 367))
wait_for "the shipped level did not load" has_window '^01 Premiers pas\.tab$'
sleep 1.5
kill -0 "$pid" || fail "the game stopped while playing"

# A new level in the editor, saved under the name the save dialog proposes.
click "$main" 11775 $((10680 + 487)) $((2040 + 427))
wait_for "the editor did not start" has_window '^nouveau$'
click "$main" 11775 $((9360 + 190 + 487)) $((4440 + 120 + 427))
wait_for "the save dialog did not open" has_dialog
save=$(dialog)
click "$save" 4170 $((3240 + 427)) $((1200 + 427))
# A level with no goal yet can never be won: the game asks whether to save it
# anyway, its No ready for Enter. Yes, from the keyboard.
question() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null | grep -vx -e "$main" -e "$save" | head -1; }
has_question() { [ -n "$(question)" ]; }
wait_for "no question before saving a level without a goal" has_question
sleep 0.3
xdotool key shift+Tab space
saved() { [ "$(stat -c %s "$user/tab/nouveau.tab" 2>/dev/null)" = 32128 ]; }
wait_for "the level was not saved in the player's folder" saved

[ "$(cd "$prefix" && find . | sort)" = "$tree_before" ] || fail "something was written beside the program"
echo "the installed game kept the player's files in $user"
