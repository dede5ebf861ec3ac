"""Tandro's page kept on the device by its service worker, in Chromium: a second visit with no
connection at all plays whole games, and says that it plays from what was kept; a new build of the
site takes the place of the old one, whole, on the next visit."""

import os
import subprocess
import unittest

import browser
from tandro_page import KEPT, PageTest, front, kept, play, result

HERE = os.path.dirname(os.path.abspath(__file__))
TEMPLATES = os.path.join(HERE, "..", "..", "packaging", "web")
# The site's files, as the service worker keeps them.
FILES = sorted(["/" + name for name in (
    "index.html", "page.css", "page.js", "qtloader.js", "tandro.js", "tandro.wasm", "heart.svg",
    "heart-32.png", "manifest.webmanifest", "heart-192.png", "heart-512.png",
    "heart-maskable-512.png", "heart-touch-180.png")])


def build_of(folder):
    """The build that the site in folder is, as its service worker names it."""
    with open(os.path.join(folder, "sw.js")) as worker:
        return next(line.split('"')[1] for line in worker if line.startswith("const BUILD"))


def rebuild(folder):
    """Makes the site in folder another build, as a new version of the page would: its style
    changes, and the site is finished anew (its digests, its build, its compressed copies)."""
    with open(os.path.join(folder, "page.css"), "a") as style:
        style.write("/* another build */\n")
    version = build_of(folder).rsplit("-", 1)[0]
    subprocess.run(["cmake", "-DCMAKE_INSTALL_PREFIX=" + folder, "-DPROJECT_NAME=Tandro",
                    "-DPROJECT_VERSION=" + version, "-DTANDRO_WEB_PROGRAM=tandro",
                    "-DTEMPLATES=" + TEMPLATES, "-DBROTLI=brotli", "-DGZIP=gzip",
                    "-P", os.path.join(TEMPLATES, "site.cmake")],
                   check=True, env={**os.environ, "DESTDIR": ""}, stdout=subprocess.DEVNULL)


class KeptTest(PageTest):
    """What every browser does offline: see test_engines.py."""

    def first_visit(self, server=None):
        """Opens the page, and waits for the site to be kept: the files of one build."""
        self.open(server)
        self.assertTrue(front(self.page, 1), "the window shows")
        self.assertTrue(self.page.wait_for("navigator.serviceWorker.ready.then(() => true)",
                                           timeout=30), "a service worker keeps the site")
        self.assertTrue(self.page.wait_for("navigator.serviceWorker.controller != null",
                                           timeout=30), "and serves the page")
        return self.page.wait_for("(async () => { const k = await %s; return Object.keys(k)"
                                  ".length == 1 && JSON.stringify(Object.values(k)[0]) == "
                                  "JSON.stringify(args[0]) && k; })()" % KEPT, FILES, timeout=30)

    def assertPlaysWithNoConnection(self, picture=None):
        """The server stopped, the page opened again plays a game, and says it plays from what
        was kept."""
        self.assertTrue(self.first_visit(), "the site's files are kept, those of one build")
        self.server.stop()
        self.open()
        main = front(self.page, 1)
        self.assertTrue(main, "with no connection, the window shows")
        self.assertTrue(self.page.wait_for("!document.getElementById('kept').hidden", timeout=10),
                        "and the page says it plays from what was kept")
        if picture:
            self.shot(picture)
        play(self.page, main, "Ram", "Sita")
        self.assertTrue(result(self.page, "The result is Hates."), "a whole game is played")


class Offline(KeptTest):
    def test_the_second_visit_plays_with_no_connection(self):
        self.assertPlaysWithNoConnection("web-offline.png")

    def test_a_new_build_takes_the_place_of_the_old_whole(self):
        site = self.copy_of_site()
        with browser.served(site) as server:
            old = build_of(site)
            self.assertEqual(list(self.first_visit(server)), ["tandro-" + old])
            rebuild(site)
            new = build_of(site)
            self.assertNotEqual(new, old)
            # The next visit starts from what was kept, and keeps the new build in its place.
            self.open(server)
            self.assertTrue(front(self.page, 1), "the window shows")
            self.assertTrue(self.page.wait_for(
                "caches.keys().then((names) => names.join() == args[0])", "tandro-" + new,
                timeout=60), "the new build's cache alone is left: %s" % kept(self.page))
            self.assertEqual(kept(self.page), {"tandro-" + new: FILES})
            self.assertIn("another build", self.page.evaluate(
                "caches.match('page.css').then((r) => r.text())"))
            # And the visit after it plays the new build.
            self.open(server)
            self.assertTrue(front(self.page, 1), "the window shows")
            self.assertIn("another build", self.page.evaluate(
                "fetch('page.css').then((r) => r.text())"))


if __name__ == "__main__":
    unittest.main()
