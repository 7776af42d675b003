#!/usr/bin/env python3
"""Adds or replaces texts in the string table resources/i18n/InfoPlist_en.ts.

    scripts/add-text.py KEY TEXT [KEY TEXT ...]

Keys are kept sorted; a lock file serialises concurrent edits.
"""
import fcntl
import os
import sys
import xml.etree.ElementTree as ET

HERE = os.path.dirname(os.path.abspath(__file__))
TS = os.path.join(HERE, "..", "resources", "i18n", "InfoPlist_en.ts")


def main(argv):
    if len(argv) < 2 or len(argv) % 2:
        print(__doc__, file=sys.stderr)
        return 2
    with open(TS + ".lock", "w") as lock:
        fcntl.flock(lock, fcntl.LOCK_EX)
        tree = ET.parse(TS)
        context = tree.getroot().find("context")
        entries = {}
        for m in context.findall("message"):
            entries[m.get("id")] = m.findtext("translation") or ""
            context.remove(m)
        for key, text in zip(argv[0::2], argv[1::2]):
            entries[key] = text
        for key in sorted(entries):
            m = ET.SubElement(context, "message", id=key)
            ET.SubElement(m, "source").text = entries[key]
            ET.SubElement(m, "translation").text = entries[key]
        ET.indent(tree, space="    ")
        with open(TS, "w", encoding="utf-8") as out:
            out.write('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
            tree.write(out, encoding="unicode")
            out.write("\n")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
