#!/bin/sh
# The module exports Song_GetPanelInfo and no other symbol of its own.
set -eu
module="$1"
symbols=$(nm -D --defined-only "$module" | awk '{print $NF}' | grep -v -x -e _init -e _fini -e __bss_start -e _edata -e _end || true)
if [ "$symbols" != "Song_GetPanelInfo" ]; then
    echo "unexpected exports of $module:" >&2
    echo "$symbols" >&2
    exit 1
fi
echo "only Song_GetPanelInfo is exported"
