#!/usr/bin/env python3
"""Every text the program shows in Russian has its English translation.

Runs lupdate over the Qt sources into a copy of the translation source and checks that the copy
holds every text with a finished English translation (no Cyrillic left in it), and that the
committed file already held them all: a new text without a translation fails here.

usage: translations_test.py LUPDATE SRC_DIR TS_FILE
"""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

CYRILLIC = re.compile("[\u0400-\u04ff]")


def full_text(element):
    """The element's text with the characters lupdate writes as <byte value="xd"/> put back."""
    if element is None:
        return ""
    text = element.text or ""
    for child in element:
        if child.tag == "byte":
            text += chr(int(child.get("value")[1:], 16))
        text += child.tail or ""
    return text


def messages(ts_file):
    """(context, source) -> (translation text, its type attribute) for every message."""
    found = {}
    for context in ET.parse(ts_file).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            found[(name, full_text(message.find("source")))] = (full_text(translation),
                                                                 translation.get("type", ""))
    return found


def main():
    lupdate, src, ts_file = sys.argv[1], Path(sys.argv[2]), Path(sys.argv[3])
    sources = sorted(str(p) for p in src.glob("*/qt/*.cpp"))
    committed = messages(ts_file)
    failures = []
    with tempfile.TemporaryDirectory() as scratch:
        fresh = Path(scratch) / ts_file.name
        shutil.copy(ts_file, fresh)
        subprocess.run([lupdate, "-silent", "-no-obsolete", "-locations", "none",
                        "-source-language", "ru_RU", "-target-language", "en_US", *sources,
                        "-ts", str(fresh)], check=True)
        current = messages(fresh)
    if not current:
        failures.append("lupdate found no texts to translate")
    for (context, source), (text, kind) in sorted(current.items()):
        where = f"{context}: {source!r}"
        if not CYRILLIC.search(source):
            failures.append(f"{where} is not a Russian source text")
        if (context, source) not in committed:
            failures.append(f"{where} is missing from {ts_file.name}")
        elif kind or not text.strip():
            failures.append(f"{where} has no finished translation")
        elif CYRILLIC.search(text):
            failures.append(f"{where} is translated with Cyrillic letters: {text!r}")
    for key in sorted(set(committed) - set(current)):
        failures.append(f"{key[0]}: {key[1]!r} is no longer in the sources")
    for failure in failures:
        print("FAIL", failure)
    print(f"{len(current)} texts checked")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
