#!/usr/bin/python3
"""Cuts Qt's own translation of a language down to the texts of Qt's that Tandro shows, for a
program that carries Qt inside it (for Windows, for the web), which has no system Qt's beside it.

    qt_catalog.py LCONVERT QTBASE.qm OUTPUT.qm KEPT...

Keeps the messages of each context named (Qt's classes: QPlatformTheme for a message box's OK,
QLineEdit for a name box's menu, ...), or of each CONTEXT/TEXT named, that one text alone, and writes
them as a catalog of their own, with lconvert; and beside it, as OUTPUT.ts, the texts it kept (of
which the web page takes the characters that its faces draw).
"""

import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET


def main():
    lconvert, qtbase, output, *kept_names = sys.argv[1:]
    kept = output.removesuffix(".qm") + ".ts"
    with tempfile.TemporaryDirectory() as work:
        whole = f"{work}/whole.ts"
        subprocess.run([lconvert, "-i", qtbase, "-of", "ts", "-o", whole], check=True)
        tree = ET.parse(whole)
        root = tree.getroot()
        for context in list(root.iter("context")):
            name = context.findtext("name")
            if name in kept_names:
                continue
            for message in list(context.iter("message")):
                if f"{name}/{message.findtext('source')}" not in kept_names:
                    context.remove(message)
            if not context.findall("message"):
                root.remove(context)
        tree.write(kept, encoding="utf-8", xml_declaration=True)
        subprocess.run([lconvert, "-i", kept, "-of", "qm", "-o", output], check=True)


if __name__ == "__main__":
    main()
