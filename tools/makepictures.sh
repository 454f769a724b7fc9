#!/bin/sh
# SPDX-License-Identifier: GPL-2.0-or-later
# Regenerates every picture in data/ (animals, dragons, menu) from the art sets named in
# tools/pictures.tsv: Fluent Emoji, game-icons.net and OpenMoji from npm, Openclipart and the
# Tux Paint stamps from Debian's packages. Fetches all five into a temporary folder; needs
# node/npm, apt-get (with its package lists), dpkg-deb, python3, rsvg-convert (librsvg2-bin)
# and ImageMagick.
#   tools/makepictures.sh            fetch the art and draw into data/
#   ART=/path/to/art tools/makepictures.sh
#                                    use a folder an earlier run filled (KEEP_ART=DIR keeps it)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
data="$here/../data"
fluent_version=1.2.7
game_icons_version=1.2.4
openmoji_version=1.2.29
openclipart_version=1:0.18+dfsg-19
tuxpaint_version=2022.06.04-1

if [ -z "${ART:-}" ]; then
    ART=${KEEP_ART:-$(mktemp -d)}
    [ -n "${KEEP_ART:-}" ] || trap 'rm -rf "$ART"' EXIT
    mkdir -p "$ART"
    (cd "$ART" && echo '{"private":true}' >package.json &&
        npm install --silent --no-audit --no-fund --no-save \
            "@iconify-json/fluent-emoji@$fluent_version" \
            "@iconify-json/game-icons@$game_icons_version" \
            "@iconify-json/openmoji@$openmoji_version" >/dev/null)
    (cd "$ART" && apt-get download -qq "openclipart-svg=$openclipart_version" \
        "tuxpaint-stamps-default=$tuxpaint_version" 2>/dev/null)
    for deb in "$ART"/*.deb; do dpkg-deb -x "$deb" "$ART/debs"; done
fi

modules="$ART/node_modules/@iconify-json"
python3 "$here/makepictures.py" \
    --fluent "$modules/fluent-emoji" --game-icons "$modules/game-icons" \
    --openmoji "$modules/openmoji" \
    --openclipart "$ART/debs/usr/share/openclipart/svg" \
    --tuxpaint "$ART/debs/usr/share/tuxpaint/stamps" "$data"
echo "pictures written to $data"
