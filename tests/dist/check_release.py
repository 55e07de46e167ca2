#!/usr/bin/env python3
"""Reads a release back: the program's resources (through the binutils
resource compiler, which turns the PE's resource section into a .res file),
and optionally the MSI's properties (msiinfo) and the zip's contents.

  check_release.py --windres TOOL --exe podreel.exe --version 1.0.1 --publisher NAME
                   [--arch x86|amd64] [--msi FILE --upgrade-code GUID] [--zip FILE]

Prints what it checked; exits 1 with every failure listed."""
import argparse
import os
import struct
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
import zipfile

RT_ICON, RT_VERSION, RT_GROUP_ICON, RT_MANIFEST = 3, 16, 14, 24
SUPPORTED_OS = {
    "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}": "Windows 7",
    "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}": "Windows 8",
    "{1f676c76-80e1-4239-95bb-83d0f6d0da78}": "Windows 8.1",
    "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}": "Windows 10 and 11",
}

failures = []


def check(ok, what):
    print(("ok   " if ok else "FAIL ") + what)
    if not ok:
        failures.append(what)


def read_id(data, pos):
    """A .res type or name: 0xFFFF then a number, or a NUL-terminated UTF-16 string."""
    (first,) = struct.unpack_from("<H", data, pos)
    if first == 0xFFFF:
        return struct.unpack_from("<H", data, pos + 2)[0], pos + 4
    end = pos
    while struct.unpack_from("<H", data, end)[0] != 0:
        end += 2
    return data[pos:end].decode("utf-16-le"), end + 2


def read_res(path):
    """Every resource of a .res file as {(type, name): bytes}."""
    data = open(path, "rb").read()
    out = {}
    pos = 0
    while pos + 8 <= len(data):
        size, header = struct.unpack_from("<II", data, pos)
        rtype, p = read_id(data, pos + 8)
        name, p = read_id(data, p)
        body = data[pos + header:pos + header + size]
        if size:
            out[(rtype, name)] = body
        pos = (pos + header + size + 3) & ~3
    return out


def version_tree(data, pos=0):
    """One node of a version resource: (key, value bytes, children)."""
    length, value_len, is_text = struct.unpack_from("<HHH", data, pos)
    end = pos + length
    p = pos + 6
    key_end = p
    while struct.unpack_from("<H", data, key_end)[0] != 0:
        key_end += 2
    key = data[p:key_end].decode("utf-16-le")
    p = (key_end + 2 + 3) & ~3
    value_bytes = value_len * 2 if is_text else value_len
    value = data[p:p + value_bytes]
    p = (p + value_bytes + 3) & ~3
    children = []
    while p < end:
        child, p = version_tree(data, p)
        children.append(child)
    return (key, value, children), (end + 3) & ~3


def check_version(res, args):
    blob = res.get((RT_VERSION, 1))
    check(blob is not None, "a version resource (VS_VERSION_INFO)")
    if blob is None:
        return
    (key, fixed, children), _ = version_tree(blob)
    sig, _, fms, fls, pms, pls = struct.unpack_from("<IIIIII", fixed)
    want = [int(x) for x in args.version.split(".")] + [0] * (4 - len(args.version.split(".")))
    got_file = [fms >> 16, fms & 0xFFFF, fls >> 16, fls & 0xFFFF]
    got_product = [pms >> 16, pms & 0xFFFF, pls >> 16, pls & 0xFFFF]
    check(sig == 0xFEEF04BD, "the fixed file information's signature")
    check(got_file == want, f"file version {got_file} is {want}")
    check(got_product == want, f"product version {got_product} is {want}")
    strings = {}
    for k, _, tables in children:
        if k == "StringFileInfo":
            for _, _, entries in tables:
                for name, value, _ in entries:
                    strings[name] = value.decode("utf-16-le").rstrip("\0")
    quad = ".".join(str(x) for x in want)
    for name, expected in [("ProductName", "Kinopod"), ("ProductVersion", args.version), ("FileVersion", quad),
                           ("CompanyName", args.publisher), ("OriginalFilename", "podreel.exe")]:
        check(strings.get(name) == expected, f"version string {name} = {strings.get(name)!r}, expected {expected!r}")
    check(bool(strings.get("FileDescription")), "a file description")


def check_manifest(res, args):
    blob = res.get((RT_MANIFEST, 1))
    check(blob is not None, "an application manifest (RT_MANIFEST 1)")
    if blob is None:
        return
    root = ET.fromstring(blob)
    v1 = "{urn:schemas-microsoft-com:asm.v1}"
    v3 = "{urn:schemas-microsoft-com:asm.v3}"
    compat = "{urn:schemas-microsoft-com:compatibility.v1}"
    ident = root.find(v1 + "assemblyIdentity")
    check(ident is not None and ident.get("version") == ".".join((args.version + ".0.0.0").split(".")[:4]),
          "the manifest's own version is the program's")
    if args.arch:
        check(ident is not None and ident.get("processorArchitecture") == args.arch,
              f"the manifest names the {args.arch} architecture")
    deps = [d.get("name") + " " + d.get("version")
            for d in root.iter(v1 + "assemblyIdentity") if d is not ident]
    check("Microsoft.Windows.Common-Controls 6.0.0.0" in deps, f"common controls 6 as a dependency ({deps})")
    levels = [e.get("level") for e in root.iter(v3 + "requestedExecutionLevel")]
    check(levels == ["asInvoker"], f"execution level asInvoker ({levels})")
    oses = {e.get("Id").lower() for e in root.iter(compat + "supportedOS")}
    check(oses == set(SUPPORTED_OS), "supportedOS: " + ", ".join(SUPPORTED_OS.get(o, o) for o in sorted(oses)))
    dpi = [e.text for e in root.iter() if e.tag.endswith("}dpiAware") or e.tag.endswith("}dpiAwareness")]
    check(dpi == ["false"], f"one DPI setting, unaware ({dpi})")


