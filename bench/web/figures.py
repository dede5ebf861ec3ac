#!/usr/bin/python3
"""The web page's figures, measured in Debian's headless Chromium; nothing here is a test bound.

    figures.py SITE FLOOR

- What a browser fetches to start Tandro from SITE, each file as a server sends it compressed
  (gzip -9), against the 6.4 MB that the first web build needed.
- How long the page takes from being opened to showing the main window, the middle of five loads
  in a fresh browser each, against the same for FLOOR, a page that starts an empty window of the
  same size with the same Qt and loader: nothing opens a window in a page sooner.
"""

import gzip
import os
import statistics
import sys
import time
import urllib.parse

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "tests", "web"))
import browser  # noqa: E402

WINDOW = (239, 239, 239)  # a window's background
YARDSTICK = 6.4e6  # the first web build: tandro.wasm 6.35 MB and tandro.js 59 KB, gzipped
LOADS = 5


def seconds_to_window(folder, fetched=None):
    """Opens folder's index.html in a fresh browser; the seconds until a window shows in the
    middle of the page, and the paths the page fetched."""
    with browser.served(folder) as address, browser.Page() as page:
        page.send("Network.enable")
        start = time.monotonic()
        page.open(address + "index.html")
        page.wait_for("location.href.startsWith('http')")
        while time.monotonic() - start < 60:
            # A strip across the middle of the page, where both windows show their background
            # from one side to the other.
            strip = page.screenshot(clip=(0, 296, 800, 8))
            if strip.runs(WINDOW, 250):
                shown = time.monotonic() - start
                break
        else:
            raise RuntimeError("no window showed from " + folder)
        if fetched is not None:
            fetched.update(urllib.parse.urlparse(url).path.lstrip("/") or "index.html"
                           for url in page.requests())
        return shown


def main(site, floor):
    fetched = set()
    game = [seconds_to_window(site, fetched) for _ in range(LOADS)]
    empty = [seconds_to_window(floor) for _ in range(LOADS)]

    print("What a browser fetches to start Tandro, compressed as a server sends it (gzip -9):")
    total = 0
    for name in sorted(fetched):
        with open(os.path.join(site, name), "rb") as file:
            data = file.read()
        packed = len(gzip.compress(data, 9, mtime=0))
        total += packed
        print("  %-14s %11s bytes, %11s compressed" % (name, f"{len(data):,}", f"{packed:,}"))
    print("  in all %s bytes: %.2f MB against the %.1f MB of the first web build (%.0f %%)"
          % (f"{total:,}", total / 1e6, YARDSTICK / 1e6, 100 * total / YARDSTICK))
    print("From opening the page to the window shown, the middle of %d loads:" % LOADS)
    print("  Tandro %.2f s, an empty window (the floor) %.2f s: %.2f times the floor"
          % (statistics.median(game), statistics.median(empty),
             statistics.median(game) / statistics.median(empty)))
    print("  (Tandro %s s; the empty window %s s)"
          % (", ".join("%.2f" % t for t in game), ", ".join("%.2f" % t for t in empty)))
    return 0


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1], sys.argv[2]))
