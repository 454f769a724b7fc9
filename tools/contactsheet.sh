#!/bin/sh
# SPDX-License-Identifier: GPL-2.0-or-later
# Makes contact sheets of every animal picture with its full name (and plain name) under
# it, at the size the question screens show it (160 x 107), so a person can check that each
# picture shows the animal its name says and can be told from the animals beside it: the
# animals come by class, then family, then eating habit, so look-alikes sit side by side.
#   tools/contactsheet.sh [OUTPUT_PREFIX]     default: ./contactsheet  ->  contactsheet-1.png ...
# Needs python3 and ImageMagick's montage.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
data="$here/../data"
prefix=${1:-contactsheet}
list=$(mktemp)
trap 'rm -f "$list"' EXIT

# one line per animal: picture<TAB>label, alike animals together
python3 - "$data/velk.dat" >"$list" <<'PY'
import csv, sys
with open(sys.argv[1], encoding="utf-8", newline="") as f:
    rows = [(n, row) for n, row in enumerate(csv.reader(f), 1) if row]
rows.sort(key=lambda r: (int(r[1][4]) % 6, int(r[1][5]), int(r[1][6]), r[0]))
for n, row in rows:
    print(f"{row[2]}\t{n}. {row[1]} ({row[0]}) d{row[3]}")
PY

per_sheet=48
total=$(wc -l <"$list")
sheet=1
start=1
while [ "$start" -le "$total" ]; do
    args=""
    set --
    sed -n "${start},$((start + per_sheet - 1))p" "$list" >"$list.part"
    while IFS="$(printf '\t')" read -r picture label; do
        set -- "$@" -label "$label" "$data/$picture"
    done <"$list.part"
    montage -font DejaVu-Sans -pointsize 10 "$@" -tile 8x -geometry 160x107+4+4 \
        -background white "$prefix-$sheet.png"
    echo "$prefix-$sheet.png"
    sheet=$((sheet + 1))
    start=$((start + per_sheet))
done
rm -f "$list.part"
