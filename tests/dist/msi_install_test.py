#!/usr/bin/env python3
"""The installer under wine64: msiexec /i and /x, quietly, as a user would.

  1. Install: the files land in Program Files\\Kinopod, the Start-menu
     shortcut for all users points at the program, the uninstall entry names
     the version and the publisher; the installed program starts and shows
     its main window, and closes again.
  2. Uninstall: no file, folder, shortcut or registry key of ours is left
     (the registry is exported before, in between and after, and every key
     naming the product, its packed codes or the program is listed).
  3. Upgrade: a newer package built from the same files under the same
     upgrade code replaces the installed one (one entry, the new version),
     and its uninstall leaves nothing either.

Runs in the environment of wine-env.sh (msi_install_test.sh sets it up)."""
import argparse
import os
import re
import subprocess
import sys
import tempfile
import time
import uuid

WINE = os.environ.get("KINOPOD_WINE", "wine")
PREFIX = os.environ["WINEPREFIX"]
UNINSTALL = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall"
failures = []


def check(ok, what):
    print(("ok   " if ok else "FAIL ") + what, flush=True)
    if not ok:
        failures.append(what)
    return ok


def wine(args, log, timeout=240):
    """Runs a Windows program to its end; output through a file (Wine's
    services inherit the handles and would hold a pipe open)."""
    with open(log, "ab") as out:
        out.write(("\n$ " + " ".join(args) + "\n").encode())
        out.flush()
        return subprocess.run([WINE] + args, stdout=out, stderr=out, stdin=subprocess.DEVNULL,
                              timeout=timeout).returncode


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def packed(guid):
    """A GUID as Windows Installer spells it in its registry keys."""
    h = guid.strip("{}").replace("-", "").upper()
    swap = lambda s: "".join(s[i + 1] + s[i] for i in range(0, len(s), 2))
    return h[0:8][::-1] + h[8:12][::-1] + h[12:16][::-1] + swap(h[16:32])


def reg_values(key, log):
    """The values of one key (name -> data), or None when the key is absent."""
    with tempfile.NamedTemporaryFile(suffix=".reg", dir=args.work, delete=False) as f:
        out = f.name
    try:
        if wine(["regedit", "/E", windows_path(out), key.replace("HKLM", "HKEY_LOCAL_MACHINE")], log) != 0:
            return None
        text = read_reg(out)
    finally:
        os.unlink(out)
    if not text.strip():
        return None
    values = {}
    for m in re.finditer(r'^"([^"]*)"=(?:"((?:[^"\\]|\\.)*)"|dword:([0-9a-f]{8}))', text, re.M):
        values[m.group(1)] = m.group(2) if m.group(2) is not None else int(m.group(3), 16)
    return values


def read_reg(path):
    data = open(path, "rb").read()
    return data.decode("utf-16") if data[:2] in (b"\xff\xfe", b"\xfe\xff") else data.decode("utf-8", "replace")


def registry_keys(name, log):
    """Every key under HKLM\\Software and HKCU\\Software, exported by regedit."""
    keys = set()
    for hive in ["HKEY_LOCAL_MACHINE\\Software", "HKEY_CURRENT_USER\\Software"]:
        out = os.path.join(args.work, f"{name}-{hive.split(chr(92))[0]}.reg")
        check(wine(["regedit", "/E", windows_path(out), hive], log) == 0, f"regedit exports {hive} ({name})")
        keys |= {m.group(1) for m in re.finditer(r"^\[([^\]]*)\]", read_reg(out), re.M)}
    return keys


def installed_products(log):
    """Product codes of every installed Kinopod, from the uninstall entries."""
    out = os.path.join(args.work, "uninstall.reg")
    if wine(["regedit", "/E", windows_path(out), UNINSTALL.replace("HKLM", "HKEY_LOCAL_MACHINE")], log) != 0:
        return set()
    codes = set()
    for section in re.split(r"^(?=\[)", read_reg(out), flags=re.M):
        m = re.match(r"\[[^\]]*\\(\{[0-9A-Fa-f-]{36}\})\]", section)
        if m and re.search(r'^"DisplayName"="Kinopod"', section, re.M):
            codes.add(m.group(1).upper())
    return codes


