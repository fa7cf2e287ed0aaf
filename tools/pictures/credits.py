"""Writes the Pictures section of resources/CREDITS from the catalogue.

Only the lines between BEGIN and END are ours; the rest of the file is left as it is.
"""

import os

from compose import source_file

BEGIN = "=== Pictures ==="
END = "=== End of Pictures ==="

MIT = """Permission is hereby granted, free of charge, to any person obtaining a copy
of this software and associated documentation files (the "Software"), to deal
in the Software without restriction, including without limitation the rights
to use, copy, modify, merge, publish, distribute, sublicense, and/or sell
copies of the Software, and to permit persons to whom the Software is
furnished to do so, subject to the following conditions:

The above copyright notice and this permission notice shall be included in all
copies or substantial portions of the Software.

THE SOFTWARE IS PROVIDED "AS IS", WITHOUT WARRANTY OF ANY KIND, EXPRESS OR
IMPLIED, INCLUDING BUT NOT LIMITED TO THE WARRANTIES OF MERCHANTABILITY,
FITNESS FOR A PARTICULAR PURPOSE AND NONINFRINGEMENT. IN NO EVENT SHALL THE
AUTHORS OR COPYRIGHT HOLDERS BE LIABLE FOR ANY CLAIM, DAMAGES OR OTHER
LIABILITY, WHETHER IN AN ACTION OF CONTRACT, TORT OR OTHERWISE, ARISING FROM,
OUT OF OR IN CONNECTION WITH THE SOFTWARE OR THE USE OR OTHER DEALINGS IN THE
SOFTWARE."""

HEADER = """The 165 word pictures (resources/CUSTOM/<WORDKEY>.jpg, 300 x 225 JPEG) are rendered
by tools/pictures/make_pictures.py from the picture sets below and from our own drawings
(tools/pictures/drawings/). Many are composed from several pictures or recoloured; the
list at the end names the source files of each picture and what was changed.

Fluent Emoji (flat style), taken from the npm package fluentui-emoji 1.3.0
---------------------------------------------------------------------------
MIT License

Copyright (c) Microsoft Corporation.

""" + MIT + """

The npm package that carries these files adds its own notice:

MIT License

Copyright (c) 2022 Mohammad Abu Mattar

""" + MIT + """

Twemoji, taken from the npm package @twemoji/svg 15.0.0
-------------------------------------------------------
Twemoji graphics (c) Twitter, Inc and other contributors, licensed under CC-BY 4.0
(Creative Commons Attribution 4.0 International,
https://creativecommons.org/licenses/by/4.0/). Changes made to them are listed below.

The npm package that carries these files: MIT License, Copyright (c) 2023 Samuel Kopp
(same permission notice as above).

Our own drawings
----------------
The SVG drawings in tools/pictures/drawings/ were made for Quillby and are part of it.

Picture by picture (word key: source files; how the picture was made)
---------------------------------------------------------------------"""


def section(pictures):
    lines = [BEGIN, HEADER]
    for picture in sorted(pictures, key=lambda p: p.key):
        files = ", ".join(source_file(s) for s in picture.sources())
        how = picture.how()
        if picture.note:
            how += ": " + picture.note
        lines.append("%s: %s; %s" % (picture.key, files, how))
    lines.append(END)
    return "\n".join(lines) + "\n"


def update(path, pictures):
    text = ""
    if os.path.exists(path):
        with open(path, encoding="utf-8") as f:
            text = f.read()
    new = section(pictures)
    start = text.find(BEGIN)
    if start >= 0:
        end = text.find(END, start)
        end = len(text) if end < 0 else end + len(END)
        if text[end:end + 1] == "\n":
            end += 1
        text = text[:start] + new + text[end:]
    else:
        if text and not text.endswith("\n"):
            text += "\n"
        text += ("\n" if text else "") + new
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)
