"""BMP file writers (24-bit pictures, 1-bit masks) and a small reader used by the checks."""

import struct

from canvas import Canvas

FILE_HEADER = 14
INFO_HEADER = 40


def _row_stride(width, bits):
    return ((width * bits + 31) // 32) * 4


def _headers(width, height, bits, palette_bytes, image_bytes):
    offset = FILE_HEADER + INFO_HEADER + palette_bytes
    file_header = struct.pack("<2sIHHI", b"BM", offset + image_bytes, 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", INFO_HEADER, width, height, 1, bits, 0, image_bytes,
                       2835, 2835, palette_bytes // 4, 0)
    return file_header + info


def encode_24(canvas):
    """The canvas as a bottom-up, uncompressed 24-bit BMP file."""
    stride = _row_stride(canvas.width, 24)
    pad = bytes(stride - canvas.width * 3)
    rows = []
    for y in range(canvas.height - 1, -1, -1):
        row = canvas.pixels[y * canvas.width * 3:(y + 1) * canvas.width * 3]
        # BMP stores blue, green, red.
        swapped = bytearray(len(row))
        swapped[0::3], swapped[1::3], swapped[2::3] = row[2::3], row[1::3], row[0::3]
        rows.append(bytes(swapped) + pad)
    data = b"".join(rows)
    return _headers(canvas.width, canvas.height, 24, 0, len(data)) + data


def encode_1(canvas):
    """The canvas as a bottom-up 1-bit BMP file: pure black stays black, all else is white."""
    stride = _row_stride(canvas.width, 1)
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    rows = []
    for y in range(canvas.height - 1, -1, -1):
        row = bytearray(stride)
        for x in range(canvas.width):
            if canvas.get(x, y) != (0, 0, 0):
                row[x >> 3] |= 0x80 >> (x & 7)
        rows.append(bytes(row))
    data = b"".join(rows)
    return _headers(canvas.width, canvas.height, 1, len(palette), len(data)) + palette + data


def decode(data):
    """Reads back a file written above (1 or 24 bits, bottom-up) as (canvas, bits)."""
    if data[:2] != b"BM":
        raise ValueError("not a BMP file: it does not begin with 'BM'")
    size, offset = struct.unpack_from("<I", data, 2)[0], struct.unpack_from("<I", data, 10)[0]
    if size != len(data):
        raise ValueError(f"the BMP header says {size} bytes but the file has {len(data)}")
    _, width, height, _, bits = struct.unpack_from("<IiiHH", data, FILE_HEADER)
    if bits not in (1, 24) or height <= 0:
        raise ValueError(f"only bottom-up 1- and 24-bit BMP files are read back, not {bits}-bit")
    stride = _row_stride(width, bits)
    canvas = Canvas(width, height)
    for y in range(height):
        row = offset + (height - 1 - y) * stride
        for x in range(width):
            if bits == 24:
                b, g, r = data[row + x * 3:row + x * 3 + 3]
                canvas.set(x, y, (r, g, b))
            else:
                white = data[row + (x >> 3)] & (0x80 >> (x & 7))
                canvas.set(x, y, (255, 255, 255) if white else (0, 0, 0))
    return canvas, bits