def ours(keys, codes):
    marks = ["kinopod", "podreel"] + [c.strip("{}").lower() for c in codes] + [packed(c).lower() for c in codes]
    return sorted(k for k in keys if any(m in k.lower() for m in marks))


def installed_dir():
    return os.path.join(PREFIX, "drive_c", "Program Files", "Kinopod")


def shortcuts():
    found = []
    for root, _, files in os.walk(os.path.join(PREFIX, "drive_c")):
        found += [os.path.join(root, f) for f in files if f.lower() == "kinopod.lnk"]
    return found


def msiexec(action, target, log):
    return wine(["msiexec", action, target, "/qn"], log)


def check_installed(product_code, version, log):
    entry = reg_values(UNINSTALL + "\\" + product_code, log)
    check(entry is not None, f"an uninstall entry {product_code}")
    entry = entry or {}
    check(entry.get("DisplayName") == "Kinopod", f"its DisplayName {entry.get('DisplayName')!r}")
    check(entry.get("DisplayVersion") == version, f"its DisplayVersion {entry.get('DisplayVersion')!r} is {version}")
    check(entry.get("Publisher") == args.publisher, f"its Publisher {entry.get('Publisher')!r}")
    d = installed_dir()
    for rel in ["podreel.exe", "README.txt", "licences/zlib.txt", "licences/winpthreads.txt"]:
        check(os.path.isfile(os.path.join(d, rel)), f"installed C:\\Program Files\\Kinopod\\{rel}")
    same = os.path.isfile(os.path.join(d, "podreel.exe")) and \
        open(os.path.join(d, "podreel.exe"), "rb").read() == open(args.program, "rb").read()
    check(same, "the installed program is the one the package was built from")
    links = shortcuts()
    # On Windows a per-machine package's ProgramMenuFolder is the all-users
    # menu; Wine's installer always resolves it to the user's (a known gap in
    # its msi), so here the place is only checked to be a Start menu.
    check(len(links) == 1 and "/Start Menu/Programs/" in links[0], f"one Start-menu shortcut ({links})")
    if links:
        body = open(links[0], "rb").read()
        target = "Program Files\\Kinopod\\podreel.exe"
        check(target.encode("utf-16-le") in body or target.encode() in body, f"the shortcut points at {target}")


def check_gone(codes, before_keys, name, log):
    check(not os.path.exists(installed_dir()), "no Program Files\\Kinopod folder left")
    check(shortcuts() == [], "no shortcut left")
    for code in codes:
        check(reg_values(UNINSTALL + "\\" + code, log) is None, f"no uninstall entry {code} left")
    left_products = installed_products(log)
    check(not left_products, f"no Kinopod uninstall entry of any version left {sorted(left_products)}")
    after = registry_keys(name, log)
    left = ours(after, codes)
    check(left == [], "no registry key of ours left" + ("" if not left else ": " + "; ".join(left)))
    new = sorted(after - before_keys)
    print(f"     registry keys new since before the install ({len(new)}, Wine's own caches included):")
    for k in new[:40]:
        print("       " + k)


