#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Vantik developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the catalogs in translations/ against the code and themselves.

Each catalog must be what lupdate makes of the code (no text missing, none
left over, every translator comment current), every entry finished, with a
translator comment, the same placeholders as its source text and every
plural form filled, and no raw line feed: a line break in a message is the
game's own two characters backslash and n.

The desktop entry's and the metainfo's catalogs in po/ must be what
po/update.cmake makes of the two files, with no fuzzy entry: the build
leaves those out, so a changed English text would lose its translations.
"""
import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%(\d|n)")


def placeholders(text):
    return sorted(set(PLACEHOLDER.findall(text or "")))


def entry_faults(context, message):
    source = message.findtext("source")
    where = "%s: %r" % (context, source)
    faults = []
    translation = message.find("translation")
    if translation.get("type"):
        faults.append("%s is %s" % (where, translation.get("type")))
    if not (message.findtext("extracomment") or "").strip():
        faults.append("%s has no translator comment" % where)
    if message.get("numerus") == "yes":
        forms = [form.text or "" for form in translation.findall("numerusform")]
        if "n" not in placeholders(source):
            faults.append("%s counts without %%n" % where)
    else:
        forms = [translation.text or ""]
    for form in forms:
        if not form.strip():
            faults.append("%s has an empty translation" % where)
        if placeholders(form) != placeholders(source):
            faults.append("%s: %r has placeholders %s, the source %s"
                          % (where, form, placeholders(form), placeholders(source)))
    for text in [source] + forms:
        if "\n" in text or "\r" in text:
            faults.append("%s: %r holds a raw line break" % (where, text))
    return faults


def stale(kept, made, target):
    """A fault when the file kept in the tree is not the one just made."""
    with open(kept, "rb") as old, open(made, "rb") as new:
        if old.read() == new.read():
            return []
    diff = subprocess.run(["diff", "-u", kept, made], capture_output=True, text=True).stdout
    return ["%s is not current (cmake --build <build> --target %s):\n%s"
            % (os.path.basename(kept), target, diff[:4000])]


def po_faults(cmake, po):
    faults = []
    with tempfile.TemporaryDirectory() as scratch:
        fresh = os.path.join(scratch, "po")
        shutil.copytree(po, fresh)
        subprocess.run([cmake, "-DSOURCE_DIR=" + os.path.dirname(po), "-DPO_DIR=" + fresh,
                        "-P", os.path.join(po, "update.cmake")], check=True, stdout=subprocess.DEVNULL)
        made = sorted(name for name in os.listdir(fresh) if name.endswith((".po", ".pot")))
        if not any(name.endswith(".po") for name in made):
            faults.append("po/LINGUAS names no language")
        for name in made:
            kept = os.path.join(po, name)
            if not os.path.exists(kept):
                faults.append("po/%s is missing (cmake --build <build> --target update_po)" % name)
                continue
            faults += stale(kept, os.path.join(fresh, name), "update_po")
            if name.endswith(".po"):
                with open(kept, encoding="utf-8") as catalog:
                    faults += ["po/%s has a fuzzy entry:\n%s" % (name, entry)
                               for entry in catalog.read().split("\n\n")
                               if re.search(r"^#,.*\bfuzzy\b", entry, re.M)]
    return faults


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--lupdate", required=True)
    parser.add_argument("--source", required=True, help="the folder lupdate reads")
    parser.add_argument("--cmake", required=True, help="the cmake that runs po/update.cmake")
    parser.add_argument("--po", required=True, help="the desktop texts' catalogs")
    parser.add_argument("catalogs", nargs="+")
    parser.add_argument("--options", nargs=argparse.REMAINDER, default=[])
    args = parser.parse_args()

    faults = []
    entries = 0
    with tempfile.TemporaryDirectory() as scratch:
        for catalog in args.catalogs:
            name = os.path.basename(catalog)
            fresh = os.path.join(scratch, name)
            shutil.copyfile(catalog, fresh)
            subprocess.run([args.lupdate] + args.options + [args.source, "-ts", fresh], check=True,
                           stdout=subprocess.DEVNULL)
            faults += stale(catalog, fresh, "update_translations")
            for context in ET.parse(catalog).getroot().iter("context"):
                for message in context.iter("message"):
                    entries += 1
                    faults += ["%s: %s" % (name, fault)
                               for fault in entry_faults(context.findtext("name"), message)]
    faults += po_faults(args.cmake, args.po)
    # An empty or unread catalog must not pass.
    if entries < 100:
        faults.append("only %d entries in %s" % (entries, ", ".join(args.catalogs)))
    for fault in faults:
        print(fault, file=sys.stderr)
    print("%d catalog(s), %d entries, %d fault(s)" % (len(args.catalogs), entries, len(faults)))
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
