#!/bin/sh
# SPDX-License-Identifier: GPL-2.0-or-later
# Runs a program as an ordinary user. Root may write into any folder, so a test of what a
# read-only folder does means nothing when run as root; it then runs as nobody, from a copy
# in a folder that nobody can reach (the build folder may lie where it cannot).
# usage: unprivileged.sh PROGRAM [ARG]...
[ "$(id -u)" -ne 0 ] && exec "$@"
command -v setpriv >/dev/null || { echo "SKIP: setpriv is missing"; exit 77; }
user=$(mktemp -d)
trap 'rm -rf "$user"' EXIT
cp "$1" "$user/"
chown -R nobody "$user"
program="$user/$(basename "$1")"
shift
cd "$user" && HOME="$user" setpriv --reuid=nobody --regid=nogroup --clear-groups -- "$program" "$@"
