#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 VodiVudi
# SPDX-License-Identifier: GPL-3.0-or-later
"""Every translation complete and faithful to its source.

The translation files are brought up to date with the sources in a copy, as
`update_translations` would: a text added to the program without its
translation shows there as unfinished. Every translated message keeps its
source's placeholders, its one mnemonic and its markup; English translates
its plurals only.

Usage: translations_check.py LUPDATE SOURCE_DIR
"""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from collections import Counter
from pathlib import Path

PLACEHOLDER = re.compile(r"%L?(?:\d+|n)")
MARKUP = re.compile(r"</?[a-zA-Z][^>]*>")


def mnemonics(text):
    return text.replace("&&", "").count("&")


def problems_of(message, plurals_only):
    source = message.findtext("source") or ""
    translation = message.find("translation")
    kind = translation.get("type") if translation is not None else "missing"
    if plurals_only and message.get("numerus") != "yes":
        return []
    if kind in ("unfinished", "missing"):
        return ["no translation"]
    if kind in ("obsolete", "vanished"):
        return ["no longer in the program"]
    forms = [f.text or "" for f in translation.findall("numerusform")] or [translation.text or ""]
    found = []
    for form in forms:
        if not form.strip() and source.strip():
            found.append("an empty form")
        if Counter(PLACEHOLDER.findall(form)) != Counter(PLACEHOLDER.findall(source)) and not (
            message.get("numerus") == "yes" and "%n" not in source
            and set(PLACEHOLDER.findall(form)) == set(PLACEHOLDER.findall(source))
        ):
            found.append("placeholders %s, not %s" % (sorted(PLACEHOLDER.findall(form)),
                                                      sorted(PLACEHOLDER.findall(source))))
        if mnemonics(form) != mnemonics(source):
            found.append("%d mnemonics, not %d" % (mnemonics(form), mnemonics(source)))
        if Counter(MARKUP.findall(form)) != Counter(MARKUP.findall(source)):
            found.append("markup differs")
        if source.endswith("\n") != form.endswith("\n"):
            found.append("line ending differs")
    return found


def help_problems(root):
    """Each language's help topics: every topic and shared paragraph with words
    of its own translated, with the English file's placement, pages and includes."""
    help_root = root / "src" / "info" / "help"
    english = help_root / "en"
    found = []
    for ts in sorted((root / "translations").glob("hearthwise_*.ts")):
        language = ts.stem.split("_", 1)[1]
        if language == "en":
            continue
        for source in sorted(english.rglob("*.txt")):
            lines = source.read_text(encoding="utf-8").splitlines()
            translated = help_root / language / source.relative_to(english)
            if not translated.exists():
                if any(line.strip() and not line.startswith("@") for line in lines):
                    found.append("help %s: %s is not translated" % (language, translated.name))
                continue
            markup = [line for line in lines if line.startswith("@")]
            theirs = [line for line in translated.read_text(encoding="utf-8").splitlines()
                      if line.startswith("@")]
            if markup != theirs:
                found.append("help %s: %s has other markup" % (language, translated.name))
    return found


def main():
    lupdate, root = sys.argv[1], Path(sys.argv[2])
    failures = []
    with tempfile.TemporaryDirectory() as temp:
        copies = []
        for ts in sorted((root / "translations").glob("*.ts")):
            copy = Path(temp) / ts.name
            shutil.copy(ts, copy)
            copies.append(copy)
        english = [c for c in copies if c.name.endswith("_en.ts")]
        others = [c for c in copies if c not in english]
        common = [lupdate, "-silent", "-locations", "none", str(root / "src")]
        subprocess.run(common + ["-ts"] + [str(c) for c in others], check=True)
        subprocess.run(common + ["-pluralonly", "-ts"] + [str(c) for c in english], check=True)
        for copy in copies:
            tree = ET.parse(copy)
            for context in tree.getroot().iter("context"):
                for message in context.iter("message"):
                    for problem in problems_of(message, copy in english):
                        failures.append("%s: %s | %s: %s" % (copy.name, context.findtext("name"),
                                                              message.findtext("source"), problem))
            if not tree.getroot().findall(".//message"):
                failures.append("%s: no messages" % copy.name)
    failures += help_problems(root)
    for failure in failures:
        print(failure)
    print("%d problems in %d translation files" % (len(failures), len(copies)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
