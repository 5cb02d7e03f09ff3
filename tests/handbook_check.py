#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 VodiVudi
# SPDX-License-Identifier: GPL-3.0-or-later
"""Every link of the handbook leads somewhere, every picture it shows is there,
and no picture is there that it does not show.

Usage: handbook_check.py GUIDE_DIR (the handbook as built, with its screenshots, or its
source folder in the repository)."""
import html.parser
import pathlib
import sys


class Page(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.ids, self.links, self.images, self.alts = set(), [], [], []

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if "id" in attrs:
            self.ids.add(attrs["id"])
        if tag == "a" and "href" in attrs:
            self.links.append(attrs["href"])
        if tag in ("img", "link") and ("src" in attrs or "href" in attrs):
            self.images.append(attrs.get("src") or attrs.get("href"))
            if tag == "img":
                self.alts.append(attrs.get("alt", ""))


guide = pathlib.Path(sys.argv[1])
page = Page()
page.feed((guide / "index.html").read_text(encoding="utf-8"))
faults = [f"no section {link}" for link in page.links
          if link.startswith("#") and link[1:] not in page.ids]
faults += [f"no file {name}" for name in page.images if not (guide / name).is_file()]
faults += ["a picture without a description" for alt in page.alts if not alt.strip()]
shown = {pathlib.PurePosixPath(name).name for name in page.images}
faults += [f"{picture.name} is shipped but not shown"
           for picture in sorted((guide / "screenshots").glob("*.png")) if picture.name not in shown]
# The pages F1 opens lead to a section that is there.
for leading in sorted(guide.glob("section-*.html")):
    target = leading.stem[len("section-"):]
    if target not in page.ids or f'url=index.html#{target}"' not in leading.read_text(encoding="utf-8"):
        faults.append(f"{leading.name} does not lead to a section of the handbook")
if len(page.links) < 10 or len(page.images) < 5:
    faults.append("the contents or the pictures are missing")
for fault in faults:
    print(f"FAIL [handbook]: {fault}")
sys.exit(1 if faults else 0)
