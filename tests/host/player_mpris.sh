#!/usr/bin/env bash
# The player's media controls through playerctl, a real MPRIS client, on the private session
# bus that dbus-run-session gives this script: play starts the page in view, the metadata
# names the song and follows it to the next, pause, play-pause and stop show in the status.
# Every wait follows the player's own change signals (playerctl --follow), bounded only
# against a hang. Usage: dbus-run-session -- player_mpris.sh KESTO_PLAYER
set -euo pipefail
player=$1
data=$(mktemp -d)
cleanup() {
    kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    rm -rf "$data"
}
"$player" --offscreen --data "$data" >"$data/player.log" 2>&1 &
pid=$!
trap cleanup EXIT

pc() { playerctl --player=kesto "$@"; }
# Waits until the followed value (playerctl --follow ARGS) is one the awk condition accepts;
# the value is $0 there and "t" holds the fourth argument.
await() {
    local condition=$1 t=$2
    shift 2
    if ! awk -v t="$t" "$condition { found = 1; exit } END { exit !found }" \
        < <(timeout 60 playerctl --player=kesto --follow "$@"); then
        echo "never saw: $* with $condition" >&2
        cat "$data/player.log" >&2
        exit 1
    fi
}
fail() {
    echo "$1" >&2
    exit 1
}

await '$0 == "Stopped"' "" status
pc play
await '$0 == "Playing"' "" status
title=$(pc metadata xesam:title)
[ -n "$title" ] || fail "no title while playing"
[ -n "$(pc metadata xesam:artist)" ] || fail "no artist"
[ -n "$(pc metadata xesam:album)" ] || fail "no album"
[ "$(pc metadata mpris:length)" -gt 0 ] || fail "no length"

pc next
await '$0 != "" && $0 != t' "$title" metadata xesam:title
pc pause
await '$0 == "Paused"' "" status
pc play-pause
await '$0 == "Playing"' "" status
pc stop
await '$0 == "Stopped"' "" status
echo "media controls: play, metadata, next, pause, play-pause, stop"
