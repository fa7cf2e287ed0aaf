"""Picture composition: source SVGs, colour operations, layers and the JPEG writer.

A picture is a background and a list of layers. Each layer is one SVG (a Fluent Emoji
flat icon, a Twemoji icon or one of our own drawings), recoloured at the SVG level,
rendered with rsvg-convert, cropped to its visible content and placed on the canvas.
The canvas is drawn at four times the final size and scaled down once at the end.
"""

import colorsys
import io
import os
import re
import subprocess
from dataclasses import dataclass

from PIL import Image

WIDTH, HEIGHT = 300, 225
SUPERSAMPLE = 4
CANVAS = (WIDTH * SUPERSAMPLE, HEIGHT * SUPERSAMPLE)
JPEG_QUALITY = 85

HERE = os.path.dirname(os.path.abspath(__file__))
DRAWINGS = os.path.join(HERE, "drawings")


# ---------------------------------------------------------------------------
# Colours


def parse_hex(text):
    text = text.lstrip("#")
    if len(text) == 3:
        text = "".join(c * 2 for c in text)
    return tuple(int(text[i:i + 2], 16) for i in (0, 2, 4))


def to_hex(rgb):
    return "#%02x%02x%02x" % tuple(max(0, min(255, round(c))) for c in rgb)


def hls_of(rgb):
    return colorsys.rgb_to_hls(*(c / 255.0 for c in rgb))


def rgb_of(h, l, s):
    return tuple(c * 255.0 for c in colorsys.hls_to_rgb(h % 1.0, max(0.0, min(1.0, l)),
                                                        max(0.0, min(1.0, s))))


def hue_in(hue_deg, lo, hi):
    if lo <= hi:
        return lo <= hue_deg <= hi
    return hue_deg >= lo or hue_deg <= hi   # a range across red (e.g. 330..20)


class Hue:
    """Moves the saturated colours of a hue range to another hue.

    lo..hi and to are degrees (0 red, 120 green, 240 blue); light and sat scale the
    lightness and saturation of the colours that move; grey and white stay as they are.
    """

    def __init__(self, lo, hi, to, light=1.0, sat=1.0, min_sat=0.25):
        self.lo, self.hi, self.to = lo, hi, to
        self.light, self.sat, self.min_sat = light, sat, min_sat

    def __call__(self, rgb):
        h, l, s = hls_of(rgb)
        if s < self.min_sat or not hue_in(h * 360.0, self.lo, self.hi):
            return rgb
        return rgb_of(self.to / 360.0, l * self.light, s * self.sat)


class Tone:
    """Turns every colour (or every saturated one) into shades of one colour.

    The lightness of each colour is mapped linearly from 0..1 onto lo..hi, so the
    shading of the source survives (a brown shoe becomes a black one with grey lights).
    """

    def __init__(self, colour, lo=0.0, hi=1.0, min_sat=-1.0, sat=None):
        self.h, _, self.s = hls_of(parse_hex(colour))
        if sat is not None:
            self.s = sat
        self.lo, self.hi, self.min_sat = lo, hi, min_sat

    def __call__(self, rgb):
        h, l, s = hls_of(rgb)
        if s < self.min_sat:
            return rgb
        return rgb_of(self.h, self.lo + (self.hi - self.lo) * l, self.s)


class Swap:
    """Replaces exact colours (case-insensitive hex)."""

    def __init__(self, mapping):
        self.mapping = {to_hex(parse_hex(k)): v for k, v in mapping.items()}

    def __call__(self, rgb):
        new = self.mapping.get(to_hex(rgb))
        return parse_hex(new) if new else rgb


COLOUR_RE = re.compile(r'(?<=["\':\s])#([0-9a-fA-F]{6}|[0-9a-fA-F]{3})(?=["\';\s)])')


def apply_ops(svg, ops):
    """Applies the colour operations, in order, to every hex colour of the SVG text."""
    for op in ops:
        svg = COLOUR_RE.sub(lambda m, op=op: to_hex(op(parse_hex(m.group(1)))), svg)
    return svg


# ---------------------------------------------------------------------------
# Sources


class Sources:
    """Finds the SVG of a source name: fluent:NAME, twemoji:CODE or drawing:NAME."""

    def __init__(self, node_modules):
        self.roots = {
            "fluent": os.path.join(node_modules, "fluentui-emoji", "icons", "flat"),
            "twemoji": os.path.join(node_modules, "@twemoji", "svg"),
            "drawing": DRAWINGS,
        }

    def path(self, source):
        kind, name = source.split(":", 1)
        return os.path.join(self.roots[kind], name + ".svg")

    def read(self, source):
        with open(self.path(source), encoding="utf-8") as f:
            return f.read()


