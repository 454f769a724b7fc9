#!/bin/sh
# Regenerates every picture in data/ (animals, dragons, menu) from the Fluent Emoji art.
# Installs the art package from npm into a temporary folder; needs node/npm, python3,
# rsvg-convert (librsvg2-bin) and ImageMagick.
#   tools/makepictures.sh            draw into data/
#   ICONS=/path/to/fluent-emoji tools/makepictures.sh   use an already unpacked package
set -eu
here=$(cd "$(dirname "$0")" && pwd)
data="$here/../data"
version=1.2.7

if [ -z "${ICONS:-}" ]; then
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
    (cd "$scratch" && npm install --silent --no-audit --no-fund --no-save \
        "@iconify-json/fluent-emoji@$version" >/dev/null)
    ICONS="$scratch/node_modules/@iconify-json/fluent-emoji"
fi

python3 "$here/makepictures.py" "$ICONS" "$data"
echo "pictures written to $data"
