#!/usr/bin/python3
"""The web page's figures, measured in Debian's headless Chromium; nothing here is a test bound.

    figures.py SITE FLOOR

(with tests/web and packaging/web on PYTHONPATH, as ./build.sh test runs it)

- What a browser fetches to start Tandro from SITE, each file as a host that keeps the site's
  compressed files sends it (brotli, or gzip where a browser or host has no brotli), against the
  same for FLOOR, a page that starts an empty window of the same size with the same Qt, loader
  and link options: the smallest page of Qt's widgets.
- How long the page takes from being opened to showing the main window, drawn, on a computer (the
  middle of nine loads, each in a fresh browser once the machine is quiet, taken in turns with
  FLOOR's) and on a phone over a slow line, against the same for FLOOR; and on a second visit with
  no connection at all, from what the page keeps on the device.
"""

import os
import statistics
import sys
import time

import browser
from tandro_page import QT, front

SLOW_LINE = (180_000, 560)  # bytes a second, milliseconds of latency
LOADS = 9
SHOWN = "[...%s.querySelectorAll('.qt-window')].some((w) => w.offsetParent)" % QT
# Notes when the page first shows a window, drawn: in each animation frame it looks for one, and
# once there is one, the time when that frame's work is done, Qt's drawing of the window included.
# (A look from outside the page would come before Qt's drawing or after it, as the browser orders
# its tasks.)
WATCH = """(() => {
    const watch = () => {
        if (%s)
            setTimeout(() => { window.windowDrawn = performance.now(); });
        else
            requestAnimationFrame(watch);
    };
    requestAnimationFrame(watch);
})();""" % SHOWN


def processor_busy(seconds=0.1):
    """The share of the machine's processor time that went on work over the next seconds."""
    def times():
        with open("/proc/stat", encoding="ascii") as stat:
            counts = [int(count) for count in stat.readline().split()[1:]]
        return sum(counts), counts[3] + counts[4]  # all, and idle or waiting for input
    total, idle = times()
    time.sleep(seconds)
    now_total, now_idle = times()
    return 1 - (now_idle - idle) / max(now_total - total, 1)


def quiet(share=0.15, timeout=10):
    """Waits, for timeout seconds at most, until the machine is all but idle: a browser just
    started is still setting itself up for most of a second, and would otherwise fall on the
    page's start at random."""
    browser.until(lambda: processor_busy() < share, timeout, 0)


def watch(page):
    """Has page note, in every page that it opens from now on, when a window shows, drawn."""
    page.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": WATCH})


def seconds_to_window(page, address):
    """Opens address in a watched page; the seconds until a window shows, drawn."""
    page.open(address + "index.html")
    drawn = page.wait_for("window.windowDrawn", timeout=300)
    if not drawn:
        raise RuntimeError("no window showed from " + address)
    return drawn / 1000


def visit(folder, device=browser.COMPUTER, line=None, fetched=None):
    """Opens folder's page in a fresh browser; the seconds until a window shows, drawn."""
    with browser.served(folder) as server, browser.Chromium(device) as page:
        watch(page)
        if line:
            page.throttle(*line)
        quiet()
        shown = seconds_to_window(page, server.address)
        if fetched is not None:
            fetched.update(path.lstrip("/") or "index.html" for path in page.fetched())
        return shown


def second_visit_offline(folder):
    """The seconds to the window on a second visit, the server stopped: from what was kept."""
    with browser.served(folder) as server, browser.Chromium() as page:
        watch(page)
        seconds_to_window(page, server.address)
        front(page, 1)
        if not page.wait_for("navigator.serviceWorker.ready.then((r) => r.active != null)",
                             timeout=60):
            raise RuntimeError("the page was not kept")
        page.wait_for("navigator.serviceWorker.controller != null", timeout=30)
        server.stop()
        quiet()
        return seconds_to_window(page, server.address)


def sizes(folder, names):
    """Each file's size as it is, with brotli and with gzip (as it is where it has no copy). A
    name that the folder has no file of, as the favicon.ico that a browser asks for of a page that
    names no icon, is left out."""
    table = {}
    for name in sorted(names):
        path = os.path.join(folder, name)
        if not os.path.isfile(path):
            continue
        table[name] = [os.path.getsize(path)] + [
            os.path.getsize(path + suffix) if os.path.exists(path + suffix)
            else os.path.getsize(path) for suffix in (".br", ".gz")]
    return table


def print_sizes(title, table):
    print("%s:" % title)
    print("  %-24s %11s %11s %11s" % ("", "bytes", "brotli", "gzip"))
    for name, row in table.items():
        print("  %-24s %11s %11s %11s" % ((name,) + tuple(f"{size:,}" for size in row)))
    totals = [sum(row[column] for row in table.values()) for column in range(3)]
    print("  in all %.2f MB with brotli, %.2f MB with gzip" % (totals[1] / 1e6, totals[2] / 1e6))
    return totals


def main(site, floor):
    fetched, fetched_by_floor = set(), set()
    # The two pages in turns, so that what a machine does meanwhile falls on both alike.
    game, empty = [], []
    for _ in range(LOADS):
        game.append(visit(site, fetched=fetched))
        empty.append(visit(floor, fetched=fetched_by_floor))
    phone = visit(site, browser.ANDROID_PHONE, SLOW_LINE)
    phone_floor = visit(floor, browser.ANDROID_PHONE, SLOW_LINE)
    offline = second_visit_offline(site)

    ours = print_sizes("What a browser fetches to start Tandro, as a host that keeps the site's "
                       "compressed files sends it", sizes(site, fetched))
    empties = print_sizes("The same for the empty window (the floor)",
                          sizes(floor, fetched_by_floor))
    print("  Tandro is %.2f MB above the floor with brotli, %.2f MB with gzip"
          % ((ours[1] - empties[1]) / 1e6, (ours[2] - empties[2]) / 1e6))
    print("From opening the page to the window shown and drawn, on a computer, the middle of %d "
          "loads:" % LOADS)
    print("  Tandro %.2f s, an empty window (the floor) %.2f s: %.2f times the floor"
          % (statistics.median(game), statistics.median(empty),
             statistics.median(game) / statistics.median(empty)))
    print("  (Tandro %s s; the empty window %s s)"
          % (", ".join("%.2f" % t for t in game), ", ".join("%.2f" % t for t in empty)))
    print("On a phone at %d KB/s with %d ms of latency: Tandro %.1f s, the floor %.1f s (%.2f "
          "times)" % (SLOW_LINE[0] / 1000, SLOW_LINE[1], phone, phone_floor, phone / phone_floor))
    print("A second visit with no connection, from what the page kept: the window after %.2f s"
          % offline)
    return 0


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    start = time.monotonic()
    status = main(sys.argv[1], sys.argv[2])
    print("The figures took %.0f s." % (time.monotonic() - start))
    sys.exit(status)
