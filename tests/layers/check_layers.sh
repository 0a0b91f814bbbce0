#!/usr/bin/env bash
# Fails when a source includes a room on its own floor or above: layers only point down.
# Usage: check_layers.sh [source root]
set -euo pipefail
root=${1:-$(cd "$(dirname "$0")/../.." && pwd)}
cd "$root"

declare -A floor=(
    [include]=0
    [platform]=1 [sql]=1
    [songs]=2 [settings]=2
    [protocol]=3 [library]=3 [columns]=3 [links]=3 [service]=3
    [listview]=4 [webview]=4 [module]=4 [host]=4
    [commands]=5
    [pages]=6
    [dialogs]=7
    [panel]=8 [minimode]=8
    [entry]=9
)

# Rooms that stand beside the module and may include only these rooms, whatever their floor:
# the player reaches the panel through the public header alone.
declare -A beside=(
    [host]="host include service"
)

status=0
for room in "${!floor[@]}"; do
    [ -d "$room" ] || continue
    while IFS=: read -r file line target; do
        up=${target%%/*}
        [ "$up" = "$room" ] && continue
        if [ -n "${beside[$room]+set}" ]; then
            if [[ " ${beside[$room]} " != *" $up "* ]]; then
                echo "$file:$line: $room stands beside the module and includes \"$target\""
                status=1
            fi
        elif [ -z "${floor[$up]+set}" ]; then
            echo "$file:$line includes \"$target\" from a folder that has no floor"
            status=1
        elif [ "${floor[$up]}" -ge "${floor[$room]}" ]; then
            echo "$file:$line: $room (floor ${floor[$room]}) includes \"$target\" ($up, floor ${floor[$up]})"
            status=1
        fi
    done < <(grep -rnoE '^#include "[a-z_]+/[^"]+"' --include='*.cpp' --include='*.h' "$room" |
             sed -E 's/#include "([^"]+)"/\1/')
done
[ "$status" -eq 0 ] && echo "every include points down"
exit "$status"
