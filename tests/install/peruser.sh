#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Installs the game into a temporary root, makes it read-only and starts the installed velk
# as an ordinary user with a fresh home folder, on a private X server. The player's files
# must appear in the player's data folder, the settings must be saved there when the player
# presses Quit, and the installed tree must stay exactly as it was.
# usage: peruser.sh CMAKE BUILD_DIR
set -u
for tool in Xvfb xdotool; do
    command -v $tool >/dev/null || { echo "SKIP: $tool is missing"; exit 77; }
done
here=$(cd "$(dirname "$0")" && pwd)
. "$here/installroot.sh" "$1" "$2"
[ -x "$root/usr/bin/velk" ] || fail "velk is not installed"
delivered=$root/usr/share/velk
home=$work/home
data="$home/.local/share/Morvane Velkins"
mkdir "$home"
cp "$here/lsan.supp" "$work/" # where the player can read it
as_player=()
if [ "$(id -u)" -eq 0 ]; then
    # Root writes anywhere; the player is an ordinary user.
    command -v setpriv >/dev/null || { echo "SKIP: setpriv is missing"; exit 77; }
    chown nobody "$home"
    as_player=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)
fi
chmod -R a-w "$root"
listing() { (cd "$root" && find . -printf '%p %m %s %T@\n' | sort); }
before=$(listing)

display=$((500 + RANDOM % 400))
while [ -e /tmp/.X11-unix/X$display ]; do display=$((display + 1)); done
Xvfb :$display -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
velk=
trap '[ -n "$velk" ] && kill $velk 2>/dev/null; kill $xvfb 2>/dev/null
      chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT
export DISPLAY=:$display
for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$display ] && break; sleep 0.1; done

cd "$work" # the player starts the game from some other folder
env -i PATH=/usr/bin:/bin HOME="$home" DISPLAY=:$display QT_QPA_PLATFORM=xcb \
    LSAN_OPTIONS=suppressions=$work/lsan.supp "${as_player[@]}" "$root/usr/bin/velk" >"$work/velk.out" 2>&1 &
velk=$!
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Morvane Velkins$' | head -n1)
[ -n "$window" ] || { cat "$work/velk.out"; fail "the main menu did not open"; }

for file in velk.INI velk.dat; do
    cmp -s "$data/$file" "$delivered/$file" || fail "$data/$file is no copy of the delivered one"
done
[ -f "$data/velkquiz.log" ] || fail "no quiz log in $data"
touch -d 2000-01-01 "$data/velk.INI" # so that a save shows

# Quit lies at (4920, 5940) twips, 1380 x 480, in the menu: press its middle.
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + 374)) $((Y + 412)) click 1
for _ in $(seq 200); do kill -0 $velk 2>/dev/null || break; sleep 0.1; done
if kill -0 $velk 2>/dev/null; then
    # A message box holds it open (a failed save says so): name what is showing.
    for w in $(xdotool search --onlyvisible --name .); do xdotool getwindowname "$w"; done
    fail "velk did not end on Quit"
fi
wait $velk
status=$?
velk=
[ $status -eq 0 ] || { cat "$work/velk.out"; fail "velk ended with $status"; }

[ -n "$(find "$data/velk.INI" -newermt 2000-01-02)" ] || fail "Quit saved no settings in $data"
cmp -s "$data/velk.INI" "$delivered/velk.INI" || fail "the saved settings differ from the delivered ones"
[ "$(listing)" = "$before" ] || { diff <(echo "$before") <(listing); fail "the installed tree changed"; }
echo "installed velk keeps its files in $data:" $(ls "$data")
