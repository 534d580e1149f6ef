#!/usr/bin/env python3
"""Writes the example parameter files under docs/curves/ and draws the README's pictures
and its film of a rose being drawn from them and from the show's presets with the
programs' own --render.

usage: tools/make_docs.py [BUILD_DIR]   (default build; run `make build` first)
"""
import pathlib
import struct
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
BUILD = ROOT / (sys.argv[1] if len(sys.argv) > 1 else "build")
DOCS = ROOT / "docs"
SIZE = "480"


def rlt(type_, R, r, d, *, kn=1, kd=1, kindex=0, ellipse=0, method=0, en=3, ed=4,
        inc=0.01, rottheta=0.0, fore=(255, 255, 255), back=(0, 0, 0), multicolor=1):
    """One 100-byte parameter record, little-endian, in the order the program stores it."""
    def colorref(rgb):
        return rgb[0] | rgb[1] << 8 | rgb[2] << 16
    return struct.pack("<5i2d5id2I7i", type_, ellipse, method, R, r, float(d), inc,
                       kn, kd, kindex, en, ed, rottheta, colorref(fore), colorref(back),
                       *fore, *back, multicolor)


# (name, record, extra --render options)
CURVES = [
    ("epitrochoid", rlt(0, 50, 15, 30), []),
    ("hypotrochoid", rlt(1, 90, 56, 40, back=(16, 24, 48)), ["--line-width", "2"]),
    ("rose", rlt(2, 90, 90, 90, kn=7, kd=4), ["--line-width", "2"]),
    ("rolling-ellipse", rlt(1, 88, 33, 30, ellipse=1, method=1, en=3, ed=4), ["--line-width", "2"]),
]
PRESETS = [6, 10, 19]
# The rose drawn with its moving circles, small enough for a README: 240 pixels, 6 seconds
# at 15 frames a second.
FILM = ("rose", ["--animate", "--line-width", "1", "--size", "240", "--fps", "15", "--duration", "6"])


def main():
    curves = DOCS / "curves"
    curves.mkdir(parents=True, exist_ok=True)
    for name, record, options in CURVES:
        assert len(record) == 100
        params = curves / f"{name}.rlt"
        params.write_bytes(record)
        subprocess.run([BUILD / "trochograph/trochograph", "--render", "--params", params,
                        "--size", SIZE, "--output", DOCS / f"{name}.png", *options], check=True)
    name, options = FILM
    subprocess.run([BUILD / "trochograph/trochograph", "--render", "--params", curves / f"{name}.rlt",
                    "--output", DOCS / f"{name}.gif", *options], check=True)
    for preset in PRESETS:
        subprocess.run([BUILD / "trochograph-ss/trochograph-ss", "--render", str(preset),
                        "--size", SIZE, "--output", DOCS / f"show-preset-{preset}.png"], check=True)


if __name__ == "__main__":
    main()
