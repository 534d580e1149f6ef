#!/usr/bin/python3
"""Writes the formula page's picture, trochograph/resources/formulae.png: the equations of
the curves, typeset with matplotlib's mathtext (no TeX needed), 824 x 556 pixels, 24-bit RGB: the
room the formula page gives its picture in the fonts Debian substitutes for the page's.

Run by hand with Debian's python3-matplotlib:

    /usr/bin/python3 tools/make_formulae.py [OUTPUT.png]

The output is the same bytes on every run with the same matplotlib and fonts: the size,
resolution and fonts are fixed, and the PNG is written without a date or any other text.
"""

import os
import sys
from pathlib import Path

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402
from PIL import Image  # noqa: E402

WIDTH, HEIGHT, DPI = 824, 556, 100
# The layout below is written in a 700 x 530 frame, stretched to the picture; the type
# grows by as much as the height does.
FRAME_WIDTH, FRAME_HEIGHT = 700, 530
GROWTH = HEIGHT / FRAME_HEIGHT
INK = "#1b1f29"
HEADING = "#1d4e89"
RULE = "#c9d3e0"
GROUND = "#ffffff"

EQUATION_SIZE = 12.5 * GROWTH
HEADING_SIZE = 13 * GROWTH
NOTE_SIZE = 11 * GROWTH

matplotlib.rcParams.update({
    "mathtext.fontset": "dejavuserif",
    "font.family": "DejaVu Serif",
    "text.color": INK,
    "figure.dpi": DPI,
})


def place(fig, x, y, text, size=EQUATION_SIZE, **kwargs):
    """Text with its left end at (x, y) in the frame from the top left, centred on y."""
    fig.text(x / FRAME_WIDTH, 1 - y / FRAME_HEIGHT, text, fontsize=size, va="center", ha="left", **kwargs)


def heading(fig, x, y, text):
    place(fig, x, y, text, size=HEADING_SIZE, color=HEADING, fontweight="bold")


def rule(fig, y, x0=20, x1=FRAME_WIDTH - 20):
    fig.add_artist(plt.Line2D([x0 / FRAME_WIDTH, x1 / FRAME_WIDTH], [1 - y / FRAME_HEIGHT] * 2, color=RULE, linewidth=1))


def draw(fig):
    # The three curves, side by side.
    columns = [
        ("Epitrochoid", [
            r"$x = (R + r)\,\cos\theta - d\,\cos\delta$",
            r"$y = (R + r)\,\sin\theta - d\,\sin\delta$",
        ], r"$\delta = \dfrac{R + r}{r}\,\theta$"),
        ("Hypotrochoid", [
            r"$x = (R - r)\,\cos\theta + d\,\cos\delta$",
            r"$y = (R - r)\,\sin\theta - d\,\sin\delta$",
        ], r"$\delta = \dfrac{R - r}{r}\,\theta$"),
        ("Rhodonea", [
            r"$x = R\,\cos(k\theta)\,\cos\theta$",
            r"$y = R\,\cos(k\theta)\,\sin\theta$",
        ], None),
    ]
    for i, (name, lines, delta) in enumerate(columns):
        x = 24 + i * 232
        heading(fig, x, 28, name)
        for j, line in enumerate(lines):
            place(fig, x, 62 + j * 30, line)
        if delta:
            place(fig, x, 132, "with circles:", size=NOTE_SIZE, style="italic")
            place(fig, x + 98, 132, delta)

    rule(fig, 166)

    # The ellipse's own figures, then the angles that turn it.
    heading(fig, 24, 190, "Ellipses")
    left = [
        r"$c$ = focal distance = $\sqrt{a^2 - b^2}$",
        r"$e$ = eccentricity = $c\,/\,a$",
        r"$\mathrm{circ}_e$ = ellipse circumference",
        r"$\approx \pi\,\left[\,3(a + b) - \sqrt{10ab + 3(a^2 + b^2)}\,\right]$",
        r"$\mathrm{circ}_c$ = circle circumference = $2\pi R$",
    ]
    for j, line in enumerate(left):
        place(fig, 44 if j == 3 else 24, 222 + j * 32, line)
    place(fig, 366, 222, r"$\mathrm{ratio} = \mathrm{circ}_c\,/\,\mathrm{circ}_e$")
    place(fig, 366, 254, r"$T = \theta \cdot \mathrm{ratio}$")
    place(fig, 366, 286, r"$\varepsilon$ = ellipse rotation with respect to $\theta$:", size=NOTE_SIZE, style="italic")
    place(fig, 366, 326, r"$E = \arctan\!\left(\dfrac{b}{a}\,\tan T\right)"
                         r" + \left\lfloor \dfrac{T + \pi/2}{\pi} \right\rfloor \pi$")
    place(fig, 366, 366, r"$\varepsilon = 0.5\,(T - E) + E$")

    rule(fig, 392)

    heading(fig, 24, 416, r"The turn $\delta$ and the radius $r$")
    place(fig, 24, 452, r"$\delta = \varepsilon + \theta$")
    place(fig, 150, 452, "(epitrochoid side)", size=NOTE_SIZE, style="italic")
    place(fig, 24, 484, r"$\delta = \varepsilon - \theta$")
    place(fig, 150, 484, "(hypotrochoid side)", size=NOTE_SIZE, style="italic")
    place(fig, 366, 452, r"$r = (a + b) - a\,\sqrt{\dfrac{1 - e^2}{1 - e^2\,\sin^2\rho}}$")
    place(fig, 366, 500, r"$\rho = \varepsilon \cdot$ adjustment factor")


def check_margins(fig, margin=12):
    """Every text lies wholly inside the picture, `margin` pixels clear of its edges."""
    renderer = fig.canvas.get_renderer()
    for text in fig.texts:
        box = text.get_window_extent(renderer)
        if box.x0 < margin or box.y0 < margin or box.x1 > WIDTH - margin or box.y1 > HEIGHT - margin:
            sys.exit(f"make_formulae: {text.get_text()!r} reaches the edge: {box}")


def main():
    default = Path(__file__).resolve().parent.parent / "trochograph" / "resources" / "formulae.png"
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else default
    fig = plt.figure(figsize=(WIDTH / DPI, HEIGHT / DPI), dpi=DPI, facecolor=GROUND)
    draw(fig)
    fig.canvas.draw()
    check_margins(fig)
    rgba = fig.canvas.buffer_rgba()
    image = Image.frombuffer("RGBA", fig.canvas.get_width_height(), rgba, "raw", "RGBA", 0, 1)
    if image.size != (WIDTH, HEIGHT):
        sys.exit(f"make_formulae: drew {image.size[0]} x {image.size[1]}, not {WIDTH} x {HEIGHT}")
    # Opaque RGB, no text chunks: the same bytes on every run. Written beside the target and
    # renamed into place, so that a failure leaves the old picture whole.
    partial = out.with_name(out.name + ".partial")
    image.convert("RGB").save(partial, format="PNG", optimize=False)
    os.replace(partial, out)


if __name__ == "__main__":
    main()
