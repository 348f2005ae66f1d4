# Makes a pixel font from a BDF font with FontForge. To a name ending in .otb, the BDF's bitmaps
# as an OpenType bitmap font; else an outline font: each dot of the bitmaps a square 125 units
# on a side in the em of 1000, eight pixels to the em, as TrueType with no bitmap strike.
# Usage: BDF OUT
import sys

import fontforge

UNIT = 125
bdf, ttf = sys.argv[1:3]
font = fontforge.open(bdf)
if ttf.endswith(".otb"):
    font.generate(ttf, bitmap_type="otb")
    sys.exit()
glyph = pen = None
for line in open(bdf):
    words = line.split()
    if not words:
        continue
    if words[0] == "ENCODING":
        glyph = font.createChar(int(words[1]))
    elif words[0] == "BBX":
        width, height, left, bottom = map(int, words[1:5])
    elif words[0] == "BITMAP":
        pen, y = glyph.glyphPen(), bottom + height - 1
    elif words[0] == "ENDCHAR":
        pen = None
        glyph.removeOverlap()
    elif pen is not None:
        bits = int(words[0], 16)
        for x in range(width):
            if bits >> (len(words[0]) * 4 - 1 - x) & 1:
                x0, y0 = (left + x) * UNIT, y * UNIT
                pen.moveTo((x0, y0))
                pen.lineTo((x0, y0 + UNIT))
                pen.lineTo((x0 + UNIT, y0 + UNIT))
                pen.lineTo((x0 + UNIT, y0))
                pen.closePath()
        y -= 1
font.generate(ttf)
