"""Tandro's page kept on the device by its service worker, in Chromium: a second visit with no
connection at all plays whole games, and says that it plays from what was kept; a new build of the
site takes the place of the old one, whole, on the next visit; two copies of the site on one host
each keep their own."""

import os
import shutil
import subprocess
import tempfile
import unittest

import browser
from tandro_page import KEPT, SITE, PageTest, front, kept, play, result

HERE = os.path.dirname(os.path.abspath(__file__))
TEMPLATES = os.path.join(HERE, "..", "..", "packaging", "web")
# The site's files, as the service worker keeps them.
FILES = sorted(["/" + name for name in (
    "index.html", "page.css", "page.js", "qtloader.js", "tandro.js", "start.js", "tandro.wasm",
    "heart.svg",
    "heart-32.png", "manifest.webmanifest", "heart-192.png", "heart-512.png",
    "heart-maskable-512.png", "heart-touch-180.png")])


def build_of(folder):
    """The build that the site in folder is, as its service worker names it."""
    with open(os.path.join(folder, "sw.js")) as worker:
        return next(line.split('"')[1] for line in worker if line.startswith("const BUILD"))


def cache(server, build, folder=""):
    """The name of the cache that keeps build of the site at folder of server."""
    return "tandro %s%s %s" % (server.address, folder, build)


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

    def first_visit(self, server=None, folder=""):
        """Opens the page at folder of the host, and waits for the site to be kept: the files of
        one build, in a cache of its own. What is kept, every site's caches."""
        server = server or self.server
        self.open(server, folder)
        self.assertTrue(front(self.page, 1), "the window shows")
        self.assertTrue(self.page.wait_for("navigator.serviceWorker.ready.then(() => true)",
                                           timeout=30), "a service worker keeps the site")
        self.assertTrue(self.page.wait_for("navigator.serviceWorker.controller != null",
                                           timeout=30), "and serves the page")
        return self.page.wait_for(
            "(async () => { const k = await %s; const ours = Object.keys(k).filter((name) =>"
            " name.startsWith(args[1])); return ours.length == 1 && JSON.stringify(k[ours[0]])"
            " == JSON.stringify(args[0]) && k; })()" % KEPT,
            ["/" + folder + name[1:] for name in FILES], cache(server, "", folder), timeout=30)

    def assertPlaysWithNoConnection(self, picture=None):
        """The server stopped, the page opened again plays a game, and says it plays from what
        was kept."""
        self.assertTrue(self.first_visit(), "the site's files are kept, those of one build")
        self.server.stop()
        self.assertPlaysFromWhatWasKept(self.server, "", picture)

    def assertPlaysFromWhatWasKept(self, server, folder, picture=None):
        self.open(server, folder)
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
            self.assertEqual(list(self.first_visit(server)), [cache(server, old)])
            rebuild(site)
            new = build_of(site)
            self.assertNotEqual(new, old)
            # The next visit starts from what was kept, and keeps the new build in its place.
            self.open(server)
            self.assertTrue(front(self.page, 1), "the window shows")
            self.assertTrue(self.page.wait_for(
                "caches.keys().then((names) => names.join() == args[0])", cache(server, new),
                timeout=60), "the new build's cache alone is left: %s" % kept(self.page))
            self.assertEqual(kept(self.page), {cache(server, new): FILES})
            self.assertIn("another build", self.page.evaluate(
                "caches.match('page.css').then((r) => r.text())"))
            # And the visit after it plays the new build.
            self.open(server)
            self.assertTrue(front(self.page, 1), "the window shows")
            self.assertIn("another build", self.page.evaluate(
                "fetch('page.css').then((r) => r.text())"))

    def test_two_copies_on_one_host_each_keep_their_own(self):
        # The stable build and a test build, at /stable/ and /test/ of one host: keeping the one
        # leaves the other's files as they were, and each plays with the server stopped.
        host = tempfile.mkdtemp(prefix="tandro-host-")
        self.addCleanup(shutil.rmtree, host, True)
        folders = ("stable/", "test/")
        for folder in folders:
            shutil.copytree(SITE, os.path.join(host, folder))
        rebuild(os.path.join(host, "test"))
        builds = [build_of(os.path.join(host, folder)) for folder in folders]
        with browser.served(host) as server:
            for folder in folders:
                self.assertTrue(self.first_visit(server, folder), "%s is kept" % folder)
            self.assertEqual(sorted(kept(self.page)), sorted(
                cache(server, build, folder) for build, folder in zip(builds, folders)))
            server.stop()
            for folder in folders:
                with self.subTest(folder=folder):
                    self.assertPlaysFromWhatWasKept(server, folder)


if __name__ == "__main__":
    unittest.main()
