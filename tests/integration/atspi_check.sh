#!/bin/sh
# Runs the AT-SPI check of the song list: the host program on a private X server and a private
# session bus with the accessibility bus. Exits 77 (skipped) where the tools are missing.
host=$1
client=$2
for tool in Xvfb dbus-run-session /usr/libexec/at-spi-bus-launcher /usr/bin/python3; do
    command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool is missing"; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "skipped: python3-pyatspi is missing"; exit 77; }
exec dbus-run-session -- sh -c '
    display=:$((90 + $$ % 500))
    Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    bus=$!
    sleep 1
    DISPLAY=$display QT_QPA_PLATFORM=xcb "$0" "$1"
    status=$?
    kill $bus $xvfb 2>/dev/null
    exit $status
' "$host" "$client"
