#!/usr/bin/env bash
# Fails when an #include in src/ points up a layer. The layers, lowest first:
#   schedule/  settings/  calendar/  platform/  ui/  main.cpp
# A file may include its own layer and the ones below it, never one above.
set -euo pipefail
src="${1:-$(dirname "$0")/../src}"

rank() {
    case "$1" in
    schedule) echo 0 ;;
    settings) echo 1 ;;
    calendar) echo 2 ;;
    platform) echo 3 ;;
    ui) echo 4 ;;
    *) echo 5 ;;
    esac
}

status=0
while IFS= read -r file; do
    relative="${file#"$src"/}"
    layer="${relative%%/*}"
    [[ "$relative" == */* ]] || layer=main
    own=$(rank "$layer")
    while IFS= read -r included; do
        target="${included%%/*}"
        if (($(rank "$target") > own)); then
            echo "$relative includes \"$included\": $layer/ may not use $target/" >&2
            status=1
        fi
    done < <(sed -n 's/^#include "\([a-z_]*\/[^"]*\)".*/\1/p' "$file")
done < <(find "$src" -name '*.cpp' -o -name '*.h')

if ((status == 0)); then
    echo "Every include in $src points down."
fi
exit $status