def source_file(source):
    """The file name a source stands for, as named in the credits."""
    kind, name = source.split(":", 1)
    if kind == "fluent":
        return "fluentui-emoji/icons/flat/%s.svg" % name
    if kind == "twemoji":
        return "@twemoji/svg/%s.svg" % name
    return "tools/pictures/drawings/%s.svg" % name


# ---------------------------------------------------------------------------
# Layers and pictures


@dataclass
class Layer:
    source: str
    at: tuple = (0.5, 0.5)      # centre on the canvas, fractions of width and height
    h: float = 0.8              # height of the visible content, fraction of canvas height
    w: float = 0.9              # at most this fraction of the canvas width
    ops: tuple = ()
    rot: float = 0.0            # degrees, anticlockwise
    flip: bool = False
    cover: bool = False         # a scene: fill the whole canvas, no cropping

    @property
    def recoloured(self):
        return bool(self.ops)


@dataclass
class Picture:
    key: str
    layers: list
    bg: object = None           # "#rrggbb", (top, bottom) gradient, or None under a scene
    note: str = ""              # what the picture shows when it is not just its source

    def sources(self):
        seen = []
        for layer in self.layers:
            if layer.source not in seen:
                seen.append(layer.source)
        return seen

    def how(self):
        kinds = {s.split(":")[0] for s in self.sources()}
        if kinds == {"drawing"}:
            return "drawn by us"
        words = []
        if "drawing" in kinds or len(self.layers) > 1:
            words.append("composed by us")
        if any(layer.recoloured for layer in self.layers):
            words.append("recoloured by us")
        return ", ".join(words) if words else "as drawn by the set"


def render_svg(svg_text, width):
    """Renders SVG text to an RGBA image of the given width (height follows the viewBox)."""
    png = subprocess.run(["rsvg-convert", "-w", str(width), "-f", "png"],
                         input=svg_text.encode("utf-8"), capture_output=True, check=True).stdout
    return Image.open(io.BytesIO(png)).convert("RGBA")


def background(bg):
    if bg is None:
        bg = "#ffffff"
    if isinstance(bg, str):
        return Image.new("RGBA", CANVAS, parse_hex(bg) + (255,))
    top, bottom = (parse_hex(c) for c in bg)
    column = Image.new("RGBA", (1, CANVAS[1]))
    for y in range(CANVAS[1]):
        t = y / (CANVAS[1] - 1)
        column.putpixel((0, y), tuple(round(a + (b - a) * t) for a, b in zip(top, bottom)) + (255,))
    return column.resize(CANVAS)


def render_layer(sources, layer):
    svg = apply_ops(sources.read(layer.source), layer.ops)
    if layer.cover:
        im = render_svg(svg, CANVAS[0])
        return im.resize(CANVAS, Image.LANCZOS) if im.size != CANVAS else im
    im = render_svg(svg, 1600)
    if layer.flip:
        im = im.transpose(Image.FLIP_LEFT_RIGHT)
    if layer.rot:
        im = im.rotate(layer.rot, resample=Image.BICUBIC, expand=True)
    box = im.getchannel("A").point(lambda a: 255 if a > 6 else 0).getbbox()
    if box is None:
        raise ValueError("%s has no visible content" % layer.source)
    im = im.crop(box)
    scale = min(layer.h * CANVAS[1] / im.height, layer.w * CANVAS[0] / im.width)
    size = (max(1, round(im.width * scale)), max(1, round(im.height * scale)))
    return im.resize(size, Image.LANCZOS)


def compose(sources, picture):
    canvas = background(picture.bg)
    for layer in picture.layers:
        im = render_layer(sources, layer)
        if layer.cover:
            canvas.alpha_composite(im)
            continue
        x = round(layer.at[0] * CANVAS[0] - im.width / 2)
        y = round(layer.at[1] * CANVAS[1] - im.height / 2)
        tile = Image.new("RGBA", CANVAS, (0, 0, 0, 0))
        tile.paste(im, (x, y), im)
        canvas.alpha_composite(tile)
    return canvas.convert("RGB").resize((WIDTH, HEIGHT), Image.LANCZOS)


def save_jpeg(image, path):
    """Baseline JPEG (not progressive), quality 85, 4:2:0."""
    image.save(path, "JPEG", quality=JPEG_QUALITY, progressive=False, optimize=True,
               subsampling=2)
