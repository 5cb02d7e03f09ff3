#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 VodiVudi
# SPDX-License-Identifier: GPL-3.0-or-later
"""The version is written once, in CMake: the Debian changelog's newest entry
(its upstream part), the AppStream description's newest release and the
manual page say the same.

Usage: version_check.py VERSION SOURCE_DIR"""
import pathlib
import re
import sys

version, source = sys.argv[1], pathlib.Path(sys.argv[2])
packaging = source / "packaging"
said = {
    "changelog": re.search(r"^hearthwise \(([^)-]+)-[^)]+\)",
                           (source / "debian" / "changelog").read_text(encoding="utf-8")),
    "metainfo": re.search(r'<release version="([^"]+)"',
                          (packaging / "com.vodivudi.Hearthwise.metainfo.xml")
                          .read_text(encoding="utf-8")),
    "manual page": re.search(r'^\.TH \S+ \S+ "[^"]*" "Hearthwise ([^"]+)"',
                             (packaging / "hearthwise.1").read_text(encoding="utf-8"), re.M),
}
faults = [f"the {where} does not name a version" for where, found in said.items() if not found]
faults += [f"the {where} says {found.group(1)}, CMake {version}"
           for where, found in said.items() if found and found.group(1) != version]
for fault in faults:
    print(f"FAIL [version]: {fault}")
sys.exit(1 if faults else 0)
