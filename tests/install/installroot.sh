# SPDX-License-Identifier: GPL-2.0-or-later
# Sourced: installs the build into a fresh temporary root ($root, the prefix /usr inside it).
# usage: . installroot.sh CMAKE BUILD_DIR
work=$(mktemp -d)
trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT
chmod 755 "$work"
root=$work/root
DESTDIR=$root "$1" --install "$2" --prefix /usr >"$work/install.log" 2>&1 ||
    { cat "$work/install.log"; echo "FAIL: cmake --install"; exit 1; }
fail() { echo "FAIL: $*"; exit 1; }
