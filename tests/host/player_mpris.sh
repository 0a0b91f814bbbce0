#!/usr/bin/env bash
# The player's media controls through playerctl, a real MPRIS client, on the private session
# bus that dbus-run-session gives this script: play starts the page in view, the metadata
# names the song and follows it to the next, pause, play-pause and stop show in the status.
# Usage: dbus-run-session -- player_mpris.sh KESTO_PLAYER
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
# Polls the player until ARGS answer as the test wants ("=" the value, "!=" anything but it);
# each poll is a round trip on the bus, and the bound only guards against a hang.
await() {
    local relation=$1 value=$2
    shift 2
    for _ in $(seq 600); do
        local now
        now=$(pc "$@" 2>/dev/null || true)
        if { [ "$relation" = "=" ] && [ "$now" = "$value" ]; } ||
            { [ "$relation" = "!=" ] && [ -n "$now" ] && [ "$now" != "$value" ]; }; then
            return 0
        fi
        sleep 0.1
    done
    echo "never saw: $* $relation $value" >&2
    cat "$data/player.log" >&2
    exit 1
}
fail() {
    echo "$1" >&2
    exit 1
}

await = Stopped status
pc play
await = Playing status
title=$(pc metadata xesam:title)
[ -n "$title" ] || fail "no title while playing"
[ -n "$(pc metadata xesam:artist)" ] || fail "no artist"
[ -n "$(pc metadata xesam:album)" ] || fail "no album"
[ "$(pc metadata mpris:length)" -gt 0 ] || fail "no length"

pc next
await != "$title" metadata xesam:title
pc pause
await = Paused status
pc play-pause
await = Playing status
pc stop
await = Stopped status
echo "media controls: play, metadata, next, pause, play-pause, stop"
