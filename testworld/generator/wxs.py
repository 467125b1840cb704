"""A component's MSI package as a WiX source file for wixl."""

import hashlib
import uuid
from xml.sax.saxutils import quoteattr

# Fixed namespace so component GUIDs stay the same from build to build.
_NAMESPACE = uuid.UUID("6f1c2d3e-4b5a-4c6d-8e7f-9a0b1c2d3e4f")


def _guid(*parts):
    return "{" + str(uuid.uuid5(_NAMESPACE, "|".join(parts))).upper() + "}"


def _ident(prefix, *parts):
    return prefix + hashlib.sha1("|".join(parts).encode()).hexdigest()[:20]


class _Folder:
    def __init__(self, ident, name):
        self.ident, self.name, self.children = ident, name, {}


def build_wxs(package, resolve_source, win64):
    """The .wxs text; resolve_source maps a SOURCE column to a file path."""
    root = _Folder("TARGETDIR", "SourceDir")
    named = {}  # msi-dir id -> folder

    def child(parent, name, ident=None):
        if name not in parent.children:
            parent.children[name] = _Folder(ident or _ident("d", parent.ident, name), name)
        return parent.children[name]

    for dir_id, base, subpath in package.dirs:
        node = child(root, base, base)
        parts = [p for p in subpath.split("\\") if p]
        for index, part in enumerate(parts):
            last = index == len(parts) - 1
            node = child(node, part, dir_id if last else None)
        if not parts:
            node = root.children[base]
        named[dir_id] = node

    components = []  # (folder, xml)
    win64_attr = ' Win64="yes"' if win64 else ""

    def folder_for(dir_id, relpath):
        if dir_id not in named:
            raise ValueError(f"{package.name}: unknown msi-dir {dir_id}")
        node = named[dir_id]
        for part in [p for p in relpath.split("\\") if p]:
            node = child(node, part)
        return node

    for dir_id, relpath, source in package.files:
        parts = relpath.split("\\")
        node = folder_for(dir_id, "\\".join(parts[:-1]))
        key = package.code + "|" + dir_id + "|" + relpath.lower()
        xml = (f'<Component Id="{_ident("c", key)}" Guid="{_guid(key)}"{win64_attr}>'
               f'<File Id="{_ident("f", key)}" Name={quoteattr(parts[-1])} '
               f'Source={quoteattr(resolve_source(source))} KeyPath="yes"/></Component>')
        components.append((node, _ident("c", key), xml))
    for dir_id, relpath in package.folders:
        node = folder_for(dir_id, relpath)
        key = package.code + "|folder|" + dir_id + "|" + relpath.lower()
        xml = f'<Component Id="{_ident("c", key)}" Guid="{_guid(key)}"{win64_attr}><CreateFolder/></Component>'
        components.append((node, _ident("c", key), xml))
    registry_home = child(root, "ProgramFilesFolder", "ProgramFilesFolder")
    for hive, key_path, name, value in package.registry:
        key = package.code + "|reg|" + key_path.lower() + "|" + name.lower()
        name_attr = f" Name={quoteattr(name)}" if name else ""
        xml = (f'<Component Id="{_ident("c", key)}" Guid="{_guid(key)}"{win64_attr}>'
               f'<RegistryValue Root="{hive}" Key={quoteattr(key_path)}{name_attr} Type="string" '
               f'Value={quoteattr(value)} KeyPath="yes"/></Component>')
        components.append((registry_home, _ident("c", key), xml))

    by_folder = {}
    for node, _, xml in components:
        by_folder.setdefault(id(node), []).append(xml)

    # TARGETDIR and the standard folders below it carry no Name of their own.
    def render(node, depth):
        name = f" Name={quoteattr(node.name)}" if depth >= 2 else ""
        if depth == 0:
            name = ' Name="SourceDir"'
        inner = "".join(by_folder.get(id(node), [])) + "".join(render(c, depth + 1) for c in node.children.values())
        return f'<Directory Id="{node.ident}"{name}>{inner}</Directory>'

    root_xml = render(root, 0)

    upgrade = _guid("upgrade", package.code)
    refs = "".join(f'<ComponentRef Id="{ident}"/>' for _, ident, _ in components)
    return ('<?xml version="1.0" encoding="utf-8"?>\n'
            '<Wix xmlns="http://schemas.microsoft.com/wix/2006/wi">'
            f'<Product Id="{package.code}" Name={quoteattr(package.name)} Version="{package.version}" '
            f'Manufacturer="Zephrion test world" UpgradeCode="{upgrade}" Language="1033">'
            '<Package InstallerVersion="200" Compressed="yes" InstallScope="perMachine"/>'
            '<Media Id="1" Cabinet="p.cab" EmbedCab="yes"/>'
            f'{root_xml}<Feature Id="Complete" Level="1">{refs}</Feature></Product></Wix>\n')
