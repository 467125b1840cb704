#!/usr/bin/env python3
"""Builds the test world's server tree from the world description.

  generate_world.py --world DIR --files DIR --out DIR --arch i686|x86_64
                    --setup-stub EXE --uninstaller-stub EXE --pip-stub EXE --logger-stub EXE
                    [--wixl wixl] [--catalog-listing FILE]

Writes:
  OUT/root/...            the server tree (URL path = path below root)
  OUT/manifests/T.txt     the manifest of table T (what its setup does), read by tests
  OUT/msi/T.msi           the MSI package of table T
  OUT/served.tsv          every served path with its table

With --catalog-listing (the output of catalog_listing) it also reports every
catalog file the world does not serve yet, and fails when a row the world
claims to cover asks for a file it does not serve or for another kind of
file (an MSI package where the world serves a setup program, or the reverse).
The tree is rebuilt only where its inputs changed, so a rebuild is quick.
"""

import argparse
import hashlib
import io
import os
import shutil
import subprocess
import sys
import zipfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from world_tables import read_world, TableError  # noqa: E402
from wxs import build_wxs  # noqa: E402
import catalog_check  # noqa: E402

PAYLOAD_HEADER = b"ZWPAYLOAD1\n"
TRAILER_MAGIC = b"ZWTRAIL1"
# A fixed time for generated files: the same inputs give the same MSI
# packages and the same file times on the installed computer.
FIXED_TIME = 1598745600  # 2020-08-30


def with_payload(exe_bytes, entries):
    blob = bytearray(PAYLOAD_HEADER)
    for name, data in entries:
        blob += f"{name}\n{len(data)}\n".encode() + data
    return exe_bytes + bytes(blob) + len(exe_bytes).to_bytes(8, "little") + TRAILER_MAGIC


