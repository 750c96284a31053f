#!/usr/bin/python3
"""Makes the context aliases of a CHM relative to the file.

chmcmd stores every [ALIAS] target in #STRINGS with the absolute build
folder in front ("/home/.../build/clock.htm"), which resolves nowhere on the
user's machine. This keeps the compiled file as it is and adds, uncompressed
at its end, a copy of #STRINGS in which each target has lost that folder
(padded with NULs, so every offset into it stays right); the directory entry
of #STRINGS is rewritten to the copy.
  relative-aliases.py FILE.CHM TOPIC_FOLDER
"""
import struct
import sys


def read_encint(data, pos):
    value = 0
    while True:
        byte = data[pos]
        pos += 1
        value = (value << 7) | (byte & 0x7F)
        if not byte & 0x80:
            return value, pos


def encint(value):
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.append(0x80 | (value & 0x7F))
        value >>= 7
    return bytes(reversed(out))


def parse_chunk(chunk):
    """The entries of one PMGL chunk as [name, section, offset, length]."""
    free = struct.unpack_from("<I", chunk, 4)[0]
    end = len(chunk) - free
    pos, entries = 20, []
    while pos < end:
        size, pos = read_encint(chunk, pos)
        name = chunk[pos : pos + size]
        pos += size
        section, pos = read_encint(chunk, pos)
        offset, pos = read_encint(chunk, pos)
        length, pos = read_encint(chunk, pos)
        entries.append([name, section, offset, length])
    return entries


def build_chunk(header, entries, size, density):
    """A PMGL chunk: entries, free space, then the quick reference backwards."""
    body, starts = b"", []
    for name, section, offset, length in entries:
        starts.append(len(body))
        body += encint(len(name)) + name + encint(section) + encint(offset) + encint(length)
    every = 1 + (1 << density)
    # As chmcmd writes it: the offset of every n-th entry from the first one.
    quickref = [starts[i] for i in range(every - 1, len(entries), every)]
    tail = b"".join(struct.pack("<H", q) for q in reversed(quickref)) + struct.pack("<H", len(entries))
    free = size - 20 - len(body)
    if free < len(tail):
        sys.exit("relative-aliases: the directory chunk is full")
    return header[:4] + struct.pack("<I", free) + header[8:20] + body + b"\0" * (free - len(tail)) + tail


def main(path, folder):
    data = bytearray(open(path, "rb").read())
    directory = struct.unpack_from("<QQQQ", data, 0x38)[2]
    content = struct.unpack_from("<Q", data, 0x58)[0]
    chunk_size, density, depth = struct.unpack_from("<IIi", data, directory + 16)
    if depth != 1:
        sys.exit("relative-aliases: expected one directory level")
    chunk_at = directory + struct.unpack_from("<I", data, directory + 8)[0]
    chunk = bytes(data[chunk_at : chunk_at + chunk_size])
    if chunk[:4] != b"PMGL" or struct.unpack_from("<i", chunk, 16)[0] != -1:
        sys.exit("relative-aliases: expected a single directory chunk")
    entries = parse_chunk(chunk)
    if build_chunk(chunk, entries, chunk_size, density) != chunk:
        sys.exit("relative-aliases: the directory chunk is not as expected")

    import chm.chmlib as chmlib  # reads the compressed section

    handle = chmlib.chm_open(path.encode())
    objects = {}
    for name in (b"/#IVB", b"/#STRINGS"):
        result, item = chmlib.chm_resolve_object(handle, name)
        if result != chmlib.CHM_RESOLVE_SUCCESS:
            sys.exit("relative-aliases: no %s" % name.decode())
        objects[name] = chmlib.chm_retrieve_object(handle, item, 0, item.length)[1]
    chmlib.chm_close(handle)

    prefix = folder.rstrip("/").encode() + b"/"
    strings = bytearray(objects[b"/#STRINGS"])
    ivb = objects[b"/#IVB"]
    for i in range(struct.unpack_from("<I", ivb, 0)[0] // 8):
        offset = struct.unpack_from("<I", ivb, 8 + 8 * i)[0]
        end = strings.index(b"\0", offset)
        if strings[offset:end].startswith(prefix):
            target = strings[offset + len(prefix) : end]
            strings[offset:end] = target + b"\0" * len(prefix)

    entry = next(e for e in entries if e[0] == b"/#STRINGS")
    entry[1:] = [0, len(data) - content, len(strings)]
    data += strings
    data[chunk_at : chunk_at + chunk_size] = build_chunk(chunk, entries, chunk_size, density)
    header0 = struct.unpack_from("<Q", data, 0x38)[0]
    struct.pack_into("<Q", data, header0 + 8, len(data))
    open(path, "wb").write(data)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
