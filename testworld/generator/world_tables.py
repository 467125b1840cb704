"""Reading the world description: one table per component.

A table is a text file, one row per line, columns separated by tabs; "#"
starts a comment line. The first column says what the row describes:

  component   NAME                         the catalog row this table stands for
                                           (several lines when one package serves several rows)
  define      NAME  VALUE                  "{NAME}" in later rows becomes VALUE
  serve       PATH  KIND [ARGS...]         a file on the server (PATH from the server root):
                setup                        the setup stub carrying this table's manifest
                msi                          this table's MSI package itself
                logger                       the logger stub
                rtf   TITLE                  a small RTF document
                text  FILE                   world/files/FILE; "{{ZEPHRION_FILE_SERVER}}" in it is
                                             replaced by the server's base address when served
                zip   INNER=CONTENT...       an archive of small text files
                bytes N                      N filler bytes
  msi-product CODE  NAME  VERSION          the table's MSI package
  msi-dir     ID    BASE  [SUBPATH]        an MSI folder: BASE is a standard folder
                                           (ProgramFilesFolder, WindowsVolume, SystemFolder...)
  msi-file    DIRID RELPATH SOURCE         a file in the package; SOURCE is stub:pip,
                                           stub:logger, size:N (filler; equal N share one
                                           source, so copies match in size and time) or
                                           text:CONTENT
  msi-folder  DIRID RELPATH                an empty folder the package creates
  msi-reg     ROOT  KEY  NAME  VALUE       a registry value the package writes (text)
  <verb> ...                               any other row is a setup action (see the
                                           stubs' manifest.h); "extract stub:pip PATH" lays a
                                           stub program down

Every table becomes a manifest for the setup stub; nothing here runs Windows
code.
"""

import os
import re
from dataclasses import dataclass, field

SETUP_VERBS = {
    "reg", "dir", "file", "extract", "uninstaller", "copy", "copytree", "msi",
    "if-ini", "end-if", "exit", "linger", "uninstall-switch", "uninstall-dialogs",
}


@dataclass
class Served:
    path: str
    kind: str
    args: list


@dataclass
class MsiPackage:
    code: str
    name: str
    version: str
    dirs: list = field(default_factory=list)      # (id, base, subpath)
    files: list = field(default_factory=list)     # (dirid, relpath, source)
    folders: list = field(default_factory=list)   # (dirid, relpath)
    registry: list = field(default_factory=list)  # (root, key, name, value)


@dataclass
class Component:
    table: str                      # the table's file name without extension
    names: list = field(default_factory=list)
    served: list = field(default_factory=list)
    msi: MsiPackage = None
    setup_actions: list = field(default_factory=list)  # lists of fields


class TableError(Exception):
    pass


def read_table(path):
    table = os.path.splitext(os.path.basename(path))[0]
    component = Component(table=table)
    defines = {}
    with open(path, encoding="utf-8") as handle:
        for number, line in enumerate(handle, 1):
            line = line.rstrip("\r\n")
            if not line.strip() or line.lstrip().startswith("#"):
                continue
            for name, value in defines.items():
                line = line.replace("{" + name + "}", value)
            fields = line.split("\t")
            kind, args = fields[0], fields[1:]
            where = f"{path}:{number}"
            if kind == "component":
                component.names.append(_need(args, 1, where)[0])
            elif kind == "define":
                name, value = _need(args, 2, where)[:2]
                defines[name] = value
            elif kind == "serve":
                _need(args, 2, where)
                component.served.append(Served(args[0], args[1], args[2:]))
            elif kind == "msi-product":
                code, name, version = _need(args, 3, where)[:3]
                component.msi = MsiPackage(code.upper(), name, version)
            elif kind in ("msi-dir", "msi-file", "msi-folder", "msi-reg"):
                if component.msi is None:
                    raise TableError(f"{where}: {kind} before msi-product")
                if kind == "msi-dir":
                    _need(args, 2, where)
                    component.msi.dirs.append((args[0], args[1], args[2] if len(args) > 2 else ""))
                elif kind == "msi-file":
                    component.msi.files.append(tuple(_need(args, 3, where)[:3]))
                elif kind == "msi-folder":
                    component.msi.folders.append(tuple(_need(args, 2, where)[:2]))
                else:
                    component.msi.registry.append(tuple(_need(args, 4, where)[:4]))
            elif kind in SETUP_VERBS:
                component.setup_actions.append(fields)
            else:
                raise TableError(f"{where}: unknown row kind {kind!r}")
    if re.search(r"\{[A-Za-z0-9_]+\}", "\n".join("\t".join(a) for a in component.setup_actions)):
        raise TableError(f"{path}: an undefined {{NAME}} is left in the setup actions")
    return component


def _need(args, count, where):
    if len(args) < count:
        raise TableError(f"{where}: needs {count} columns after the row kind")
    return args


def read_world(folder):
    components = []
    for name in sorted(os.listdir(folder)):
        if name.endswith(".tsv"):
            components.append(read_table(os.path.join(folder, name)))
    return components
