#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""Draws every picture delivered beside the game from freely licensed art.

    tools/makepictures.py --fluent DIR --game-icons DIR --openmoji DIR \
                          --openclipart DIR --tuxpaint DIR DATA_DIR

The art comes from six sets (tools/makepictures.sh fetches the first five into a temporary
folder and calls this script):
  --fluent       the npm package @iconify-json/fluent-emoji (Fluent Emoji, MIT)
  --game-icons   the npm package @iconify-json/game-icons (game-icons.net, CC BY 3.0)
  --openmoji     the npm package @iconify-json/openmoji (OpenMoji, CC BY-SA 4.0)
  --openclipart  the svg folder of Debian's openclipart-svg (Openclipart, public domain)
  --tuxpaint     the stamps folder of Debian's tuxpaint-stamps-default (Tux Paint, GPL 2)
  --drawn        our own drawings, tools/drawings/NAME.svg (CC0), where no set had the animal
A set is needed only when a picture is drawn from it. To look at one drawing in the game's
looks before it goes into the table:
    tools/makepictures.py --preview drawn:meerkat.svg --colour '#b08a5a' /tmp/meerkat.jpg
DATA_DIR is the repository's data folder: velk.dat there says which animals exist and where
each one lives, and tools/pictures.tsv says which art shows which animal.

Two looks are made, both on the same background and with the same drop shadow:
  colour art   an emoji (Fluent, OpenMoji) or a colour drawing (Openclipart) as drawn;
               art other than Fluent gets the light rim the silhouettes have
  silhouette   the outline of an icon (game-icons), a drawing (Openclipart) or a cut-out
               photo (Tux Paint), filled with one natural colour of the animal, lit softly
               from above and edged with a light rim

Made here:
  pictures/NAME.jpg      one per animal, 960 x 640 (sharp in the describe picture's box on a
                         full-screen window), every one on the same soft neutral backdrop so
                         that no colour tells where an animal lives or what it is
  dragon1..dragon6.jpg   the Name-me dragon, from barely there (6) to complete and fearsome (1)
  menu.jpg               a cheerful group of animals for the main menu, 600 x 400
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
# Drawings and photos fill this box: as high as the icons, and wider where the animal is long.
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

    def svg(self, name, colour=None):
        flip = False
        icon = self.icons.get(name)
        if icon is None:
            alias = self.aliases[name]
            icon = self.icons[alias["parent"]]
            flip = bool(alias.get("hFlip"))
        w = icon.get("width", self.width)
        h = icon.get("height", self.height)
        body = icon["body"]
        if colour is not None:
            body = body.replace("currentColor", colour)
        if flip:
            body = f'<g transform="translate({w} 0) scale(-1 1)">{body}</g>'
        return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{w}" height="{h}" '
                f'viewBox="0 0 {w} {h}">{body}</svg>')

    def png(self, name, size, out, work, colour=None):
        svg_path = os.path.join(work, name + ".svg")
        with open(svg_path, "w", encoding="utf-8") as f:
            f.write(self.svg(name, colour))
        run("rsvg-convert", "-w", str(size), "-h", str(size), "-o", out, svg_path)
        return out


def read_pictures(dat_path):
    """The picture of every record in velk.dat."""
    with open(dat_path, encoding="utf-8", newline="") as f:
        return [row[2] for row in csv.reader(f) if row]


# The art sets a table row can name (before the colon; a bare name is a Fluent emoji), and
# which looks each can give: a silhouette needs its fill colour in a third column.
ART_SETS = {
    "fluent": {"art"},
    "openmoji": {"art"},
    "openclipart": {"art", "silhouette"},
    "game-icons": {"silhouette"},
    "tuxpaint": {"art", "silhouette"},
    "drawn": {"art", "silhouette"},
}


def split_art(icon):
    """(art set, name) of a table row's icon column."""
    if ":" in icon:
        kind, name = icon.split(":", 1)
        return kind, name
    return "fluent", icon


def read_picture_table(path):
    """picture file -> (art set, name in the set, fill colour or None)."""
    table = {}
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.strip()
            if not line or line.startswith("#"):
                continue
            fields = line.split("\t")
            where = f"tools/pictures.tsv line {number}"
            if len(fields) not in (2, 3):
                sys.exit(f"{where}: expected picture, art and, for a silhouette, a colour")
            kind, name = split_art(fields[1])
            look = "silhouette" if len(fields) == 3 else "art"
            if look not in ART_SETS.get(kind, set()):
                sys.exit(f"{where}: {kind} gives no {look}")
            if fields[0] in table:
                sys.exit(f"{where}: {fields[0]} named twice")
            table[fields[0]] = (kind, name, fields[2] if look == "silhouette" else None)
    return table


