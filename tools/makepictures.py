#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""Draws every picture delivered beside the game.

    tools/makepictures.py [--fluent DIR] DATA_DIR
    tools/makepictures.py --preview DRAWING.svg OUT.jpg

Every animal's picture is our own drawing: pictures/NAME.jpg is drawn from
tools/drawings/NAME.svg (CC0), for each animal velk.dat names. The letter game's dragons and
the sun and clouds of the menu picture are drawn from the Fluent Emoji (MIT), found in the
npm package @iconify-json/fluent-emoji that tools/makepictures.sh fetches; without --fluent
the dragons and the menu picture are left as they are. --preview draws one drawing as the
game shows it, to look at it before it goes in.

Made here:
  pictures/NAME.jpg      one per animal, 960 x 640 (sharp in the describe picture's box on a
                         full-screen window): the drawing, cut to what it shows, fitted into
                         one box and edged with a light rim, on the same soft neutral backdrop
                         with the same drop shadow, so that neither a colour nor a style tells
                         where an animal lives or what it is
  dragon1..dragon6.jpg   the Name-me dragon, from barely there (6) to complete and fearsome (1)
  menu.jpg               a cheerful group of our animals under an emoji sky for the main
                         menu, 600 x 400
Needs rsvg-convert (librsvg2-bin) and ImageMagick's convert.
"""

import argparse
import csv
import json
import os
import subprocess
import sys
import tempfile

PICTURE_SIZE = (960, 640)
SCALE = 3  # rims, margins and shadows were made for 320 x 214 pictures
# Every drawing fills this box: the full height, and wider where the animal is long.
DRAWING_BOX = f"{PICTURE_SIZE[0] - 60 * SCALE}x{PICTURE_SIZE[1] - 30 * SCALE}"
QUALITY = "80"  # JPEG quality: sharp enough for a full screen, small enough for the package
DRAGON_SIZE = (240, 340)  # the dragon box is portrait, 855 x 1215 twips
MENU_SIZE = (600, 400)

# The one backdrop of every animal: top and bottom of a gentle vertical gradient, a warm pale
# grey that neither a biome, a class nor a family owns, with room for white animals to show.
BACKDROP = ("#f3f1ec", "#d3cfc6")


def run(*args):
    subprocess.run(args, check=True)


class Icons:
    def __init__(self, folder):
        with open(os.path.join(folder, "icons.json"), encoding="utf-8") as f:
            data = json.load(f)
        self.icons = data["icons"]
        self.aliases = data.get("aliases", {})
        self.width = data.get("width", 16)
        self.height = data.get("height", 16)

    def svg(self, name):
        flip = False
        icon = self.icons.get(name)
        if icon is None:
            alias = self.aliases[name]
            icon = self.icons[alias["parent"]]
            flip = bool(alias.get("hFlip"))
        w = icon.get("width", self.width)
        h = icon.get("height", self.height)
        body = icon["body"]
        if flip:
            body = f'<g transform="translate({w} 0) scale(-1 1)">{body}</g>'
        return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{w}" height="{h}" '
                f'viewBox="0 0 {w} {h}">{body}</svg>')

    def png(self, name, size, out, work):
        svg_path = os.path.join(work, name + ".svg")
        with open(svg_path, "w", encoding="utf-8") as f:
            f.write(self.svg(name))
        run("rsvg-convert", "-w", str(size), "-h", str(size), "-o", out, svg_path)
        return out


def read_pictures(dat_path):
    """The picture of every record in velk.dat."""
    with open(dat_path, encoding="utf-8", newline="") as f:
        return [row[2] for row in csv.reader(f) if row]


def background(size, colours, out):
    w, h = size
    run("convert", "-size", f"{w}x{h}", f"gradient:{colours[0]}-{colours[1]}", out)


def rim(shape):
    """convert arguments for the light rim: the outline widened by a few pixels, white, a
    little see-through."""
    return ["(", shape, "-alpha", "extract", "-morphology", "Dilate", f"Disk:{3 * SCALE}",
            "-blur", f"0x{SCALE}", "-evaluate", "multiply", "0.9", "-background", "white",
            "-alpha", "shape", ")"]


def shadowed(bg, art, out):
    run("convert", bg,
        "(", art, "(", "+clone", "-background", "#00000040", "-shadow", f"60x{4 * SCALE}+{3 * SCALE}+{5 * SCALE}", ")",
        "+swap", "-background", "none", "-layers", "merge", "+repage", ")",
        "-gravity", "center", "-composite", "-quality", QUALITY, out)


def fitted_drawing(drawing, box, out, work, pixels=1600, gravity="center", canvas=None):
    """A drawing cut to what it shows and fitted into box ("WxH"), on a transparent canvas
    (the box itself unless another size is given), placed by gravity."""
    png = os.path.join(work, "drawn.png")
    run("rsvg-convert", "-w", str(pixels), "-h", str(pixels), "--keep-aspect-ratio", "-o", png,
        drawing)
    run("convert", png, "-trim", "+repage", "-resize", box, "-background", "none",
        "-gravity", gravity, "-extent", canvas or box, out)
    return out


def animal_picture(drawing, out, work):
    """A drawing cut to what it shows, fitted into the box, rimmed, on the backdrop."""
    # room around the box, so that the rim goes all round an animal that fills it
    w, h = (int(n) for n in DRAWING_BOX.split("x"))
    room = f"{w + 12 * SCALE}x{h + 12 * SCALE}"
    art = fitted_drawing(drawing, DRAWING_BOX, os.path.join(work, "art.png"), work, canvas=room)
    bg = os.path.join(work, "bg.png")
    background(PICTURE_SIZE, BACKDROP, bg)
    framed = os.path.join(work, "framed.png")
    run("convert", *rim(art), art, "-compose", "over", "-gravity", "center", "-composite", framed)
    shadowed(bg, framed, out)


def dragons(icons, folder, work):
    """dragon6 is a faint hatchling shape; each step grows and darkens it; dragon1 breathes fire."""
    w, h = DRAGON_SIZE
    steps = {6: (0.30, 18), 5: (0.42, 36), 4: (0.54, 56), 3: (0.66, 76), 2: (0.72, 92), 1: (0.80, 100)}
    for k, (scale, opacity) in steps.items():
        top, bottom = ("#fff8e8", "#ffe3c0") if k > 1 else ("#4a2b5e", "#c0392b")
        bg = os.path.join(work, "dbg.png")
        background(DRAGON_SIZE, (top, bottom), bg)
        size = int(w * scale)
        art = icons.png("dragon", size, os.path.join(work, "dragon.png"), work)
        faded = os.path.join(work, "dragon-faded.png")
        run("convert", art, "-alpha", "set", "-channel", "A", "-evaluate", "multiply",
            str(opacity / 100), "+channel", faded)
        out = os.path.join(folder, f"dragon{k}.jpg")
        if k > 2:
            layers = [bg, faded, "-gravity", "south", "-geometry", "+0+30", "-composite"]
        else:
            # grown up: it rears up at the right and breathes fire to the left
            layers = [bg, faded, "-gravity", "southeast", "-geometry", "+4+40", "-composite"]
            fire = icons.png("fire", 70 if k == 2 else 96, os.path.join(work, "fire.png"), work)
            turned = os.path.join(work, "fire-turned.png")
            run("convert", fire, "-background", "none", "-rotate", "-90", turned)
            y = h - 40 - size + int(size * 0.02)
            layers += [turned, "-gravity", "northwest", "-geometry",
                       f"+{max(0, w - 4 - size - (50 if k == 2 else 70))}+{y}", "-composite"]
        if k == 1:
            flash = icons.png("high-voltage", 56, os.path.join(work, "bolt.png"), work)
            layers += [flash, "-gravity", "northwest", "-geometry", "+10+16", "-composite",
                       flash, "-gravity", "northeast", "-geometry", "+10+16", "-composite"]
        run("convert", *layers, "-quality", "90", out)


def menu(icons, drawings, folder, work):
    """The sky (sun and clouds from the emoji) over a meadow full of the game's own animals."""
    w, h = MENU_SIZE
    bg = os.path.join(work, "mbg.png")
    run("convert", "-size", f"{w}x{h // 2}", "gradient:#bfe6ff-#eaf7ff",
        "-size", f"{w}x{h - h // 2}", "gradient:#b5e08a-#7cc35a", "-append", bg)
    sky = [("sun", 90, 490, 18), ("cloud", 80, 60, 30), ("cloud", 60, 300, 12)]
    # (drawing, box width, box height, x, y) from back to front; each stands on its box's floor
    cast = [
        ("giraffe", 150, 230, 30, 60), ("elephant", 220, 170, 370, 130),
        ("lion", 190, 140, 170, 160),
        ("zebra", 150, 120, 60, 220), ("duck", 110, 80, 480, 300), ("rabbit", 90, 90, 300, 290),
        ("penguin", 60, 100, 410, 285), ("frog", 90, 75, 10, 315), ("butterfly", 70, 55, 260, 60),
        ("dog", 120, 100, 160, 285),
    ]
    args = [bg]
    for i, (emoji, size, x, y) in enumerate(sky):
        art = icons.png(emoji, size, os.path.join(work, f"s{i}.png"), work)
        args += [art, "-geometry", f"+{x}+{y}", "-composite"]
    for i, (name, bw, bh, x, y) in enumerate(cast):
        art = fitted_drawing(os.path.join(drawings, name + ".svg"), f"{bw}x{bh}",
                             os.path.join(work, f"m{i}.png"), work, pixels=800, gravity="south")
        args += [art, "-geometry", f"+{x}+{y}", "-composite"]
    run("convert", *args, "-quality", "90", os.path.join(folder, "menu.jpg"))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--fluent", metavar="DIR", help="the Fluent Emoji (icons.json) for "
                        "the dragons and the menu picture")
    parser.add_argument("--preview", metavar="DRAWING", help="draw only this drawing, into "
                        "OUT.jpg")
    parser.add_argument("data", metavar="DATA_DIR|OUT.jpg")
    options = parser.parse_args()
    with tempfile.TemporaryDirectory() as work:
        if options.preview:
            animal_picture(options.preview, options.data, work)
            return
        drawings = os.path.join(here, "drawings")
        os.makedirs(os.path.join(options.data, "pictures"), exist_ok=True)
        for picture in read_pictures(os.path.join(options.data, "velk.dat")):
            stem = os.path.splitext(os.path.basename(picture))[0]
            drawing = os.path.join(drawings, stem + ".svg")
            if not os.path.isfile(drawing):
                sys.exit(f"no drawing {drawing} for {picture}")
            animal_picture(drawing, os.path.join(options.data, picture), work)
        if options.fluent:
            fluent = Icons(options.fluent)
            dragons(fluent, options.data, work)
            menu(fluent, drawings, options.data, work)


if __name__ == "__main__":
    main()
