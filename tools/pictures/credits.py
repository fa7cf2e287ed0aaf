"""Writes the Pictures section of resources/CREDITS from the catalogue.

Only the lines between BEGIN and END are ours; the rest of the file is left as it is.
"""

import os
import textwrap

from compose import source_file

BEGIN = "Pictures\n--------\n"
END = "  (end of the picture list)\n"

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


def indent(text, by):
    return "\n".join((by + line) if line else "" for line in text.split("\n"))


BODY = """Word pictures (CUSTOM, 165 pictures, 300 x 225 JPEG)

  Rendered by our own generator (tools/pictures/make_pictures.py) from the
  picture sets below and from our own drawings (tools/pictures/drawings/).
  Many are composed from several pictures or recoloured; the list at the end
  names the source files of each picture and what we changed.

  Fluent Emoji, flat style (from the npm package fluentui-emoji 1.3.0):
    MIT License

    Copyright (c) Microsoft Corporation.

""" + indent(MIT, "    ") + """

    The npm package that carries these files adds its own notice:
    MIT License, Copyright (c) 2022 Mohammad Abu Mattar, with the same
    permission notice and disclaimer as above.

  Twemoji (from the npm package @twemoji/svg 15.0.0):
    Twemoji graphics (c) Twitter, Inc and other contributors, licensed under
    CC-BY 4.0 (Creative Commons Attribution 4.0 International,
    https://creativecommons.org/licenses/by/4.0/). The changes we made to
    them are listed below. The npm package that carries these files:
    MIT License, Copyright (c) 2023 Samuel Kopp, with the same permission
    notice and disclaimer as above.

  Our own drawings (tools/pictures/drawings/*.svg) were made for this program.

  Picture by picture (word key: source files; how the picture was made):
"""


def section(pictures):
    lines = [BEGIN + "\n" + BODY]
    for picture in sorted(pictures, key=lambda p: p.key):
        files = ", ".join(source_file(s) for s in picture.sources())
        how = picture.how()
        if picture.note:
            how += ": " + picture.note
        entry = "%s: %s; %s" % (picture.key, files, how)
        lines.append(textwrap.fill(entry, width=80, initial_indent="    ",
                                   subsequent_indent="      ", break_on_hyphens=False) + "\n")
    lines.append(END)
    return "".join(lines)


def update(path, pictures):
    text = ""
    if os.path.exists(path):
        with open(path, encoding="utf-8") as f:
            text = f.read()
    new = section(pictures)
    start = text.find(BEGIN)
    if start < 0:
        if text and not text.endswith("\n"):
            text += "\n"
        text += ("\n\n" if text else "") + new
    else:
        end = text.find(END, start)
        if end >= 0:
            end += len(END)
        else:
            # Only the heading is there: put the section in its place, keep what follows.
            end = start + len(BEGIN)
            while text[end:end + 1] == "\n":
                end += 1
            if end < len(text):
                new += "\n\n"
        text = text[:start] + new + text[end:]
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)
