#!/usr/bin/env bash
# Starts the real game and sends it SIGTERM (kill, a desktop session logging
# out), then SIGINT (Ctrl+C in a terminal): each must end it at once, by that
# signal, however the sound was set up.
# Usage: signals_end_the_game.sh PATH/TO/drippo
set -euo pipefail
game="$1"
work=$(mktemp -d)
trap 'kill -KILL "${pid:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy XDG_RUNTIME_DIR="$work"

# Gone, or a zombie waiting for us to collect its status.
ended() {
  local state
  state=$(ps -o stat= -p "$1" 2>/dev/null) || return 0
  [[ $state == Z* ]]
}

ends_by() {
  local signal=$1 folder="$work/$1"
  mkdir "$folder"
  cp "$game" "$folder/drippo"
  # A shell without job control starts background commands with SIGINT
  # ignored; the game must meet the signals as a terminal would give them.
  env --default-signal=INT,TERM "$folder/drippo" &
  pid=$!
  # The sound is set up before the settings are read, and reading them lays
  # the sta folder: once it is there, SDL has had its chance to take the signals.
  for _ in $(seq 100); do
    [ -d "$folder/sta" ] && break
    sleep 0.1
  done
  [ -d "$folder/sta" ] || { echo "the game did not start"; return 1; }
  sleep 0.5
  kill -s "$signal" "$pid"
  for _ in $(seq 50); do
    ended "$pid" && break
    sleep 0.1
  done
  if ! ended "$pid"; then
    echo "SIG$signal: the game is still running"
    return 1
  fi
  local status=0
  wait "$pid" || status=$?
  pid=
  if [ "$status" -ne $((128 + $(kill -l "$signal"))) ]; then
    echo "SIG$signal: the game ended with status $status"
    return 1
  fi
  echo "SIG$signal ends the game"
}

ends_by TERM
ends_by INT
