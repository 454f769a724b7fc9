#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# The installed menu entry, software-centre entry and icons pass the desktop's validators,
# and name what is installed.
# usage: desktopfiles.sh CMAKE BUILD_DIR APP_ID
set -u
for tool in desktop-file-validate appstreamcli; do
    command -v $tool >/dev/null || { echo "SKIP: $tool is missing"; exit 77; }
done
. "$(dirname "$0")/installroot.sh" "$1" "$2"
share=$root/usr/share
id=$3
entry=$share/applications/$id.desktop

desktop-file-validate "$entry" || fail "desktop-file-validate"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" || fail "appstreamcli validate"

grep -qx "Exec=velk" "$entry" && [ -x "$root/usr/bin/velk" ] || fail "the entry starts no installed velk"
grep -qx "Icon=$id" "$entry" || fail "the entry names another icon"
[ -s "$share/icons/hicolor/scalable/apps/$id.svg" ] || fail "no scalable icon"
for size in 16 22 24 32 48 64 128 256; do
    png=$share/icons/hicolor/${size}x${size}/apps/$id.png
    # Width and height stand in the PNG header, big-endian, at bytes 16 and 20.
    read -r w h < <(od -An -tu1 -j16 -N8 "$png" 2>/dev/null |
        awk '{ print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }')
    [ "${w:-0}x${h:-0}" = "${size}x${size}" ] || fail "$png is ${w:-missing}x${h:-}"
done
echo "desktop files valid"
