"""Shared helpers of the artwork generators: palette, SVG rendering and the file writers.

Every generator draws into Pillow images (directly or through an SVG rendered by rsvg-convert)
and writes the program's formats with the writers below, which produce exactly the headers the
program and its tests expect (24-bit and 4-bit BMP, CUR, ICO, JPEG, GIF).
"""

import io
import os
import struct
import subprocess

from PIL import Image, ImageDraw, ImageFont

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
RESOURCES = os.path.join(ROOT, "resources")

# The palette every picture draws from: warm pastels, with the program's own frame blues.
CREAM = "#FFF8E7"
PAPER = "#FFFDF6"
BUTTER = "#FFE9A8"
APRICOT = "#F6A54A"
ORANGE = "#E8862C"
DEEP_ORANGE = "#C96A1A"
CORAL = "#EE7B62"
ROSE = "#F7B7B0"
MINT = "#A8E0C2"
LEAF = "#5DBB7A"
SKY = "#A9D3F5"
MID_BLUE = "#4A86CB"
FRAME_BLUE = "#2870DB"      # the program's frame colour &HDB7028
FRAME_LIGHT = "#C2D8FC"     # the program's second frame colour &HFCD8C2
LAVENDER = "#CDBDF0"
VIOLET = "#7D64C8"
BROWN = "#6B3F1D"
INK = "#2B2B3A"
BAND = "#FEEEBF"            # the letter buttons' band &HBFEEFE

FONT_DIR = "/usr/share/fonts/opentype/comic-neue"
COMIC_BOLD = os.path.join(FONT_DIR, "ComicNeue-Bold.otf")
COMIC = os.path.join(FONT_DIR, "ComicNeue-Regular.otf")
DEJAVU_BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"


def out_path(*parts):
    """A path under resources/, its folder created."""
    path = os.path.join(RESOURCES, *parts)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    return path


def font(path, size):
    return ImageFont.truetype(path, size)


def hex_rgb(colour):
    colour = colour.lstrip("#")
    return tuple(int(colour[i:i + 2], 16) for i in (0, 2, 4))


def luminance(colour):
    """Relative luminance of an sRGB colour (a "#RRGGBB" text or an RGB tuple)."""
    rgb = hex_rgb(colour) if isinstance(colour, str) else colour
    def channel(c):
        c /= 255.0
        return c / 12.92 if c <= 0.03928 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = (channel(c) for c in rgb[:3])
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    la, lb = sorted((luminance(a), luminance(b)), reverse=True)
    return (la + 0.05) / (lb + 0.05)


def render_svg(svg, width, height):
    """Renders SVG text to an RGBA image of exactly width x height with rsvg-convert."""
    result = subprocess.run(["rsvg-convert", "-w", str(width), "-h", str(height), "-f", "png"],
                            input=svg.encode("utf-8"), capture_output=True, check=True)
    image = Image.open(io.BytesIO(result.stdout)).convert("RGBA")
    if image.size != (width, height):
        raise RuntimeError("rsvg-convert gave %s, wanted %dx%d" % (image.size, width, height))
    return image


def svg_doc(width, height, body, defs=""):
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">'
            '<defs>%s</defs>%s</svg>' % (width, height, width, height, defs, body))


def flatten(image, background="#FFFFFF"):
    """An RGB image: image composed over a plain background."""
    base = Image.new("RGBA", image.size, background)
    base.alpha_composite(image.convert("RGBA"))
    return base.convert("RGB")


def supersampled(width, height, scale, background):
    """A large canvas for antialiased Pillow drawing; shrink it with shrink()."""
    image = Image.new("RGBA", (width * scale, height * scale), background)
    return image, ImageDraw.Draw(image)


def shrink(image, width, height):
    return image.resize((width, height), Image.LANCZOS)


# ---------------------------------------------------------------------------------------------
# Writers

def _bmp_headers(width, height, bits, image_size, palette_entries):
    offset = 14 + 40 + 4 * palette_entries
    file_header = struct.pack("<2sIHHI", b"BM", offset + image_size, 0, 0, offset)
    info_header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, image_size,
                              2835, 2835, palette_entries, palette_entries)
    return file_header + info_header


