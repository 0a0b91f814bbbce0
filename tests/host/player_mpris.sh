#!/usr/bin/env bash
# The player's media controls through playerctl, a real MPRIS client, on the private session
# bus that dbus-run-session gives this script: play starts the page in view, the metadata
# names the song and follows it to the next, pause, play-pause and stop show in the status;
# seeks by the largest offsets a client can send land at the song's start and end.
# Usage: dbus-run-session -- player_mpris.sh KESTO_PLAYER
set -euo pipefail
player=$1
data=$(mktemp -d)
monitor=
cleanup() {
    [ -z "$monitor" ] || kill "$monitor" 2>/dev/null || true
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

# Seeked tells where each seek landed: the start, then the end of the song.
dbus-monitor --session "type='signal',member='Seeked'" >"$data/seeked.log" 2>&1 &
monitor=$!
seek() {
    dbus-send --session --type=method_call --dest=org.mpris.MediaPlayer2.kesto /org/mpris/MediaPlayer2 \
        org.mpris.MediaPlayer2.Player.Seek "int64:$1"
}
landed() { grep -o 'int64 -\?[0-9]*' "$data/seeked.log" | awk '{print $2}' | paste -sd' '; }
for _ in $(seq 100); do [ -s "$data/seeked.log" ] && break; sleep 0.1; done
length=$(pc metadata mpris:length)
seek -9223372036854775808
seek 9223372036854775807
for _ in $(seq 100); do [ "$(landed | wc -w)" -ge 2 ] && break; sleep 0.1; done
[ "$(landed)" = "0 $length" ] || fail "seeks landed at $(landed), not 0 and $length"
await != "$title" metadata xesam:title
title=$(pc metadata xesam:title)

pc next
await != "$title" metadata xesam:title
pc pause
await = Paused status
pc play-pause
await = Playing status
pc stop
await = Stopped status
echo "media controls: play, metadata, seek, next, pause, play-pause, stop"
