#!/usr/bin/env python3
"""Packs the drawn desktop icons into the .ico that the Windows programs carry:
   packaging/windows/make-icon.py  (from anywhere; rewrites kv3318-config.ico)
Each size is stored as its PNG, as Windows reads icons since Vista."""
import pathlib
import struct

here = pathlib.Path(__file__).resolve().parent
icons = here.parent.parent / "resources" / "icons" / "hicolor"
sizes = [48, 64, 128, 256]
images = [(icons / f"{size}x{size}" / "apps" / "org.kv3318.Config.png").read_bytes() for size in sizes]

header = struct.pack("<HHH", 0, 1, len(images))
offset = len(header) + 16 * len(images)
entries = b""
for size, png in zip(sizes, images):
    # A width or height of 256 is written as 0.
    side = size % 256
    entries += struct.pack("<BBBBHHII", side, side, 0, 0, 1, 32, len(png), offset)
    offset += len(png)
(here / "kv3318-config.ico").write_bytes(header + entries + b"".join(images))