def save_bmp24(image, path):
    """A 24-bit bottom-up BI_RGB bitmap, rows padded to four bytes."""
    image = image.convert("RGB")
    width, height = image.size
    stride = (width * 3 + 3) & ~3
    rows = []
    raw = image.tobytes("raw", "BGR")
    for y in range(height - 1, -1, -1):
        row = raw[y * width * 3:(y + 1) * width * 3]
        rows.append(row + b"\0" * (stride - len(row)))
    data = b"".join(rows)
    with open(path, "wb") as f:
        f.write(_bmp_headers(width, height, 24, len(data), 0))
        f.write(data)


def save_bmp4(image, path, palette):
    """A 16-colour (4 bits a pixel) bottom-up BI_RGB bitmap; every pixel must be a palette colour."""
    if len(palette) > 16:
        raise ValueError("a 4-bit bitmap holds at most 16 colours")
    image = image.convert("RGB")
    width, height = image.size
    index = {hex_rgb(c) if isinstance(c, str) else tuple(c): i for i, c in enumerate(palette)}
    pixels = image.load()
    stride = ((width + 1) // 2 + 3) & ~3
    rows = []
    for y in range(height - 1, -1, -1):
        row = bytearray(stride)
        for x in range(width):
            value = index[pixels[x, y]]
            if x % 2 == 0:
                row[x // 2] = value << 4
            else:
                row[x // 2] |= value
        rows.append(bytes(row))
    data = b"".join(rows)
    entries = b"".join(struct.pack("<BBBB", b, g, r, 0)
                       for r, g, b in (hex_rgb(c) if isinstance(c, str) else c for c in palette))
    with open(path, "wb") as f:
        f.write(_bmp_headers(width, height, 4, len(data), len(palette)))
        f.write(entries)
        f.write(data)


def save_jpeg(image, path, quality=92):
    flatten(image).save(path, "JPEG", quality=quality, subsampling=0, optimize=False)


def save_gif(frames, path, durations=None, background="#FFFFFF", colours=64):
    """A GIF of one or more RGB(A) frames sharing one palette, without a looping extension, so
    an animation plays once and stays on its last frame."""
    flat = [flatten(f, background) for f in frames]
    # One palette for all frames: quantise a strip made of every frame.
    strip = Image.new("RGB", (flat[0].width, flat[0].height * len(flat)))
    for i, frame in enumerate(flat):
        strip.paste(frame, (0, i * frame.height))
    palette_image = strip.quantize(colors=colours, method=Image.MEDIANCUT, dither=Image.NONE)
    # Median cut averages colours: put the exact background colour back, so the picture's
    # plain areas match what it stands on.
    palette = palette_image.getpalette()
    target = hex_rgb(background) if isinstance(background, str) else tuple(background)
    for i in range(len(palette) // 3):
        entry = palette[i * 3:i * 3 + 3]
        if sum((a - b) ** 2 for a, b in zip(entry, target)) <= 3 * 12 ** 2:
            palette[i * 3:i * 3 + 3] = list(target)
    palette_image.putpalette(palette)
    paletted = [f.quantize(palette=palette_image, dither=Image.NONE) for f in flat]
    options = {"format": "GIF", "optimize": False}
    if len(paletted) > 1:
        options.update(save_all=True, append_images=paletted[1:], duration=durations,
                       disposal=1)
    paletted[0].save(path, **options)


def mask_bits(rows_of_bits):
    """Packs rows of 0/1 values into 1-bit rows padded to four bytes."""
    out = bytearray()
    for row in rows_of_bits:
        packed = bytearray((len(row) + 7) // 8)
        for x, bit in enumerate(row):
            if bit:
                packed[x // 8] |= 0x80 >> (x % 8)
        packed += b"\0" * ((-len(packed)) % 4)
        out += packed
    return bytes(out)


def write_cur(path, xor_rows, and_rows, hotspot):
    """A monochrome cursor file (ICONDIR type 2) of one image; rows are top-down lists of bits.
    Pixel colours: AND 0 + XOR 0 black, AND 0 + XOR 1 white, AND 1 + XOR 0 transparent."""
    height = len(xor_rows)
    width = len(xor_rows[0])
    xor = mask_bits(list(reversed(xor_rows)))
    andm = mask_bits(list(reversed(and_rows)))
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 1, 0, len(xor) + len(andm),
                         0, 0, 2, 2)
    palette = struct.pack("<BBBBBBBB", 0, 0, 0, 0, 255, 255, 255, 0)
    image = header + palette + xor + andm
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", width % 256, height % 256, 2, 0, hotspot[0], hotspot[1],
                        len(image), 6 + 16)
    with open(path, "wb") as f:
        f.write(directory + entry + image)


def _ico_image_32(image):
    image = image.convert("RGBA")
    width, height = image.size
    raw = image.tobytes("raw", "BGRA")
    rows = [raw[y * width * 4:(y + 1) * width * 4] for y in range(height - 1, -1, -1)]
    alpha = image.getchannel("A").load()
    andm = mask_bits([[1 if alpha[x, y] < 128 else 0 for x in range(width)]
                      for y in range(height - 1, -1, -1)])
    data = b"".join(rows)
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 32, 0, len(data) + len(andm),
                         0, 0, 0, 0)
    return header + data + andm, 0, 32


def _ico_image_8(image):
    """A 256-colour image with a 1-bit transparency mask."""
    image = image.convert("RGBA")
    width, height = image.size
    alpha = image.getchannel("A").load()
    opaque = flatten(image, "#FFFFFF")
    paletted = opaque.quantize(colors=255, method=Image.MEDIANCUT, dither=Image.NONE)
    palette = paletted.getpalette()[:256 * 3]
    palette += [0] * (256 * 3 - len(palette))
    entries = b"".join(struct.pack("<BBBB", palette[i * 3 + 2], palette[i * 3 + 1],
                                   palette[i * 3], 0) for i in range(256))
    pixels = paletted.load()
    stride = (width + 3) & ~3
    rows = []
    for y in range(height - 1, -1, -1):
        row = bytes(pixels[x, y] if alpha[x, y] >= 128 else 0 for x in range(width))
        rows.append(row + b"\0" * (stride - width))
    andm = mask_bits([[1 if alpha[x, y] < 128 else 0 for x in range(width)]
                      for y in range(height - 1, -1, -1)])
    data = b"".join(rows)
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 8, 0, len(data) + len(andm),
                         0, 0, 256, 0)
    return header + entries + data + andm, 0, 8


def write_ico(path, images):
    """An icon file holding, for each given RGBA image, a 256-colour and a 32-bit version."""
    blobs = []
    for image in images:
        for maker in (_ico_image_8, _ico_image_32):
            blob, colours, bits = maker(image)
            blobs.append((image.size, blob, colours, bits))
    offset = 6 + 16 * len(blobs)
    directory = struct.pack("<HHH", 0, 1, len(blobs))
    entries = b""
    for (width, height), blob, colours, bits in blobs:
        entries += struct.pack("<BBBBHHII", width % 256, height % 256, colours, 0, 1, bits,
                               len(blob), offset)
        offset += len(blob)
    with open(path, "wb") as f:
        f.write(directory + entries + b"".join(b for _, b, _, _ in blobs))


# ---------------------------------------------------------------------------------------------
# Contact sheets for looking at the results

def contact_sheet(images, path, scale=1, columns=8, labels=None, background="#808080"):
    """Lays the images out in a grid (each scaled by scale) and saves a PNG."""
    cell_w = max(i.width for i in images) * scale + 8
    cell_h = max(i.height for i in images) * scale + (22 if labels else 8)
    rows = (len(images) + columns - 1) // columns
    sheet = Image.new("RGB", (cell_w * min(columns, len(images)), cell_h * rows), background)
    draw = ImageDraw.Draw(sheet)
    small = font(DEJAVU_BOLD, 11)
    for n, image in enumerate(images):
        x, y = (n % columns) * cell_w + 4, (n // columns) * cell_h + 4
        shown = image.convert("RGBA").resize((image.width * scale, image.height * scale),
                                             Image.NEAREST)
        sheet.paste(flatten(shown, background), (x, y))
        if labels:
            draw.text((x, y + shown.height + 2), labels[n], fill="#FFFFFF", font=small)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    sheet.save(path)
