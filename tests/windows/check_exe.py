#!/usr/bin/python3
"""Checks a built KasSetup.exe from the outside: a 32-bit GUI program that
needs only Windows' own DLLs, with its version information, icon and manifest.

Usage: check_exe.py path/to/KasSetup.exe
Prints one "ok: ..." or "FAIL: ..." line per check and exits 1 if any failed.
Standard library only, so it runs wherever the cross build runs.
"""

import struct
import sys
import xml.etree.ElementTree as ET

RT_ICON, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 3, 14, 16, 24
ICON_GROUP_ID, ICON_IMAGE_ID, MANIFEST_ID, VERSION_ID = 1, 30001, 1, 1

SYSTEM_DLLS = {
    "kernel32", "user32", "gdi32", "comctl32", "shell32", "advapi32", "msvcrt",
    "ole32", "oleaut32", "uxtheme", "comdlg32", "shlwapi", "ntdll", "version",
    "imm32", "winmm", "ws2_32", "dwmapi", "shcore",
}

VERSION_STRINGS = {
    "ProductName": "KasSetup",
    "FileVersion": "1.00",
    "ProductVersion": "1.00",
    "InternalName": "KasSetup",
    "OriginalFilename": "KasSetup.exe",
}
# CompanyName must be present too, with any non-empty value.


class Damaged(Exception):
    """The file does not hold what its own headers say it holds."""


def u16(data, off):
    if off < 0 or off + 2 > len(data):
        raise Damaged("read of 2 bytes at %#x past the end (%#x)" % (off, len(data)))
    return struct.unpack_from("<H", data, off)[0]


def u32(data, off):
    if off < 0 or off + 4 > len(data):
        raise Damaged("read of 4 bytes at %#x past the end (%#x)" % (off, len(data)))
    return struct.unpack_from("<I", data, off)[0]


def align4(n):
    return (n + 3) & ~3


