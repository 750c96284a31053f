#!/usr/bin/python3
"""Checks that a compiled HORALUME.CHM answers every context number the
properties sheet asks for: each page's dialog identifier and 2091 name a
topic inside the file, and each control's identifier has a popup text.
  check-help.py HORALUME.CHM HoralumeResources.h
"""
import re
import struct
import sys

import chm.chmlib as chmlib


def read(handle, name):
    result, item = chmlib.chm_resolve_object(handle, name.encode())
    if result != chmlib.CHM_RESOLVE_SUCCESS:
        return None
    return chmlib.chm_retrieve_object(handle, item, 0, item.length)[1]


def defines(text):
    return {name: int(value) for name, value in re.findall(r"^#define\s+(\w+)\s+(\d+)\s*$", text, re.M)}


def main(chm_path, header_path):
    numbers = defines(open(header_path).read())
    handle = chmlib.chm_open(chm_path.encode())
    if not handle:
        sys.exit("check-help: cannot open %s" % chm_path)
    faults = []

    ivb, strings = read(handle, "/#IVB"), read(handle, "/#STRINGS")
    aliases = {}
    for i in range(struct.unpack_from("<I", ivb, 0)[0] // 8):
        context, offset = struct.unpack_from("<II", ivb, 4 + 8 * i)
        aliases[context] = strings[offset : strings.index(b"\0", offset)].decode()
    for name, number in numbers.items():
        if not (name.startswith("IDD_") or name.startswith("IDH_")):
            continue
        target = aliases.get(number)
        if target is None:
            faults.append("no topic for %s (%d)" % (name, number))
        elif target.startswith("/") or read(handle, "/" + target) is None:
            faults.append("%s (%d) names %s, which is not inside the file" % (name, number, target))

    popups = (read(handle, "/controls.txt") or b"").decode()
    stored = defines((read(handle, "/HoralumeResources.h") or b"").decode())
    texts = dict(re.findall(r"^\.topic\s+(\w+)\s*\n(.+)", popups, re.M))
    for name, number in numbers.items():
        if not name.startswith("IDC_") or not 2100 <= number < 2200:
            continue
        if stored.get(name) != number:
            faults.append("the file's header does not map %s to %d" % (name, number))
        if not texts.get(name, "").strip():
            faults.append("no popup text for %s (%d)" % (name, number))
    chmlib.chm_close(handle)

    for fault in faults:
        print("check-help: " + fault, file=sys.stderr)
    sys.exit(1 if faults else 0)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
