#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Builds the Debian packages from the build and unpacks them into one temporary root. The
# game's package must need no web engine, each package must carry a machine-readable
# copyright file naming every set of art and a changelog of its own version, no file may
# lie in two packages, and no delivered data file may be executable.
# usage: packages.sh CPACK BUILD_DIR
set -u
for tool in dpkg-deb dpkg-shlibdeps dpkg-parsechangelog readelf; do
    command -v $tool >/dev/null || { echo "SKIP: $tool is missing"; exit 77; }
done
# Debian's Python, which python3-debian is installed for, whatever else is on the PATH.
python=/usr/bin/python3
$python -c 'import debian.copyright' 2>/dev/null || { echo "SKIP: python3-debian is missing"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
# gzip rather than xz: the same packages, packed in a fraction of the time.
"$1" --config "$2/CPackConfig.cmake" -B "$work" -D CPACK_DEBIAN_COMPRESSION_TYPE=gzip \
    >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack"; }
root=$work/root
for package in velk trivia; do
    deb=$(echo "$work"/${package}_*.deb)
    [ -f "$deb" ] || fail "no package $package"
    dpkg-deb -x "$deb" "$root"
    dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $NF }' | sort >"$work/$package.files"
    doc=$root/usr/share/doc/$package
    gzip -dc "$doc/changelog.gz" >"$work/changelog" || fail "$package has no changelog.gz"
    [ "$(dpkg-parsechangelog -l "$work/changelog" -S Version)" = "$(dpkg-deb -f "$deb" Version)" ] ||
        fail "the changelog of $package is not of its version"
    $python - "$doc/copyright" "$root/usr/share/velk/ART-LICENSE.txt" <<'PY' || fail "$doc/copyright"
import re, sys
from debian.copyright import Copyright
with open(sys.argv[1]) as f:
    c = Copyright(f, strict=True)  # raises on anything out of the format
texts = {p.license.synopsis for p in c.all_license_paragraphs()}
for p in c.all_files_paragraphs():
    if not p.license.text and p.license.synopsis not in texts:
        sys.exit(f"no text for the licence {p.license.synopsis}")
comments = " ".join(p.comment or "" for p in c.all_files_paragraphs())
sets = re.findall(r"^\d+\. (.+?)(?: \(|$)", open(sys.argv[2]).read(), re.M)
missing = [s for s in sets if s not in comments]
if not sets or missing:
    sys.exit(f"art sets with no paragraph of their own: {missing or 'none listed'}")
PY
done

both=$(comm -12 "$work/velk.files" "$work/trivia.files")
[ -z "$both" ] || fail "files in both packages: $both"
depends() { dpkg-deb -f "$(echo "$work"/${1}_*.deb)" Depends; }
# The library's Depends name the web engine, so the game's are read from its binaries too.
depends trivia | grep -qi webengine || fail "trivia does not depend on the web engine: $(depends trivia)"
! depends velk | grep -i webengine || fail "velk depends on the web engine"
while read -r f; do
    ! readelf -d "$root/$f" 2>/dev/null | grep -i 'NEEDED.*webengine' || fail "velk's $f links the web engine"
done <"$work/velk.files"
library=$(cd "$root/usr" && find . -name libtrivia.so -printf '%h')
grep -qaF "${library#./}" "$root/usr/bin/trivia-host" || fail "trivia-host does not look in ${library#./}"
executable=$(find "$root/usr/share/velk" -type f -perm /111)
[ -z "$executable" ] || fail "executable data files: $executable"
echo "velk depends on: $(depends velk)"
