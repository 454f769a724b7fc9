#!/bin/sh
# Regenerates every picture in data/ (animals, dragons, menu) from the Fluent Emoji art and,
# for the animals the emoji lack, the game-icons.net silhouettes.
# Installs both art packages from npm into a temporary folder; needs node/npm, python3,
# rsvg-convert (librsvg2-bin) and ImageMagick.
#   tools/makepictures.sh            draw into data/
#   ICONS=/path/to/fluent-emoji GAME_ICONS=/path/to/game-icons tools/makepictures.sh
#                                    use already unpacked packages
set -eu
here=$(cd "$(dirname "$0")" && pwd)
data="$here/../data"
version=1.2.7
game_icons_version=1.2.4

if [ -z "${ICONS:-}" ] || [ -z "${GAME_ICONS:-}" ]; then
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    (cd "$scratch" && npm install --silent --no-audit --no-fund --no-save \
        "@iconify-json/fluent-emoji@$version" \
        "@iconify-json/game-icons@$game_icons_version" >/dev/null)
    ICONS=${ICONS:-"$scratch/node_modules/@iconify-json/fluent-emoji"}
    GAME_ICONS=${GAME_ICONS:-"$scratch/node_modules/@iconify-json/game-icons"}
fi

python3 "$here/makepictures.py" "$ICONS" "$GAME_ICONS" "$data"
echo "pictures written to $data"
