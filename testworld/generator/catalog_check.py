"""Compares the catalog (as printed by catalog_listing) with the served world.

The listing is one header line, then one tab-separated line per catalog row:
group, name, serverPath, fileName, installArguments, downloadFolder,
isMsiPackage (0/1), installedBy. A row with an empty serverPath downloads
nothing; it is the download path without the server's base address.

Rows whose file the world does not serve yet are reported and accepted (the
world grows component by component). A failure is a row the world claims to
cover (a "component" line of some table) whose file is not served, or is served
as the other kind of file. Tables naming rows the listing does not have are
noted (a listing may be partial).
"""

import sys

COLUMNS = ["group", "name", "serverPath", "fileName", "installArguments",
           "downloadFolder", "isMsiPackage", "installedBy"]


def read_listing(path):
    rows = []
    with open(path, encoding="utf-8", errors="replace") as handle:
        lines = handle.read().splitlines()
    for number, line in enumerate(lines[1:], 2):
        if not line.strip():
            continue
        fields = line.split("\t")
        if len(fields) < len(COLUMNS):
            raise ValueError(f"{path}:{number}: {len(fields)} columns, expected {len(COLUMNS)}")
        rows.append(dict(zip(COLUMNS, fields)))
    return rows


def url_path(row):
    """serverPath is the whole download path; a folder (ending in "/") takes the file name."""
    path = row["serverPath"]
    if path.endswith("/"):
        path += row["fileName"]
    return path


def check(listing_path, components, served, out=sys.stdout):
    try:
        rows = read_listing(listing_path)
    except (OSError, ValueError) as error:
        print(f"catalog check: {error}", file=out)
        return 1
    covered = {name: c.table for c in components for name in c.names}
    catalog_names = {row["name"] for row in rows}
    problems, missing = [], []
    with_files = 0
    for row in rows:
        path = url_path(row)
        if not path:
            continue
        with_files += 1
        if not path.startswith("/zephrion/"):
            problems.append(f"{row['name']}: server path outside /zephrion/: {path}")
            continue
        if path in served:
            table, kind = served[path]
            is_msi = row["isMsiPackage"].strip() == "1"
            if is_msi != (kind == "msi"):
                problems.append(f"{row['name']}: the catalog expects {'an MSI package' if is_msi else 'a program'}"
                                f" but table {table} serves {kind} at {path}")
        elif row["name"] in covered:
            problems.append(f"{row['name']}: table {covered[row['name']]} covers this row but {path} is not served")
        else:
            missing.append(f"{row['group']}\t{row['name']}\t{path}")
    unknown = [f"table {table} names {name!r}, which the listing does not have"
               for name, table in sorted(covered.items()) if name not in catalog_names]
    print(f"catalog check: {with_files} catalog rows download a file; "
          f"{with_files - len(missing)} are served, {len(missing)} not served yet", file=out)
    for line in missing:
        print(f"not served yet: {line}", file=out)
    for line in unknown:
        print(f"note: {line}", file=out)
    for line in problems:
        print(f"MISMATCH: {line}", file=out)
    return 1 if problems else 0
