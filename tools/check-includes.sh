#!/usr/bin/env bash
# Fails when an #include in src/ points up a layer, or across the rooms of ui/. The layers,
# lowest first:
#   schedule/  settings/  calendar/  platform/  publishing/  ui/  main.cpp
# A file may include its own layer and the ones below it, never one above. Within ui/, parts/
# holds what every room shares; publishing/ the Publish dialog and the state row the Settings tab
# shows; calendar/, settings/, printing/ and about/ stand side by side and never include each
# other; window/ puts them together.
set -euo pipefail
src="${1:-$(dirname "$0")/../src}"

rank() {
    case "$1" in
    schedule) echo 0 ;;
    settings) echo 1 ;;
    calendar) echo 2 ;;
    platform) echo 3 ;;
    publishing) echo 4 ;;
    ui) echo 5 ;;
    *) echo 6 ;;
    esac
}

room_rank() {
    case "$1" in
    parts) echo 0 ;;
    publishing) echo 1 ;;
    calendar | settings | printing | about) echo 2 ;;
    window) echo 3 ;;
    *) echo 4 ;;
    esac
}

status=0
while IFS= read -r file; do
    relative="${file#"$src"/}"
    layer="${relative%%/*}"
    [[ "$relative" == */* ]] || layer=main
    own=$(rank "$layer")
    room=""
    if [[ "$layer" == ui ]]; then
        room="${relative#ui/}"
        room="${room%%/*}"
        if [[ "$(room_rank "$room")" == 4 ]]; then
            echo "$relative: every file of ui/ belongs in one of its rooms" >&2
            status=1
        fi
    fi
    while IFS= read -r included; do
        target="${included%%/*}"
        if (($(rank "$target") > own)); then
            echo "$relative includes \"$included\": $layer/ may not use $target/" >&2
            status=1
        elif [[ -n "$room" && "$target" == ui ]]; then
            other="${included#ui/}"
            other="${other%%/*}"
            if [[ "$other" != "$room" ]] && (($(room_rank "$other") >= $(room_rank "$room"))); then
                echo "$relative includes \"$included\": ui/$room/ may not use ui/$other/" >&2
                status=1
            fi
        fi
    done < <(sed -n 's/^#include "\([a-z_]*\/[^"]*\)".*/\1/p' "$file")
done < <(find "$src" -name '*.cpp' -o -name '*.h')

if ((status == 0)); then
    echo "Every include in $src points down."
fi
exit $status
