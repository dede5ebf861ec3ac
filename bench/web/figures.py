#!/usr/bin/python3
"""The web page's figures, measured in Debian's headless browsers; each beside its yardstick and
its bound, which it says whether the figure keeps. Not a test: it fails only where it cannot
measure.

    figures.py SITE FLOOR

(with tests/web and packaging/web on PYTHONPATH, in an X server for WebKitGTK, as ./build.sh
bench runs it)

- What a browser fetches to start Tandro from SITE, each file as a host that keeps the site's
  compressed files sends it (brotli, or gzip where a browser or host has no brotli), against the
  same for FLOOR, a page that starts an empty window of the same size with the same Qt, loader
  and link options, the same way: the smallest page of Qt's widgets.
- How long each page takes from being opened to its window drawn, in Chromium, Firefox ESR and
  WebKitGTK: on a computer, the middle of several loads, each in a fresh browser once the machine
  is quiet, taken in turns with FLOOR's; and over a slow line (Chromium as a phone), with the
  page's own timing marks (page.js: download, compile, instantiate, Qt's start, the first frame)
  for each; and a second visit with no connection at all, from what the page keeps on the device.
- Lighthouse's four scores and its metrics for SITE and for FLOOR, on a phone and on a computer
  (with TANDRO_WEB_TOOLS naming the tools that the test command installs).
"""

import os
import statistics
import sys
import threading
import time

import browser
import lighthouse
from tandro_page import TOOLS, front

# The bounds that the page keeps: what it fetches with brotli, in bytes and against the floor,
# and its time to the window against the floor's.
MOST_BYTES = 1_900_000
MOST_BYTES_OVER_FLOOR = 1.05
MOST_TIME_OVER_FLOOR = 1.15

SLOW_LINE = (180_000, 560)  # bytes a second, milliseconds of latency
LOADS = 7  # on a computer, for each page in each browser
SLOW_LOADS = 3  # over the slow line
STEPS = ("download", "downloaded", "compiled", "instantiated", "window-shown", "window-drawn")
MARKS = ("Object.fromEntries(performance.getEntriesByType('mark')"
         ".filter((m) => m.name.startsWith('load:')).map((m) => [m.name.slice(5), m.startTime]))")
FETCHED = ("performance.getEntriesByType('resource').concat(performance.getEntriesByType("
           "'navigation')).map((e) => new URL(e.name).pathname)")


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


class Host(browser.QuietHandler):
    """A host that says nothing of a browser that goes before it has had all it asked for."""

    def copyfile(self, source, destination):
        try:
            super().copyfile(source, destination)
        except (BrokenPipeError, ConnectionResetError):
            pass


def slow_line(bytes_per_second, latency):
    """A host that answers each request latency ms late, and sends what all requests fetch at
    bytes_per_second in all, as over one slow line: the same line for every browser."""
    lock = threading.Lock()
    free = [0.0]  # when the line is next free

    class Handler(Host):
        def handle_one_request(self):
            time.sleep(latency / 1000)
            super().handle_one_request()

        def copyfile(self, source, destination):
            while chunk := source.read(4096):
                with lock:
                    start = max(free[0], time.monotonic())
                    free[0] = start + len(chunk) / bytes_per_second
                time.sleep(max(start - time.monotonic(), 0))
                try:
                    destination.write(chunk)
                except (BrokenPipeError, ConnectionResetError):
                    return  # the browser has gone
    return Handler


BROWSERS = {
    "Chromium": lambda phone: browser.Chromium(browser.ANDROID_PHONE if phone else
                                               browser.COMPUTER),
    "Firefox": lambda phone: browser.Firefox(),
    "WebKitGTK": lambda phone: browser.WebKit(),
}


def visit(folder, engine, line=None, fetched=None):
    """Opens folder's page in a fresh browser (Chromium as a phone over a slow line); the page's
    timing marks, in seconds from its opening, once its window is drawn."""
    handler = slow_line(*line) if line else Host
    with browser.served(folder, handler) as server, BROWSERS[engine](line is not None) as page:
        quiet()
        page.open(server.address + "index.html")
        if not page.wait_for("performance.getEntriesByName('load:window-drawn').length > 0",
                             timeout=300):
            raise RuntimeError("no window showed from %s in %s" % (folder, engine))
        if fetched is not None:
            fetched.update(path.lstrip("/") or "index.html" for path in page.evaluate(FETCHED))
        marks = {step: at / 1000 for step, at in page.evaluate(MARKS).items()}
    # What has been measured so far, as it comes, on the error stream.
    print("  %s, %s%s: %s" % (
        os.path.basename(os.path.normpath(folder)), engine, " over the slow line" if line else "",
        ", ".join("%s %.2f" % (step, marks[step]) for step in STEPS if step in marks)),
        file=sys.stderr, flush=True)
    return marks


