#!/bin/sh
# SPDX-License-Identifier: GPL-2.0-or-later
# Regenerates every picture in data/: each animal's from our own drawing in tools/drawings/,
# and the letter game's dragons and the menu picture from the Fluent Emoji, which it fetches
# from npm into a temporary folder. Needs node/npm, python3, rsvg-convert (librsvg2-bin) and
# ImageMagick.
#   tools/makepictures.sh            fetch the emoji and draw into data/
#   ART=/path/to/art tools/makepictures.sh
#                                    use a folder an earlier run filled (KEEP_ART=DIR keeps it)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
data="$here/../data"
fluent_version=1.2.7

if [ -z "${ART:-}" ]; then
    ART=${KEEP_ART:-$(mktemp -d)}
    [ -n "${KEEP_ART:-}" ] || trap 'rm -rf "$ART"' EXIT
    mkdir -p "$ART"
    (cd "$ART" && echo '{"private":true}' >package.json &&
        npm install --silent --no-audit --no-fund --no-save \
            "@iconify-json/fluent-emoji@$fluent_version" >/dev/null)
fi

python3 "$here/makepictures.py" --fluent "$ART/node_modules/@iconify-json/fluent-emoji" "$data"
echo "pictures written to $data"