def background(size, colours, out):
    w, h = size
    run("convert", "-size", f"{w}x{h}", f"gradient:{colours[0]}-{colours[1]}", out)


def animal_picture(icons, emoji, out, work):
    w, h = PICTURE_SIZE
    bg = os.path.join(work, "bg.png")
    background(PICTURE_SIZE, BACKDROP, bg)
    art = icons.png(emoji, h - 24 * SCALE, os.path.join(work, "art.png"), work)
    shadowed(bg, art, out)


def silhouette_picture(icons, name, colour, out, work):
    """A one-colour game-icons silhouette."""
    size = PICTURE_SIZE[1] - 30 * SCALE
    shape = icons.png(name, size, os.path.join(work, "shape.png"), work, colour)
    framed_silhouette(shape, f"{size}x{size}", out, work)


def rim(shape):
    """convert arguments for the light rim: the outline widened by a few pixels, white, a
    little see-through."""
    return ["(", shape, "-alpha", "extract", "-morphology", "Dilate", f"Disk:{3 * SCALE}", "-blur", f"0x{SCALE}",
            "-evaluate", "multiply", "0.9", "-background", "white", "-alpha", "shape", ")"]


def framed_silhouette(shape, box, out, work):
    """A silhouette lit softly from above and edged with a light rim so that it stands out
    from the background as the emoji do, with the same drop shadow."""
    bg = os.path.join(work, "bg.png")
    background(PICTURE_SIZE, BACKDROP, bg)
    framed = os.path.join(work, "framed.png")
    run("convert", *rim(shape),
        # the animal, lighter at the top and darker at the bottom
        "(", shape, "(", "-size", box, "gradient:#ffffff50-#00000038", ")",
        "-compose", "atop", "-composite", ")",
        "-compose", "over", "-gravity", "center", "-composite", framed)
    shadowed(bg, framed, out)


def rendered(path, work):
    """A drawing or photo as a large PNG with its transparency (SVG drawn, PNG as it is)."""
    if not path.endswith(".svg"):
        return path
    png = os.path.join(work, "drawn.png")
    run("rsvg-convert", "-w", "1600", "-h", "1600", "--keep-aspect-ratio", "-o", png, path)
    return png


def fitted(src, box, out, colour=None):
    """src cut to what it shows and fitted into a box ("WxH"); with a colour, its
    outline alone, filled with that colour."""
    args = ["convert", src, "-trim", "+repage", "-resize", box,
            "-background", "none", "-gravity", "center", "-extent", box]
    if colour is not None:
        # the outline: every pixel at least half opaque, in one colour
        args = ["convert", src, "-alpha", "extract", "-threshold", "50%", "-trim", "+repage",
                "-resize", box, "-background", "black", "-gravity", "center",
                "-extent", box, "(", "+clone", "-fill", colour, "-colorize", "100",
                ")", "+swap", "-alpha", "off", "-compose", "copy_opacity", "-composite"]
    run(*args, out)
    return out


def outline_picture(path, colour, out, work):
    """A silhouette cut from a drawing or a photo."""
    shape = fitted(rendered(path, work), DRAWING_BOX, os.path.join(work, "shape.png"), colour)
    framed_silhouette(shape, DRAWING_BOX, out, work)


def rimmed_picture(png, out, work):
    """Colour art other than the Fluent emoji: cut to what it shows, edged with the
    silhouettes' light rim, on the same background and shadow."""
    art = fitted(png, DRAWING_BOX, os.path.join(work, "art.png"))
    bg = os.path.join(work, "bg.png")
    background(PICTURE_SIZE, BACKDROP, bg)
    framed = os.path.join(work, "framed.png")
    run("convert", *rim(art), art, "-compose", "over", "-gravity", "center", "-composite", framed)
    shadowed(bg, framed, out)


