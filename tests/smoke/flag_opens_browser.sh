#!/usr/bin/env bash
# Starts the real game in a virtual X display, clicks the green flag with the
# mouse, and checks that the level browser opened over the main window.
# Usage: flag_opens_browser.sh PATH/TO/drippo
set -euo pipefail
game="$1"
work=$(mktemp -d)
trap 'kill "${pid:-}" 2>/dev/null || true; rm -rf "$work"' EXIT

# A program folder of its own, with one level in it, where the game has
# started before: else the browser would open by itself, as for a newcomer.
cp "$game" "$work/drippo"
mkdir -p "$work/tab" "$work/sta"
: >"$work/sta/started.txt"
cp "$(dirname "$game")"/tab/*.tab "$work/tab/"

export QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy XDG_RUNTIME_DIR="$work"
"$work/drippo" &
pid=$!

main=""
for _ in $(seq 50); do
  main=$(xdotool search --onlyvisible --name '^Drippo$' 2>/dev/null | head -1 || true)
  [ -n "$main" ] && break
  sleep 0.2
done
[ -n "$main" ] || { echo "the main window did not appear"; exit 1; }

# The flag's centre, from the window's size: its layout is in twips, 11775 wide.
width=$(xdotool getwindowgeometry "$main" | awk '/Geometry/ { split($2, s, "x"); print s[1] }')
x=$(( (9550 + 975 / 2) * width / 11775 ))
y=$(( (2040 + 855 / 2) * width / 11775 ))
before=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l)
xdotool mousemove --window "$main" "$x" "$y" sleep 0.2 click 1

for _ in $(seq 50); do
  after=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l)
  if [ "$after" -gt "$before" ]; then
    echo "the level browser opened"
    exit 0
  fi
  sleep 0.2
done
echo "no browser after clicking the flag ($before windows before, $after after)"
exit 1
