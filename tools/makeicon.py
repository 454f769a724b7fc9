#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""Draws the game's icon: the lion's face of the Fluent Emoji on the menu's sky and grass.

    tools/makeicon.py --fluent DIR OUT_DIR

--fluent is the npm package @iconify-json/fluent-emoji (as tools/makepictures.sh fetches
it), as the menu picture's sun and clouds are. Writes OUT_DIR/icons/hicolor/scalable/apps/
velk.svg and the PNG sizes beside it. Needs rsvg-convert (librsvg2-bin).
"""

import argparse
import os
import subprocess

from makepictures import Icons

ICON_NAME = "velk"  # installed under the app id by desktop/CMakeLists.txt
PNG_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)


def icon_svg(lion):
    """A rounded square of sky over grass, as on the menu picture, with the lion in front."""
    return f"""<svg xmlns="http://www.w3.org/2000/svg" width="128" height="128" viewBox="0 0 128 128">
  <defs>
    <linearGradient id="sky" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#bfe6ff"/><stop offset="1" stop-color="#eaf7ff"/>
    </linearGradient>
    <linearGradient id="grass" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#b5e08a"/><stop offset="1" stop-color="#7cc35a"/>
    </linearGradient>
    <clipPath id="tile"><rect x="4" y="4" width="120" height="120" rx="24"/></clipPath>
  </defs>
  <g clip-path="url(#tile)">
    <rect x="4" y="4" width="120" height="72" fill="url(#sky)"/>
    <rect x="4" y="76" width="120" height="48" fill="url(#grass)"/>
  </g>
  <rect x="4.5" y="4.5" width="119" height="119" rx="23.5" fill="none" stroke="#5a9a3c"
        stroke-opacity="0.6"/>
  <svg x="10" y="10" width="108" height="108" viewBox="0 0 32 32">{lion}</svg>
</svg>
"""


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--fluent", required=True, metavar="DIR")
    parser.add_argument("out", metavar="OUT_DIR")
    options = parser.parse_args()
    lion = Icons(options.fluent).icons["lion"]["body"]
    hicolor = os.path.join(options.out, "icons", "hicolor")
    scalable = os.path.join(hicolor, "scalable", "apps")
    os.makedirs(scalable, exist_ok=True)
    svg = os.path.join(scalable, ICON_NAME + ".svg")
    with open(svg, "w", encoding="utf-8") as f:
        f.write(icon_svg(lion))
    for size in PNG_SIZES:
        folder = os.path.join(hicolor, f"{size}x{size}", "apps")
        os.makedirs(folder, exist_ok=True)
        subprocess.run(["rsvg-convert", "-w", str(size), "-h", str(size), "-o",
                        os.path.join(folder, ICON_NAME + ".png"), svg], check=True)


if __name__ == "__main__":
    main()