class Art:
    """The art sets, each where its option says; an icon set is read at its first use."""

    def __init__(self, options):
        self.icon_folders = {"fluent": options.fluent, "game-icons": options.game_icons,
                             "openmoji": options.openmoji}
        self.icon_sets = {}
        self.folders = {"openclipart": options.openclipart, "tuxpaint": options.tuxpaint,
                        "drawn": options.drawn}

    def icons(self, kind):
        if kind not in self.icon_sets:
            if not self.icon_folders[kind]:
                sys.exit(f"--{kind} names no folder, and a picture needs it")
            self.icon_sets[kind] = Icons(self.icon_folders[kind])
        return self.icon_sets[kind]

    @property
    def fluent(self):
        return self.icons("fluent")

    def file(self, kind, name):
        if not self.folders[kind]:
            sys.exit(f"--{kind} names no folder, and a picture needs it")
        path = os.path.join(self.folders[kind], name)
        if not os.path.isfile(path):
            sys.exit(f"no {kind} art {name} in {self.folders[kind]}")
        return path

    def picture(self, kind, name, colour, out, work):
        if kind == "fluent":
            animal_picture(self.fluent, name, out, work)
        elif kind == "game-icons":
            silhouette_picture(self.icons(kind), name, colour, out, work)
        elif kind == "openmoji":
            png = self.icons(kind).png(name, 1600, os.path.join(work, "moji.png"), work)
            rimmed_picture(png, out, work)
        elif colour is not None:
            outline_picture(self.file(kind, name), colour, out, work)
        else:
            rimmed_picture(rendered(self.file(kind, name), work), out, work)


def shadowed(bg, art, out):
    run("convert", bg,
        "(", art, "(", "+clone", "-background", "#00000040", "-shadow", f"60x{4 * SCALE}+{3 * SCALE}+{5 * SCALE}", ")",
        "+swap", "-background", "none", "-layers", "merge", "+repage", ")",
        "-gravity", "center", "-composite", "-quality", QUALITY, out)


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


def menu(icons, folder, work):
    w, h = MENU_SIZE
    bg = os.path.join(work, "mbg.png")
    run("convert", "-size", f"{w}x{h // 2}", "gradient:#bfe6ff-#eaf7ff",
        "-size", f"{w}x{h - h // 2}", "gradient:#b5e08a-#7cc35a", "-append", bg)
    # (emoji, size, x, y) from back to front
    cast = [
        ("sun", 90, 490, 18), ("cloud", 80, 60, 30), ("cloud", 60, 300, 12),
        ("giraffe", 200, 20, 70), ("elephant", 190, 400, 120),
        ("lion", 150, 185, 150), ("monkey", 110, 330, 90),
        ("zebra", 130, 90, 220), ("duck", 90, 500, 290), ("rabbit", 90, 300, 300),
        ("penguin", 85, 400, 305), ("frog", 75, 20, 320), ("butterfly", 60, 270, 75),
        ("dog", 95, 180, 290),
    ]
    args = [bg]
    for i, (emoji, size, x, y) in enumerate(cast):
        art = icons.png(emoji, size, os.path.join(work, f"m{i}.png"), work)
        args += [art, "-geometry", f"+{x}+{y}", "-composite"]
    run("convert", *args, "-quality", "90", os.path.join(folder, "menu.jpg"))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    for option in ("fluent", "game-icons", "openmoji", "openclipart", "tuxpaint"):
        parser.add_argument("--" + option, metavar="DIR")
    parser.add_argument("--drawn", metavar="DIR", default=os.path.join(here, "drawings"))
    parser.add_argument("--preview", metavar="ART", help="draw only this art (named as in "
                        "tools/pictures.tsv) into OUT.jpg")
    parser.add_argument("--colour", help="with --preview: draw a silhouette in this colour")
    parser.add_argument("data", metavar="DATA_DIR|OUT.jpg")
    options = parser.parse_args()
    art = Art(options)
    if options.preview:
        kind, name = split_art(options.preview)
        with tempfile.TemporaryDirectory() as work:
            art.picture(kind, name, options.colour, options.data, work)
        return
    table = read_picture_table(os.path.join(here, "pictures.tsv"))
    os.makedirs(os.path.join(options.data, "pictures"), exist_ok=True)
    with tempfile.TemporaryDirectory() as work:
        for picture in read_pictures(os.path.join(options.data, "velk.dat")):
            stem = os.path.basename(picture)
            if stem not in table:
                sys.exit(f"no art named for {picture} in tools/pictures.tsv")
            kind, name, colour = table[stem]
            art.picture(kind, name, colour, os.path.join(options.data, picture), work)
        dragons(art.fluent, options.data, work)
        menu(art.fluent, options.data, work)


if __name__ == "__main__":
    main()
