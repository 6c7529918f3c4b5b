#!/usr/bin/env python3
"""Writes the test firmware images of the simulated devices.

One Intel HEX file per simulated model, <model>.hex, into the given folder
(default: src/device/simulated/UpdateHex of the repository). Each image fills
its chip family's whole size with filler bytes and carries, at the family's
identification block, a build date, a build time and the identification text
"<chip>,<code1>,<code2>,<code3>,<model>,<version>" with the simulated device's
first five fields and a newer version (one model's equal to the device's).
A type 4 record (upper address 0) opens the file and a type 5 record closes
it before the end record. The files are filler, not firmware.

Standard library only; the output depends on nothing but this file.
"""

import os
import sys

# chip family: (image size, identification block address)
CHIPS = {
    "M252": (0x10000, 0xFE00),
    "NUC121": (0x8000, 0x7E00),
    "Bovelli": (0x7800, 0x76A4),  # the mouse reports its model as its chip
}

DEVICE_VERSION_KEYBOARD = "V1.00.03"
DEVICE_VERSION_MOUSE = "V1.00.01"

# model: (identification fields 0-3, image version)
MODELS = {
    "Quissaro": (("M252", "01", "KB", "QS"), "V1.00.10"),
    "Rosquine": (("M252", "01", "KB", "QS"), "V1.00.04"),
    "Rulvarro": (("M252", "01", "KB", "QS"), "V1.00.04"),
    "Ryzzmond": (("NUC121", "01", "KB", "QS"), "V1.00.10"),
    "Varrowen": (("M252", "01", "KB", "QS"), DEVICE_VERSION_KEYBOARD),  # equal: not offered
    "Bovelli": (("Bovelli", "01", "MS", "BV"), "V1.00.02"),
}

BUILD_DATE = b"Nov  2 2026"
BUILD_TIME = b"12:00:00"
DATE_BYTES = 12
TIME_BYTES = 16
ID_TEXT_BYTES = 50
RECORD_BYTES = 32


def filler(model, size):
    """Deterministic filler bytes: a 32-bit LCG seeded from the model name."""
    state = 0
    for ch in model.encode("ascii"):
        state = (state * 31 + ch) & 0xFFFFFFFF
    out = bytearray(size)
    for i in range(size):
        state = (state * 1103515245 + 12345) & 0xFFFFFFFF
        out[i] = (state >> 16) & 0xFF
    return out


def field(text, width):
    data = text[: width - 1]
    return data + bytes(width - len(data))


def image(model):
    (chip, code1, code2, code3), version = MODELS[model]
    size, block = CHIPS[chip]
    data = filler(model, size)
    ident = ",".join((chip, code1, code2, code3, model, version)).encode("ascii")
    assert len(ident) < ID_TEXT_BYTES
    data[block : block + DATE_BYTES] = field(BUILD_DATE, DATE_BYTES)
    data[block + DATE_BYTES : block + DATE_BYTES + TIME_BYTES] = field(BUILD_TIME, TIME_BYTES)
    start = block + DATE_BYTES + TIME_BYTES
    data[start : start + ID_TEXT_BYTES] = field(ident, ID_TEXT_BYTES)
    return data


def record(rtype, address, payload):
    body = bytes([len(payload), (address >> 8) & 0xFF, address & 0xFF, rtype]) + bytes(payload)
    checksum = (-sum(body)) & 0xFF
    return ":" + (body + bytes([checksum])).hex().upper() + "\n"


def hex_text(data):
    lines = [record(4, 0, [0, 0])]  # upper address 0
    for address in range(0, len(data), RECORD_BYTES):
        lines.append(record(0, address, data[address : address + RECORD_BYTES]))
    lines.append(record(5, 0, [0, 0, 0, 0]))  # start address, ignored
    lines.append(record(1, 0, []))
    return "".join(lines)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    default = os.path.join(here, "..", "..", "src", "device", "simulated", "UpdateHex")
    out = sys.argv[1] if len(sys.argv) > 1 else default
    os.makedirs(out, exist_ok=True)
    for model in sorted(MODELS):
        with open(os.path.join(out, model + ".hex"), "w", newline="") as f:
            f.write(hex_text(image(model)))


if __name__ == "__main__":
    main()
