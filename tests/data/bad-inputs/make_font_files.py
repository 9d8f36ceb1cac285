#!/usr/bin/env python3
"""Writes the font files of font/: damaged or unusual fonts a user might hand over.
Run from this folder; the .expected files beside them are written by hand."""
import struct

def font(name=b"Base", size=12, w=8, h=4, line=4, nominal=4, count=None, entries=None,
         image=None, magic=b"KORFN"):
    entries = [(65, 1, 1, 3), (66, 4, 1, 2), (233, 6, 1, 3)] if entries is None else entries
    header = bytearray(256)
    header[0:5] = magic
    header[6:6 + min(len(name), 50)] = name[:50]
    header[56] = size
    struct.pack_into("<HH", header, 70, w, h)
    struct.pack_into("<HHH", header, 78, len(entries) if count is None else count, line, nominal)
    table = b"".join(struct.pack("<HHHH", *e) for e in entries)
    pixels = bytes((i * 37 + 11) % 256 for i in range(w * h)) if image is None else image
    return bytes(header) + table + pixels

def write(file, data):
    with open("font/" + file, "wb") as out:
        out.write(data)

base = font()
write("cut_in_header.krf", base[:100])
write("cut_in_table.krf", base[:256 + 12])
write("cut_in_image.krf", base[:-5])
write("empty.krf", b"")
write("text_file.krf", b"this is a note, not a font\n" * 12)
write("lower_case_magic.krf", font(magic=b"korfn"))
write("widest_sheet.krf", font(name=b"Wide", w=65535, h=1, line=1, entries=[(65, 65535, 1, 1)]))
write("largest_sheet_claimed.krf", font(w=65535, h=65535, image=bytes(64)))
write("empty_sheet.krf", font(name=b"Flat", w=0, h=0))
write("largest_table_claimed.krf", font(count=65535))
write("no_glyphs.krf", font(entries=[]))
write("cells_outside.krf", font(entries=[(65, 0, 0, 3), (66, 65535, 65535, 65535), (67, 9, 5, 8), (68, 8, 4, 1)]))
write("zero_widths.krf", font(entries=[(65, 1, 1, 0), (66, 2, 1, 0)]))
write("duplicate_codes.krf", font(entries=[(65, 1, 1, 3), (65, 4, 1, 7), (66, 1, 1, 2), (65, 6, 1, 1)]))
write("name_without_nul.krf", font(name=b"N" * 50))
write("line_height_limits.krf", font(line=65535, nominal=65535, entries=[(65, 1, 1, 3), (0xFFFF, 1, 1, 65535)]))
write("trailing_bytes.krf", base + b"\0" * 300)
with open("../../../data/small.krf", "rb") as shipped:
    write("copy_interrupted.krf", shipped.read()[:10000])
