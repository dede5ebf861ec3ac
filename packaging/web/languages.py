#!/usr/bin/python3
"""Makes what the web page needs of each language that Tandro speaks besides English: the page's
own texts in it, and the faces that draw its characters in the windows, cut down to those.

    languages.py TEMPLATE FOLDER [--face FILE CHARACTERS]... [--translation NAME TS [QT_TS]]...

Each --face is a face that the windows are drawn in on the web (platform/faces.txt's web files),
the windows' own first, with the characters that the program carries of it already
("U+0020-007E,U+00A0-00FF", or "-" for none: a face for scripts that only a language needs). Each
--translation is a language, with Tandro's translation of it and the part of Qt's that the
program carries.

For each language, each face that has characters of its texts beyond those the program carries of
it is cut down to those and these together, into FOLDER/faces/NAME/, to stand in for the program's
own copy, and each face for scripts to the characters that the windows' own face lacks; and
FOLDER/languages.js, from TEMPLATE (languages.js.in), says for every language its tag, its
direction, the page's texts by their English, and its faces with their digests:
    {"de": {"lang": "de", "dir": "ltr", "texts": {...}, "faces": [{"file": ..., ...}]}}
"""

import argparse
import base64
import hashlib
import json
import logging
import os
import unicodedata
import xml.etree.ElementTree as ET

from fontTools import subset
from fontTools.ttLib import TTFont

# The contexts of the texts that the page shows itself (the rest, the program draws).
PAGE_CONTEXTS = ("Page", "QWasmAccessibility")
# The contexts of texts that a terminal or a desktop shows, never the page's windows.
ELSEWHERE = ("StartUp", "Tandro")


def characters(ranges):
    """The characters of "U+0020-007E,U+00A0-00FF"; none of "-"."""
    kept = set()
    for part in ranges.split(",") if ranges != "-" else []:
        first, _, last = part.removeprefix("U+").partition("-")
        kept.update(range(int(first, 16), int(last or first, 16) + 1))
    return kept


def texts(ts):
    """The translations of a Qt Linguist file, as {context: {source: translation}}."""
    catalog = {}
    for context in ET.parse(ts).getroot().iter("context"):
        messages = catalog.setdefault(context.findtext("name"), {})
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation is None:
                continue
            forms = [form.text or "" for form in translation.iter("numerusform")]
            messages[message.findtext("source")] = forms or [translation.text or ""]
    return catalog


def integrity(path):
    with open(path, "rb") as file:
        return "sha256-" + base64.b64encode(hashlib.sha256(file.read()).digest()).decode()


def main():
    # (fontTools says of each table that it drops, as the cut-down faces need none of them.)
    logging.getLogger("fontTools.subset").setLevel(logging.ERROR)
    parser = argparse.ArgumentParser()
    parser.add_argument("template")
    parser.add_argument("folder")
    parser.add_argument("--face", nargs=2, action="append", default=[])
    parser.add_argument("--translation", nargs="+", action="append", default=[])
    arguments = parser.parse_args()

    faces = []
    for path, ranges in arguments.face:
        font = TTFont(path, fontNumber=0, lazy=True)
        faces.append((path, characters(ranges), set(font.getBestCmap())))
        font.close()

    languages = {}
    for name, *catalogs in arguments.translation:
        drawn, page = set(), {}
        for ts in catalogs:
            for context, messages in texts(ts).items():
                if context in PAGE_CONTEXTS:
                    page.setdefault(context, {}).update(
                        (source, forms[0]) for source, forms in messages.items())
                elif context not in ELSEWHERE:
                    drawn.update(ord(c) for forms in messages.values() for form in forms
                                 for c in form)
        # Written from the right where its texts are in a script written so (Arabic).
        right_to_left = any(unicodedata.bidirectional(chr(c)) in ("R", "AL") for c in drawn)
        # A face that the program carries gets the characters of the language that it has; a
        # face for scripts, those that the windows' own face lacks.
        elsewhere = drawn - faces[0][2]
        own_faces = []
        for path, carried, has in faces:
            wanted = (drawn & has) - carried if carried else elsewhere & has
            if not wanted:
                continue
            folder = os.path.join(arguments.folder, "faces", name)
            os.makedirs(folder, exist_ok=True)
            output = os.path.join(folder, os.path.basename(path).replace(".ttc", ".ttf"))
            options = subset.Options()
            options.hinting = False
            options.font_number = 0
            font = subset.load_font(path, options)
            subsetter = subset.Subsetter(options)
            subsetter.populate(unicodes=sorted(carried | wanted))
            subsetter.subset(font)
            subset.save_font(font, output, options)
            relative = os.path.relpath(output, arguments.folder)
            own_faces.append({"file": relative, "integrity": integrity(output)})
        languages[name] = {
            "lang": name.replace("_", "-"),
            "dir": "rtl" if right_to_left else "ltr",
            "texts": page,
            "faces": own_faces,
        }

    with open(arguments.template, encoding="utf-8") as template:
        script = template.read().replace("@LANGUAGES@", json.dumps(
            languages, ensure_ascii=False, indent=1, sort_keys=True).replace("\n", "\n    "))
    with open(os.path.join(arguments.folder, "languages.js"), "w", encoding="utf-8") as output:
        output.write(script)


if __name__ == "__main__":
    main()