def check_icon(res):
    group = res.get((RT_GROUP_ICON, "MAINICON"))
    check(group is not None, "an icon group MAINICON (Explorer shows the first group)")
    if group is None:
        return
    _, kind, count = struct.unpack_from("<HHH", group, 0)
    sizes = []
    for i in range(count):
        w, h, _, _, planes, bits, size, ident = struct.unpack_from("<BBBBHHIH", group, 6 + 14 * i)
        image = res.get((RT_ICON, ident))
        ok = image is not None and len(image) == size
        if ok:
            hw, hh, hplanes, hbits = struct.unpack_from("<iiHH", image, 4)
            ok = hw == (w or 256) and hh == 2 * (h or 256) and hbits == bits == 32
        check(ok, f"icon image {ident}: {w}x{h}, {bits} bits, present and consistent")
        sizes.append(w)
    check(kind == 1 and sorted(sizes) == [16, 32, 48], f"icon sizes {sorted(sizes)} are 16, 32 and 48")


def msi_table(msi, table):
    text = subprocess.run(["msiinfo", "export", msi, table], check=True, capture_output=True).stdout
    lines = text.decode("utf-8", "replace").splitlines()
    return [line.split("\t") for line in lines[3:]]


def check_msi(args):
    props = dict((row[0], row[1]) for row in msi_table(args.msi, "Property") if len(row) >= 2)
    check(props.get("ProductName") == "Kinopod", f"MSI ProductName {props.get('ProductName')!r}")
    check(props.get("ProductVersion") == args.version, f"MSI ProductVersion {props.get('ProductVersion')!r}")
    check(props.get("Manufacturer") == args.publisher, f"MSI Manufacturer {props.get('Manufacturer')!r}")
    check(props.get("UpgradeCode", "").upper() == "{" + args.upgrade_code.upper() + "}",
          f"MSI UpgradeCode {props.get('UpgradeCode')!r}")
    check(props.get("ALLUSERS") == "1", "MSI installs per machine (ALLUSERS=1)")
    upgrades = msi_table(args.msi, "Upgrade")
    check(any(r[0].upper() == "{" + args.upgrade_code.upper() + "}" for r in upgrades),
          "the Upgrade table looks for older versions under the same upgrade code")
    files = {r[2].split("|")[-1] for r in msi_table(args.msi, "File") if len(r) > 2}
    check({"podreel.exe", "README.txt", "zlib.txt", "winpthreads.txt"} <= files, f"MSI files {sorted(files)}")
    shortcuts = msi_table(args.msi, "Shortcut")
    check(len(shortcuts) == 1 and shortcuts[0][1] == "ProgramMenuFolder", "one Start-menu shortcut")


def check_zip(args):
    base = os.path.basename(args.zip)[:-4]
    with zipfile.ZipFile(args.zip) as z:
        names = set(z.namelist())
        check(z.testzip() is None, "the zip's entries read back intact")
        for name in ["podreel.exe", "README.txt", "licences/zlib.txt", "licences/winpthreads.txt"]:
            check(f"{base}/{name}" in names, f"the zip holds {base}/{name}")
        readme = z.read(f"{base}/README.txt").decode("ascii")
        check(args.version in readme and "\r\n" in readme, "the read-me names the version, with CRLF lines")
        check("Jean-loup Gailly" in z.read(f"{base}/licences/zlib.txt").decode(), "zlib's notice")
        check(z.read(f"{base}/podreel.exe") == open(args.exe, "rb").read(), "the zip's program is the checked one")


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--windres", required=True)
    ap.add_argument("--exe", required=True)
    ap.add_argument("--version", required=True)
    ap.add_argument("--publisher", required=True)
    ap.add_argument("--arch")
    ap.add_argument("--msi")
    ap.add_argument("--upgrade-code")
    ap.add_argument("--zip")
    args = ap.parse_args()
    with tempfile.TemporaryDirectory() as tmp:
        res_path = os.path.join(tmp, "podreel.res")
        done = subprocess.run([args.windres, "-i", args.exe, "-O", "res", "-o", res_path])
        check(done.returncode == 0, f"{args.windres} reads the resources of {args.exe}")
        res = read_res(res_path) if done.returncode == 0 else {}
    check_version(res, args)
    check_manifest(res, args)
    check_icon(res)
    if args.msi:
        check_msi(args)
    if args.zip:
        check_zip(args)
    print(f"check_release: {len(failures)} failure(s)")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