def write_if_changed(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    try:
        with open(path, "rb") as handle:
            if handle.read() == data:
                return False
    except FileNotFoundError:
        pass
    with open(path, "wb") as handle:
        handle.write(data)
    os.utime(path, (FIXED_TIME, FIXED_TIME))
    return True


def filler(size, seed):
    pattern = (f"zephrion test world filler {seed} ").encode()
    return (pattern * (size // len(pattern) + 1))[:size]


def rtf(title):
    escaped = title.replace("\\", "\\\\").replace("{", "\\{").replace("}", "\\}")
    return ("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 "
            f"{{\\b {escaped}}}\\par This page is part of the Zephrion test world.\\par}}\n").encode()


def zip_bytes(entries):
    buffer = io.BytesIO()
    with zipfile.ZipFile(buffer, "w", zipfile.ZIP_DEFLATED) as archive:
        for entry in entries:
            inner, _, content = entry.partition("=")
            info = zipfile.ZipInfo(inner, date_time=(2020, 8, 30, 12, 0, 0))
            info.compress_type = zipfile.ZIP_DEFLATED
            # "@zip:a=x;b=y" nests an archive (a tutorial carries its profile as a zip)
            if content.startswith("@zip:"):
                archive.writestr(info, zip_bytes(content[5:].split(";")))
            else:
                archive.writestr(info, content.replace("\\n", "\n"))
    return buffer.getvalue()


class Generator:
    def __init__(self, args):
        self.args = args
        self.out = os.path.abspath(args.out)
        self.root = os.path.join(self.out, "root")
        self.work = os.path.join(self.out, "work")
        self.stubs = {
            "setup": args.setup_stub, "uninstaller": args.uninstaller_stub,
            "pip": args.pip_stub, "logger": args.logger_stub,
        }
        self.stub_bytes = {}
        self.served = {}  # url path -> (table, kind)

    def stub(self, role):
        if role not in self.stub_bytes:
            with open(self.stubs[role], "rb") as handle:
                self.stub_bytes[role] = handle.read()
        return self.stub_bytes[role]

    def content_file(self, source):
        """A file on disk holding SOURCE (stub:, size:, text:)."""
        kind, _, value = source.partition(":")
        if kind == "stub":
            return os.path.abspath(self.stubs[value])
        if kind == "size":
            path = os.path.join(self.work, "content", f"filler-{int(value)}.bin")
            write_if_changed(path, filler(int(value), value))
            return path
        if kind == "text":
            digest = hashlib.sha1(value.encode()).hexdigest()[:16]
            path = os.path.join(self.work, "content", f"text-{digest}.txt")
            write_if_changed(path, value.replace("\\n", "\r\n").encode() + b"\r\n")
            return path
        raise TableError(f"unknown msi-file source {source!r}")

    def build_msi(self, component):
        wxs_path = os.path.join(self.work, "wxs", component.table + ".wxs")
        # wixl takes sources relative to the .wxs file's folder only.
        wxs_text = build_wxs(component.msi,
                             lambda source: os.path.relpath(self.content_file(source), os.path.dirname(wxs_path)),
                             self.args.arch == "x86_64")
        msi_path = os.path.join(self.out, "msi", component.table + ".msi")
        changed = write_if_changed(wxs_path, wxs_text.encode())
        sources = [self.content_file(s) for _, _, s in component.msi.files]
        stale = changed or not os.path.exists(msi_path) or any(
            os.path.getmtime(s) > os.path.getmtime(msi_path) for s in sources)
        if stale:
            os.makedirs(os.path.dirname(msi_path), exist_ok=True)
            arch = "x64" if self.args.arch == "x86_64" else "x86"
            subprocess.run([self.args.wixl, "-a", arch, "-o", msi_path, os.path.basename(wxs_path)], check=True,
                           cwd=os.path.dirname(wxs_path), stdout=subprocess.DEVNULL)
        with open(msi_path, "rb") as handle:
            return handle.read()

    def manifest(self, component, msi_entry):
        lines = ["# " + ", ".join(component.names or [component.table])]
        if msi_entry:
            lines.append(f"msi\t{msi_entry}\t{component.msi.code}")
        for fields in component.setup_actions:
            lines.append("\t".join(fields))
        return ("\n".join(lines) + "\n").encode("utf-8")

    def setup_payload(self, component, manifest, msi_entry, msi_bytes):
        entries = [("manifest", manifest), ("uninstaller.exe", self.stub("uninstaller"))]
        if msi_entry:
            entries.append((msi_entry, msi_bytes))
        for fields in component.setup_actions:
            if fields[0] == "extract" and fields[1].startswith("stub:"):
                role = fields[1].split(":", 1)[1]
                if all(name != fields[1] for name, _ in entries):
                    entries.append((fields[1], self.stub(role)))
        return with_payload(self.stub("setup"), entries)

    def serve(self, component, served, setup_exe, msi_bytes):
        kind = served.kind
        if kind == "setup":
            data = setup_exe
        elif kind == "msi":
            data = msi_bytes
        elif kind == "logger":
            data = self.stub("logger")
        elif kind == "rtf":
            data = rtf(served.args[0] if served.args else os.path.basename(served.path))
        elif kind == "text":
            with open(os.path.join(self.args.files, served.args[0]), "rb") as handle:
                data = handle.read()
        elif kind == "zip":
            data = zip_bytes(served.args)
        elif kind == "bytes":
            data = filler(int(served.args[0]), served.path)
        else:
            raise TableError(f"{component.table}: unknown serve kind {kind!r}")
        if data is None:
            raise TableError(f"{component.table}: serves {kind} but has no {kind}")
        if served.path in self.served:
            raise TableError(f"{served.path} is served by {self.served[served.path][0]} and {component.table}")
        self.served[served.path] = (component.table, kind)
        write_if_changed(os.path.join(self.root, served.path.lstrip("/")), data)

    def run(self):
        components = read_world(self.args.world)
        for component in components:
            msi_bytes = self.build_msi(component) if component.msi else None
            msi_entry = component.table + ".msi" if msi_bytes else ""
            manifest = self.manifest(component, msi_entry)
            write_if_changed(os.path.join(self.out, "manifests", component.table + ".txt"), manifest)
            needs_setup = any(s.kind == "setup" for s in component.served)
            setup_exe = self.setup_payload(component, manifest, msi_entry, msi_bytes) if needs_setup else None
            for served in component.served:
                self.serve(component, served, setup_exe, msi_bytes)
        self.remove_stale_files()
        listing = "".join(f"{path}\t{table}\t{kind}\n" for path, (table, kind) in sorted(self.served.items()))
        write_if_changed(os.path.join(self.out, "served.tsv"), listing.encode())
        print(f"test world: {len(self.served)} files from {len(components)} tables in {self.root}")
        if self.args.catalog_listing:
            return catalog_check.check(self.args.catalog_listing, components, self.served)
        return 0

    def remove_stale_files(self):
        wanted = {os.path.join(self.root, p.lstrip("/")) for p in self.served}
        for folder, _, files in os.walk(self.root):
            for name in files:
                path = os.path.join(folder, name)
                if path not in wanted:
                    os.remove(path)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[1])
    parser.add_argument("--world", required=True)
    parser.add_argument("--files", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--arch", choices=["i686", "x86_64"], required=True)
    parser.add_argument("--setup-stub", required=True)
    parser.add_argument("--uninstaller-stub", required=True)
    parser.add_argument("--pip-stub", required=True)
    parser.add_argument("--logger-stub", required=True)
    parser.add_argument("--wixl", default=shutil.which("wixl") or "wixl")
    parser.add_argument("--catalog-listing")
    args = parser.parse_args()
    try:
        return Generator(args).run()
    except (TableError, subprocess.CalledProcessError, OSError) as error:
        print(f"test world: {error}", file=sys.stderr)
        return 1


if __name__ == "__main__":
    sys.exit(main())
