#!/usr/bin/python3
"""The web page's figures, measured in Debian's headless Chromium; nothing here is a test bound.

    figures.py SITE FLOOR

- What a browser fetches to start Tandro from SITE, each file as a host that keeps the site's
  compressed files sends it (brotli, or gzip where a browser or host has no brotli), against what
  the first web builds needed.
- How long the page takes from being opened to showing the main window, on a computer (the middle of
  five loads, each in a fresh browser) and on a phone over a slow line, against the same for FLOOR,
  a page that starts an empty window of the same size with the same Qt and loader: nothing opens a
  window in a page sooner.
"""

import os
import statistics
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "tests", "web"))
import browser  # noqa: E402

# Earlier builds, to hold today's against: with Qt 6.4.2, all a browser fetched came to 4.98 MB
# gzipped (6.4 MB with the very first); on a phone at 180 KB/s with 560 ms of latency, the window
# came after 70 s.
GZIPPED_WITH_QT_6_4 = 4.98e6
SLOW_LINE = (180_000, 560)  # bytes a second, milliseconds of latency
SLOW_WITH_QT_6_4 = 70
LOADS = 5
SHOWN = ("[...(document.querySelector('#screen').firstElementChild?.shadowRoot"
         " || document.createDocumentFragment()).querySelectorAll('.qt-window')]"
         ".some((w) => w.offsetParent)")


def seconds_to_window(folder, device=browser.COMPUTER, line=None, fetched=None):
    """Opens folder's index.html in a fresh browser; the seconds until a window shows, and the
    paths the page fetched."""
    with browser.served(folder) as address, browser.Page(device) as page:
        if line:
            page.throttle(*line)
        page.open(address + "index.html")
        if not page.wait_for(SHOWN, 300, 0.02):
            raise RuntimeError("no window showed from " + folder)
        shown = page.evaluate("performance.now()") / 1000
        if fetched is not None:
            fetched.update(path.lstrip("/") or "index.html" for path in page.fetched())
        return shown


def main(site, floor):
    fetched = set()
    game = [seconds_to_window(site, fetched=fetched) for _ in range(LOADS)]
    empty = [seconds_to_window(floor) for _ in range(LOADS)]
    phone = seconds_to_window(site, browser.ANDROID_PHONE, SLOW_LINE)
    phone_floor = seconds_to_window(floor, browser.ANDROID_PHONE, SLOW_LINE)

    print("What a browser fetches to start Tandro, as a host that keeps the site's compressed "
          "files sends it:")
    print("  %-14s %11s %11s %11s" % ("", "bytes", "brotli", "gzip"))
    totals = [0, 0, 0]
    for name in sorted(fetched):
        path = os.path.join(site, name)
        sizes = [os.path.getsize(path)] + [
            os.path.getsize(path + suffix) if os.path.exists(path + suffix)
            else os.path.getsize(path) for suffix in (".br", ".gz")]
        totals = [total + size for total, size in zip(totals, sizes)]
        print("  %-14s %11s %11s %11s" % ((name,) + tuple(f"{size:,}" for size in sizes)))
    print("  in all %.2f MB with brotli, %.2f MB with gzip, against %.2f MB gzipped with Qt 6.4.2"
          % (totals[1] / 1e6, totals[2] / 1e6, GZIPPED_WITH_QT_6_4 / 1e6))
    print("From opening the page to the window shown, on a computer, the middle of %d loads:"
          % LOADS)
    print("  Tandro %.2f s, an empty window (the floor) %.2f s: %.2f times the floor"
          % (statistics.median(game), statistics.median(empty),
             statistics.median(game) / statistics.median(empty)))
    print("  (Tandro %s s; the empty window %s s)"
          % (", ".join("%.2f" % t for t in game), ", ".join("%.2f" % t for t in empty)))
    print("On a phone at %d KB/s with %d ms of latency: Tandro %.1f s, the floor %.1f s (%.2f "
          "times); with Qt 6.4.2, %d s" % (SLOW_LINE[0] / 1000, SLOW_LINE[1], phone, phone_floor,
                                           phone / phone_floor, SLOW_WITH_QT_6_4))
    return 0


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    start = time.monotonic()
    status = main(sys.argv[1], sys.argv[2])
    print("The figures took %.0f s." % (time.monotonic() - start))
    sys.exit(status)