def run_installed(log):
    program = "C:\\Program Files\\Kinopod\\podreel.exe"
    with open(log, "ab") as out:
        proc = subprocess.Popen([WINE, program], stdout=out, stderr=out, stdin=subprocess.DEVNULL)
    geometry = os.path.join(args.work, "geometry.txt")
    rc = wine_capture([args.e2e_window, "geometry", args.title, "60000"], geometry)
    text = open(geometry, encoding="utf-8", errors="replace").read()
    check(rc == 0 and "client" in text, f"the installed program shows its main window {args.title!r} ({text.strip()})")
    m = re.search(r"client -?\d+ -?\d+ (\d+) (\d+)", text)
    check(bool(m) and int(m.group(1)) > 0 and int(m.group(2)) > 0, "with a client area")
    wine([args.e2e_window, "close", args.title], log)
    try:
        code = proc.wait(timeout=60)
        check(code == 0, f"and closes when asked (exit code {code})")
        # Wine prints this for every unhandled exception, whatever the exit code.
        with open(log, encoding="utf-8", errors="replace") as f:
            crash = re.search(r"^(wine: Unhandled|Unhandled exception:).*$", f.read(), re.M)
        check(not crash, "without a crash" + (f" ({crash.group(0)})" if crash else ""))
    except subprocess.TimeoutExpired:
        proc.kill()
        check(False, "and closes when asked (still running after 60 s)")


def wine_capture(cmd, out_path):
    with open(out_path, "wb") as out:
        return subprocess.run([WINE] + cmd, stdout=out, stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL,
                              timeout=120).returncode


def build_newer(version, product_code):
    lines = open(args.wixl_args, encoding="utf-8").read().splitlines()
    wxs = lines[-1]
    out = os.path.join(args.work, f"Kinopod-{version}.msi")
    subprocess.run(["wixl", "-D", "Version=" + version, "-D", "ProductCode=" + product_code] + lines + ["-o", out],
                   check=True, cwd=os.path.dirname(wxs))
    return out


def main():
    global args
    ap = argparse.ArgumentParser()
    ap.add_argument("--msi", required=True)
    ap.add_argument("--program", required=True, help="the podreel.exe the package holds")
    ap.add_argument("--version", required=True)
    ap.add_argument("--product-code", required=True)
    ap.add_argument("--publisher", required=True)
    ap.add_argument("--wixl-args", required=True)
    ap.add_argument("--e2e-window", required=True)
    ap.add_argument("--title", required=True)
    ap.add_argument("--work", required=True)
    args = ap.parse_args()
    os.makedirs(args.work, exist_ok=True)
    log = os.path.join(args.work, "wine.log")
    open(log, "w").close()
    product = "{" + args.product_code.upper() + "}"

    # A run cut short earlier may have left an installation behind.
    for code in installed_products(log) | {product}:
        msiexec("/x", code, log)
    before = registry_keys("before", log)
    check(ours(before, [product]) == [], "nothing of ours in the registry before the install")

    print("-- install", flush=True)
    check(msiexec("/i", windows_path(args.msi), log) == 0, "msiexec /i exits with 0")
    check_installed(product, args.version, log)
    installed = registry_keys("installed", log)
    found = ours(installed, [product])
    check(len(found) >= 2, f"the install's registry keys are found by the leftover search ({len(found)})")
    run_installed(log)

    print("-- uninstall", flush=True)
    check(msiexec("/x", product, log) == 0, "msiexec /x exits with 0")
    check_gone([product], before, "uninstalled", log)

    print("-- upgrade", flush=True)
    major, minor, patch = (args.version.split(".") + ["0", "0"])[:3]
    newer_version = f"{major}.{minor}.{int(patch) + 1}"
    newer_code = "{" + str(uuid.uuid4()).upper() + "}"
    newer = build_newer(newer_version, newer_code.strip("{}"))
    check(msiexec("/i", windows_path(args.msi), log) == 0, f"{args.version} installs again")
    check(msiexec("/i", windows_path(newer), log) == 0, f"{newer_version} installs over it")
    check(reg_values(UNINSTALL + "\\" + product, log) is None, f"the {args.version} entry is gone")
    check_installed(newer_code, newer_version, log)
    check(msiexec("/x", newer_code, log) == 0, f"{newer_version} uninstalls")
    check_gone([product, newer_code], before, "upgraded-uninstalled", log)

    print(f"msi_install_test: {len(failures)} failure(s); Wine's output in {log}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