class PE:
    def __init__(self, data):
        self.data = data
        if data[:2] != b"MZ":
            raise Damaged("no MZ header")
        pe = u32(data, 0x3C)
        if data[pe:pe + 4] != b"PE\0\0":
            raise Damaged("no PE signature at %#x" % pe)
        coff = pe + 4
        self.machine = u16(data, coff)
        nsections = u16(data, coff + 2)
        opt_size = u16(data, coff + 16)
        opt = coff + 20
        self.magic = u16(data, opt)
        if self.magic == 0x10B:
            self.subsystem = u16(data, opt + 68)
            self.image_base = u32(data, opt + 28)
            ndirs, dirs = u32(data, opt + 92), opt + 96
        elif self.magic == 0x20B:
            self.subsystem = u16(data, opt + 68)
            self.image_base = struct.unpack_from("<Q", data, opt + 24)[0] if opt + 32 <= len(data) else 0
            ndirs, dirs = u32(data, opt + 108), opt + 112
        else:
            raise Damaged("unknown optional header magic %#x" % self.magic)
        self.size_of_headers = u32(data, opt + 60)
        # Data directories that do not fit in the optional header do not exist.
        ndirs = min(ndirs, 16, max(0, (opt + opt_size - dirs) // 8))
        self.dirs = [(u32(data, dirs + 8 * i), u32(data, dirs + 8 * i + 4)) for i in range(ndirs)]
        self.sections = []
        sec = opt + opt_size
        for i in range(nsections):
            s = sec + 40 * i
            vsize, va, rawsize, rawptr = (u32(data, s + 8), u32(data, s + 12),
                                          u32(data, s + 16), u32(data, s + 20))
            self.sections.append((va, vsize or rawsize, rawptr, rawsize))

    def directory(self, index):
        """(rva, size) of a data directory, or None when it is absent."""
        if index >= len(self.dirs) or self.dirs[index][0] == 0:
            return None
        return self.dirs[index]

    def read(self, rva, n):
        """n bytes of the loaded image at rva; the part of a section past its
        raw data reads as zeros, as the loader fills it."""
        if n < 0 or rva < 0:
            raise Damaged("negative length or RVA at RVA %#x" % rva)
        if n > len(self.data):
            raise Damaged("%d bytes wanted at RVA %#x, more than the whole file" % (n, rva))
        for va, vsize, rawptr, rawsize in self.sections:
            if va <= rva and rva + n <= va + max(vsize, rawsize):
                start = rva - va
                raw = self.data[rawptr + start:rawptr + min(start + n, rawsize)] if start < rawsize else b""
                if start < rawsize and rawptr + min(start + n, rawsize) > len(self.data):
                    raise Damaged("section data at RVA %#x lies past the end of the file" % rva)
                return raw + b"\0" * (n - len(raw))
        if rva + n <= self.size_of_headers and rva + n <= len(self.data):
            return self.data[rva:rva + n]
        raise Damaged("RVA %#x..%#x is in no section" % (rva, rva + n))

    def cstring(self, rva, limit=256):
        """A NUL-terminated ASCII name at rva (never longer than limit)."""
        out = b""
        while len(out) < limit:
            # Read in small steps so a name near a section's end still reads.
            chunk = self.read(rva + len(out), 1)
            if chunk == b"\0":
                return out.decode("ascii", "replace")
            out += chunk
        raise Damaged("name at RVA %#x has no end" % rva)


# --- imports ------------------------------------------------------------------

def imported_dlls(pe):
    names = []
    imp = pe.directory(1)
    if imp:
        rva = imp[0]
        for i in range(100000):
            desc = pe.read(rva + 20 * i, 20)
            if desc == b"\0" * 20 or desc[12:16] == b"\0" * 4:
                break
            names.append(pe.cstring(struct.unpack_from("<I", desc, 12)[0]))
        else:
            raise Damaged("import table has no end")
    # Delay-loaded DLLs are dependencies just the same.
    delay = pe.directory(13)
    if delay:
        rva, size = delay
        # The table ends at a descriptor without a name or at the directory's
        # size, whichever comes first: not every linker writes the terminator.
        for i in range(min(size // 32, 100000) if size else 100000):
            desc = pe.read(rva + 32 * i, 32)
            attrs, name = struct.unpack_from("<II", desc)
            if name == 0:
                break
            if not attrs & 1:
                name -= pe.image_base  # old-style descriptors hold addresses
            names.append(pe.cstring(name))
        else:
            if not size:
                raise Damaged("delay import table has no end")
    return names


def is_system_dll(name):
    stem = name.lower()
    if stem.endswith(".dll"):
        stem = stem[:-4]
    return stem in SYSTEM_DLLS or stem.startswith(("api-ms-win-", "ext-ms-win-"))


# --- resources ----------------------------------------------------------------

def resources(pe):
    """Every resource as ((type, name, language), bytes); type and name are
    ints for IDs and strings for names, in directory order."""
    rsrc = pe.directory(2)
    if not rsrc:
        return []
    base = rsrc[0]

    def entries(offset):
        head = pe.read(base + offset, 16)
        named, ids = struct.unpack_from("<HH", head, 12)
        for i in range(named + ids):
            name, target = struct.unpack("<II", pe.read(base + offset + 16 + 8 * i, 8))
            if name & 0x80000000:
                at = base + (name & 0x7FFFFFFF)
                length = struct.unpack("<H", pe.read(at, 2))[0]
                name = pe.read(at + 2, 2 * length).decode("utf-16-le", "replace")
            yield name, target

    def subdir(target):
        if not target & 0x80000000:
            raise Damaged("resource directory entry points at data, not at a directory")
        return target & 0x7FFFFFFF

    found = []
    # A damaged directory can point many entries at one big subdirectory.
    limit = 10000
    for rtype, t in entries(0):
        for rname, n in entries(subdir(t)):
            for lang, leaf in entries(subdir(n)):
                if leaf & 0x80000000:
                    raise Damaged("resource %r/%r/%r goes one directory too deep" % (rtype, rname, lang))
                data_rva, size = struct.unpack("<II", pe.read(base + leaf, 8))
                if len(found) == limit:
                    raise Damaged("more than %d resources" % limit)
                found.append(((rtype, rname, lang), pe.read(data_rva, size)))
    return found


def of_type(res, rtype):
    return [(key[1], key[2], data) for key, data in res if key[0] == rtype]


# --- version information ------------------------------------------------------

class Block:
    """One node of VS_VERSIONINFO: key, wType, raw value bytes, children."""

    def __init__(self, data, off, end, depth=0):
        if depth > 4:
            raise Damaged("version blocks nested too deep at %#x" % off)
        if off + 6 > end:
            raise Damaged("version block at %#x is cut off" % off)
        length, value_len, self.wtype = struct.unpack_from("<HHH", data, off)
        if length < 6 or off + length > end:
            raise Damaged("version block at %#x has length %d beyond its parent" % (off, length))
        block_end = off + length
        p = off + 6
        key = []
        while True:
            if p + 2 > block_end:
                raise Damaged("version block key at %#x has no end" % off)
            c = u16(data, p)
            p += 2
            if c == 0:
                break
            key.append(c)
        self.key = struct.pack("<%dH" % len(key), *key).decode("utf-16-le", "replace")
        p = align4(p)
        # For text values wValueLength counts characters, for binary ones bytes.
        value_bytes = value_len * 2 if self.wtype == 1 else value_len
        self.value = data[p:min(p + value_bytes, block_end)]
        if p + value_bytes > block_end:
            # Some compilers count bytes where characters are meant; cut at the block.
            if self.wtype != 1:
                raise Damaged("value of version block %r runs past the block" % self.key)
        p = align4(p + value_bytes)
        self.children = []
        while p < block_end:
            child = Block(data, p, block_end, depth + 1)
            self.children.append(child)
            p = align4(p + max(6, u16(data, p)))

    def text(self):
        s = self.value.decode("utf-16-le", "replace")
        # Resource compilers differ on whether the terminating NUL is counted.
        return s.rstrip("\0")


def fixed_version(ms, ls):
    return "%d.%d.%d.%d" % (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF)


def version_problems(data):
    problems = []
    root = Block(data, 0, len(data))
    if root.key != "VS_VERSION_INFO":
        problems.append("root key is %r, not 'VS_VERSION_INFO'" % root.key)
    if len(root.value) != 52 or u32(root.value, 0) != 0xFEEF04BD:
        problems.append("no VS_FIXEDFILEINFO (value of %d bytes)" % len(root.value))
    else:
        fv = fixed_version(u32(root.value, 8), u32(root.value, 12))
        pv = fixed_version(u32(root.value, 16), u32(root.value, 20))
        if fv != "1.0.0.0":
            problems.append("fixed file version is %s, not 1.0.0.0" % fv)
        if pv != "1.0.0.0":
            problems.append("fixed product version is %s, not 1.0.0.0" % pv)

    sfi = [c for c in root.children if c.key == "StringFileInfo"]
    vfi = [c for c in root.children if c.key == "VarFileInfo"]
    others = [c.key for c in root.children if c.key not in ("StringFileInfo", "VarFileInfo")]
    if others:
        problems.append("unexpected blocks %r" % others)
    if len(sfi) != 1:
        problems.append("%d StringFileInfo blocks, not 1" % len(sfi))
    else:
        tables = sfi[0].children
        if [t.key.upper() for t in tables] != ["040904B0"]:
            problems.append("string tables %r, not exactly '040904B0'" % [t.key for t in tables])
        for table in tables:
            strings = {}
            for s in table.children:
                if s.key in strings:
                    problems.append("%s: %r twice" % (table.key, s.key))
                strings[s.key] = s.text()
            wanted = dict(VERSION_STRINGS, CompanyName=strings.get("CompanyName"))
            extra = sorted(set(strings) - set(wanted))
            missing = sorted(set(wanted) - set(strings))
            if extra:
                problems.append("%s: strings not expected: %s" % (table.key, ", ".join(extra)))
            if missing:
                problems.append("%s: strings missing: %s" % (table.key, ", ".join(missing)))
            for k, v in sorted(VERSION_STRINGS.items()):
                if k in strings and strings[k] != v:
                    problems.append("%s: %s is %r, not %r" % (table.key, k, strings[k], v))
            if "CompanyName" in strings and not strings["CompanyName"].strip():
                problems.append("%s: CompanyName is empty" % table.key)
    if len(vfi) != 1:
        problems.append("%d VarFileInfo blocks, not 1" % len(vfi))
    else:
        trans = [c for c in vfi[0].children if c.key == "Translation"]
        if len(trans) != 1 or len(trans[0].value) % 4:
            problems.append("VarFileInfo holds no single well-formed Translation")
        else:
            v = trans[0].value
            pairs = [struct.unpack_from("<HH", v, i) for i in range(0, len(v), 4)]
            if pairs != [(0x0409, 1200)]:
                problems.append("Translation is %s, not 0x0409/1200" %
                                ", ".join("%#06x/%d" % p for p in pairs))
    return problems


# --- manifest -------------------------------------------------------------------

def local(tag):
    return tag.rsplit("}", 1)[-1]


def manifest_problems(data):
    if not data.startswith((b"\xff\xfe", b"\xfe\xff")):
        data = data.rstrip(b"\0")  # padding some resource compilers add; not XML
    try:
        root = ET.fromstring(data)
    except (ET.ParseError, LookupError, ValueError) as e:
        return ["manifest is not well-formed XML: %s" % e]
    problems = []
    elements = list(root.iter())

    levels = [e.get("level") for e in elements if local(e.tag) == "requestedExecutionLevel"]
    if levels != ["asInvoker"]:
        problems.append("requestedExecutionLevel levels %r, not ['asInvoker']" % levels)

    controls = []
    for dep in (e for e in elements if local(e.tag) == "dependentAssembly"):
        for ident in dep.iter():
            if local(ident.tag) == "assemblyIdentity" and \
                    ident.get("name") == "Microsoft.Windows.Common-Controls":
                controls.append(ident.get("version"))
    if controls != ["6.0.0.0"]:
        problems.append("Common-Controls dependency versions %r, not ['6.0.0.0']" % controls)

    aware = [(e.text or "").strip().lower() for e in elements if local(e.tag) == "dpiAware"]
    awareness = [(e.text or "").strip().lower() for e in elements if local(e.tag) == "dpiAwareness"]
    dpi_ok = any(a in ("true", "true/pm", "per monitor") for a in aware) or \
        any(a and a.split(",")[0].strip() != "unaware" for a in awareness)
    if not dpi_ok:
        problems.append("no DPI awareness (dpiAware %r, dpiAwareness %r)" % (aware, awareness))
    return problems


# --- the checks -----------------------------------------------------------------

def check_machine(pe, res):
    if pe.magic != 0x10B or pe.machine != 0x14C:
        return False, "optional header magic %#x, machine %#x; want PE32 (0x10b) for i386 (0x14c)" % (
            pe.magic, pe.machine)
    return True, "PE32 for i386"


def check_subsystem(pe, res):
    if pe.subsystem != 2:
        return False, "subsystem %d; want Windows GUI (2), a console program opens a console window" % pe.subsystem
    return True, "Windows GUI subsystem"


def check_imports(pe, res):
    dlls = imported_dlls(pe)
    if not dlls:
        # Every Windows program imports at least kernel32; none means a damaged table.
        return False, "no imported DLLs found"
    foreign = [d for d in dlls if not is_system_dll(d)]
    listing = ", ".join(dlls)
    if foreign:
        return False, "imports DLLs that Windows does not bring: %s (all: %s)" % (", ".join(foreign), listing)
    return True, "imports only system DLLs: %s" % listing


def check_version(pe, res):
    found = of_type(res, RT_VERSION)
    if len(found) != 1:
        return False, "%d version resources (%s); want exactly one" % (
            len(found), ", ".join("%r/%r" % (n, l) for n, l, _ in found) or "none")
    name, lang, data = found[0]
    if name != VERSION_ID:
        return False, "version resource has ID %r; want %d" % (name, VERSION_ID)
    problems = version_problems(data)
    if problems:
        return False, "version resource: " + "; ".join(problems)
    return True, "one version resource: 1.0.0.0, 040904B0 with the six strings, Translation 0x0409/1200"


def check_icon(pe, res):
    groups = of_type(res, RT_GROUP_ICON)
    if not groups:
        # A type written by name ("RT_GROUP_ICON" to windres) is a string, not 14.
        types = sorted({key[0] for key, _ in res}, key=repr)
        return False, "no icon group (resource types: %s)" % (", ".join(map(repr, types)) or "none")
    # Explorer shows the first group in the directory: named ones sort before IDs.
    name, lang, data = groups[0]
    if name != ICON_GROUP_ID:
        return False, "first icon group is %r; want ID %d" % (name, ICON_GROUP_ID)
    if len(data) < 6 or struct.unpack_from("<HHH", data)[:2] != (0, 1):
        return False, "icon group %d has no GRPICONDIR header" % ICON_GROUP_ID
    count = u16(data, 4)
    if count != 1 or len(data) < 6 + 14:
        return False, "icon group %d holds %d entries; want 1" % (ICON_GROUP_ID, count)
    w, h, colours, _, planes, bits, size, icon_id = struct.unpack_from("<BBBBHHIH", data, 6)
    if (w, h, bits, icon_id) != (32, 32, 24, ICON_IMAGE_ID):
        return False, "icon group entry is %dx%d, %d bits, icon %d; want 32x32, 24 bits, icon %d" % (
            w, h, bits, icon_id, ICON_IMAGE_ID)
    icons = [d for n, l, d in of_type(res, RT_ICON) if n == ICON_IMAGE_ID]
    if len(icons) != 1:
        return False, "%d icons with ID %d; want 1" % (len(icons), ICON_IMAGE_ID)
    image = icons[0]
    if len(image) < 40:
        return False, "icon %d is %d bytes, too short for a BITMAPINFOHEADER" % (ICON_IMAGE_ID, len(image))
    hsize, iw, ih, _, ibits = struct.unpack_from("<IiiHH", image)
    if (hsize, iw, ih, ibits) != (40, 32, 64, 24):
        return False, "icon %d header: size %d, %dx%d, %d bits; want 40, 32x64, 24 bits" % (
            ICON_IMAGE_ID, hsize, iw, ih, ibits)
    need = 40 + 32 * 32 * 3 + 32 * 4
    if len(image) < need:
        return False, "icon %d is %d bytes; its pixels and mask need %d" % (ICON_IMAGE_ID, len(image), need)
    if size != len(image):
        return False, "icon group says icon %d has %d bytes; it has %d" % (ICON_IMAGE_ID, size, len(image))
    return True, "icon group %d: one 32x32 24-bit entry, icon %d with a 32x64 24-bit header" % (
        ICON_GROUP_ID, ICON_IMAGE_ID)


def check_manifest(pe, res):
    found = [d for n, l, d in of_type(res, RT_MANIFEST) if n == MANIFEST_ID]
    if len(found) != 1:
        return False, "%d manifests with ID %d; want 1" % (len(found), MANIFEST_ID)
    problems = manifest_problems(found[0])
    if problems:
        return False, "manifest: " + "; ".join(problems)
    return True, "manifest: asInvoker, Common-Controls 6.0.0.0, DPI aware"


CHECKS = [check_machine, check_subsystem, check_imports, check_version, check_icon, check_manifest]


def main(argv):
    if len(argv) != 2:
        print("usage: check_exe.py path/to/KasSetup.exe", file=sys.stderr)
        return 2
    try:
        with open(argv[1], "rb") as f:
            data = f.read()
    except OSError as e:
        print("FAIL: cannot read %s: %s" % (argv[1], e.strerror))
        print("0 passed, 1 failed")
        return 1

    pe = res = None
    broken = None
    try:
        pe = PE(data)
    except Damaged as e:
        broken = "not a readable PE file: %s" % e
    except Exception as e:  # as below: a FAIL line, never a traceback
        broken = "not a readable PE file: %s: %s" % (type(e).__name__, e)
    res_broken = None
    if pe:
        try:
            res = resources(pe)
        except Damaged as e:
            res_broken = "resource directory is damaged: %s" % e
        except Exception as e:
            res_broken = "resource directory is damaged: %s: %s" % (type(e).__name__, e)

    passed = failed = 0
    for check in CHECKS:
        what = check.__name__[len("check_"):]
        if broken:
            ok, text = False, "%s: %s" % (what, broken)
        elif res_broken and check in (check_version, check_icon, check_manifest):
            ok, text = False, "%s: %s" % (what, res_broken)
        else:
            try:
                ok, text = check(pe, res)
            except Damaged as e:
                ok, text = False, "%s: damaged file: %s" % (what, e)
            except Exception as e:  # never a traceback for a file, whatever it holds
                ok, text = False, "%s: cannot read: %s: %s" % (what, type(e).__name__, e)
        print(("ok: " if ok else "FAIL: ") + text)
        passed += ok
        failed += not ok
    print("%d passed, %d failed" % (passed, failed))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