def second_visit_offline(folder):
    """The seconds to the window on a second visit, the server stopped: from what was kept."""
    with browser.served(folder, Host) as server, browser.Chromium() as page:
        page.open(server.address + "index.html")
        page.wait_for("performance.getEntriesByName('load:window-drawn').length > 0", timeout=300)
        front(page, 1)
        if not page.wait_for("navigator.serviceWorker.ready.then((r) => r.active != null)",
                             timeout=60):
            raise RuntimeError("the page was not kept")
        page.wait_for("navigator.serviceWorker.controller != null", timeout=30)
        server.stop()
        quiet()
        page.open(server.address + "index.html")
        if not page.wait_for("performance.getEntriesByName('load:window-drawn').length > 0",
                             timeout=300):
            raise RuntimeError("no window showed from what was kept")
        return page.evaluate(MARKS)["window-drawn"] / 1000


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


def kept(figure, bound):
    return "within" if figure <= bound else "OVER"


def middle(visits):
    """Each mark's middle over visits."""
    return {step: statistics.median(marks[step] for marks in visits)
            for step in STEPS if all(step in marks for marks in visits)}


def print_times(title, game, empty):
    ours, floors = middle(game), middle(empty)
    ratio = ours["window-drawn"] / floors["window-drawn"]
    print("  %s: Tandro %.2f s, the empty page %.2f s: %.2f times (%s the bound of %.2f)"
          % (title, ours["window-drawn"], floors["window-drawn"], ratio,
             kept(ratio, MOST_TIME_OVER_FLOOR), MOST_TIME_OVER_FLOOR))
    for name, marks in (("Tandro", ours), ("empty page", floors)):
        print("    %-11s %s" % (name + ":", ", ".join("%s %.2f" % (step, marks[step])
                                                      for step in STEPS if step in marks)))
    print("    (each load's window: Tandro %s s; the empty page %s s)"
          % (", ".join("%.2f" % marks["window-drawn"] for marks in game),
             ", ".join("%.2f" % marks["window-drawn"] for marks in empty)))
    return ratio


def main(site, floor):
    fetched, fetched_by_floor = set(), set()
    computer, slow = {}, {}
    for engine in BROWSERS:
        # The two pages in turns, so that what a machine does meanwhile falls on both alike.
        game, empty = [], []
        for _ in range(LOADS):
            game.append(visit(site, engine, fetched=fetched))
            empty.append(visit(floor, engine, fetched=fetched_by_floor))
        computer[engine] = (game, empty)
        game, empty = [], []
        for _ in range(SLOW_LOADS):
            game.append(visit(site, engine, SLOW_LINE))
            empty.append(visit(floor, engine, SLOW_LINE))
        slow[engine] = (game, empty)
    offline = second_visit_offline(site)

    ours = print_sizes("What a browser fetches to start Tandro, as a host that keeps the site's "
                       "compressed files sends it", sizes(site, fetched))
    empties = print_sizes("The same for the empty window (the floor)",
                          sizes(floor, fetched_by_floor))
    print("  Tandro is %.2f MB above the floor with brotli, %.2f MB with gzip"
          % ((ours[1] - empties[1]) / 1e6, (ours[2] - empties[2]) / 1e6))
    print("  With brotli: %.2f MB (%s the bound of %.2f MB), %.3f times the floor (%s the bound "
          "of %.2f)" % (ours[1] / 1e6, kept(ours[1], MOST_BYTES), MOST_BYTES / 1e6,
                        ours[1] / empties[1], kept(ours[1] / empties[1], MOST_BYTES_OVER_FLOOR),
                        MOST_BYTES_OVER_FLOOR))
    print("From opening the page to its window drawn, the middle of %d loads on a computer and of "
          "%d over a line of %d KB/s with %d ms of latency, each in a fresh browser; then the "
          "middle of each of the page's marks, in seconds:"
          % (LOADS, SLOW_LOADS, SLOW_LINE[0] / 1000, SLOW_LINE[1]))
    for engine in BROWSERS:
        print_times(engine + " on a computer", *computer[engine])
        print_times(engine + (" as a phone" if engine == "Chromium" else "") + " over the slow line",
                    *slow[engine])
    print("A second visit with no connection, from what the page kept: the window after %.2f s"
          % offline)
    if TOOLS:
        print_lighthouse(site, floor)
    return 0


def print_lighthouse(site, floor):
    """Lighthouse's scores and metrics, Tandro's beside the empty window's, on each profile."""
    for profile in lighthouse.PROFILES:
        quiet()
        ours = lighthouse.audit(site, profile)
        quiet()
        empty = lighthouse.audit(floor, profile)
        print("Lighthouse %s on a %s: Tandro, and the empty window (the floor)"
              % (ours["version"], profile))
        for category in lighthouse.CATEGORIES:
            print("  %-26s %8d %8d" % (category, ours["scores"][category],
                                       empty["scores"][category]))
        for metric, name in lighthouse.METRICS.items():
            print("  %-26s %8s %8s" % (name, ours["metrics"][metric][1],
                                       empty["metrics"][metric][1]))


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    start = time.monotonic()
    status = main(sys.argv[1], sys.argv[2])
    print("The figures took %.0f s." % (time.monotonic() - start))
    sys.exit(status)
