"""Tandro's page kept on the device by its service worker, in Chromium: a second visit with no
connection at all plays whole games, says that it plays from what was kept, and keeps the host's
security headers; a new build of the site takes the place of the old one, whole, once no page of
the old one is open, a page open meanwhile keeping to its own build, and a page never runs files of
two builds, even from a host updated file by file; a build that cannot be kept leaves nothing, and
says why; two copies of the site on one host each keep their own."""

import base64
import hashlib
import os
import shutil
import subprocess
import tempfile
import unittest

import browser
from tandro_page import KEPT, SITE, PageTest, front, hates, kept, play, result

HERE = os.path.dirname(os.path.abspath(__file__))
TEMPLATES = os.path.join(HERE, "..", "..", "packaging", "web")
# The site's files, as the service worker keeps them.
FILES = sorted(["/" + name for name in (
    "index.html", "page.css", "languages.js", "page.js", "qtloader.js", "tandro.js", "start.js",
    "tandro.wasm", "heart.svg",
    "heart-32.png", "manifest.webmanifest", "heart-192.png", "heart-512.png",
    "heart-maskable-512.png", "heart-touch-180.png")])


def build_of(folder):
    """The build that the site in folder is, as its service worker names it."""
    with open(os.path.join(folder, "sw.js")) as worker:
        return next(line.split('"')[1] for line in worker if line.startswith("const BUILD"))


def cache(server, build, folder=""):
    """The name of the cache that keeps build of the site at folder of server."""
    return "tandro %s%s %s" % (server.address, folder, build)


def rebuild(folder, changed="page.css", change="/* another build */\n"):
    """Makes the site in folder another build, as a new version of the page would: a file of it
    (its style) changes, and the site is finished anew (its digests, its build, its compressed
    copies)."""
    with open(os.path.join(folder, changed), "a") as file:
        file.write(change)
    version = build_of(folder).rsplit("-", 1)[0]
    subprocess.run(["cmake", "-DCMAKE_INSTALL_PREFIX=" + folder, "-DPROJECT_NAME=Tandro",
                    "-DPROJECT_VERSION=" + version, "-DTANDRO_WEB_PROGRAM=tandro",
                    "-DTEMPLATES=" + TEMPLATES, "-DBROTLI=brotli", "-DGZIP=gzip",
                    "-P", os.path.join(TEMPLATES, "site.cmake")],
                   check=True, env={**os.environ, "DESTDIR": ""}, stdout=subprocess.DEVNULL)


# Headers that a host sends of its own, for its security: which the kept page is to keep.
SECURITY_HEADERS = {"Content-Security-Policy": "frame-ancestors 'none'",
                    "X-Content-Type-Options": "nosniff", "Referrer-Policy": "no-referrer"}


def secure(handler):
    """handler, sending the host's security headers with each answer."""
    class Secure(handler):
        def end_headers(self):
            for name, value in SECURITY_HEADERS.items():
                self.send_header(name, value)
            super().end_headers()
    return Secure


# How a host fails to give a build whole, to be kept: a file of it missing, which the host answers
# with its HTML page for an error; a file that is not the build's; and no room left on the device.
# Each with what the page's console is to say.
KEEPS_FAILING = {
    "a file missing": (lambda folder: os.remove(os.path.join(folder, "heart-512.png")),
                       "heart-512.png: the host answered 404"),
    "a file of another build": (
        lambda folder: shutil.copy(os.path.join(folder, "heart-192.png"),
                                   os.path.join(folder, "heart-512.png")),
        "heart-512.png: its digest is not this build's"),
    # (Chromium names it QuotaExceededError, Firefox NS_ERROR_FILE_NO_DEVICE_SPACE.)
    "no room left on the device": (None, ": it could not be stored ("),
}


class UpdatedMeanwhile(browser.QuietHandler):
    """Serves the page from the first of two folders, and from then on everything from the second:
    a host that was updated file by file while a browser loaded the page."""
    folders = None
    updated = False

    def translate_path(self, path):
        self.directory = UpdatedMeanwhile.folders[UpdatedMeanwhile.updated]
        if path.split("?")[0].endswith("/index.html"):
            UpdatedMeanwhile.updated = True
        return super().translate_path(path)


def digest(folder, name):
    """The digest of a file of the site, as its page names it."""
    with open(os.path.join(folder, name), "rb") as file:
        return "sha256-" + base64.b64encode(hashlib.sha256(file.read()).digest()).decode()


# The digest by which the page names one of its scripts: the build of the page.
NAMED = "document.querySelector('script[src=\"%s\"]').integrity"
# Where the button to try again stands.
RETRY = ("(([r]) => [r.x + r.width / 2, r.y + r.height / 2])"
         "([document.getElementById('retry').getBoundingClientRect()])")


class KeptTest(PageTest):
    """What every browser does offline: see test_engines.py."""

    def handler(self):
        return secure(self.page.handler)

    def first_visit(self, server=None, folder="", files=FILES):
        """Opens the page at folder of the host, and waits for the site to be kept: the files of
        one build (files), in a cache of its own. What is kept, every site's caches."""
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
            ["/" + folder + name[1:] for name in files], cache(server, "", folder), timeout=30)

    def kept_and_active(self, server, build):
        """Waits until build of the site is kept whole, and its worker is the site's."""
        return self.page.wait_for(
            "navigator.serviceWorker.getRegistration().then((site) => site && !site.installing"
            " && !site.waiting && site.active.state == 'activated' && caches.has(args[0]))",
            cache(server, build), timeout=60)

    def assertPlaysWithNoConnection(self, picture=None):
        """The server stopped, the page opened again plays a game, and says it plays from what
        was kept, with the headers that the host sent it."""
        self.assertTrue(self.first_visit(), "the site's files are kept, those of one build")
        self.assertEqual(self.page.evaluate(
            "caches.match('index.html').then((page) => args[0].map((name) =>"
            " page.headers.get(name)))", list(SECURITY_HEADERS)), list(SECURITY_HEADERS.values()),
            "the page kept has the host's security headers")
        self.server.stop()
        self.assertPlaysFromWhatWasKept(self.server, "", picture)

    def assertPlaysFromWhatWasKept(self, server, folder, picture=None, language=None):
        """With no connection, the page plays a game, in language (a translation's name) if
        given, and says that it plays from what was kept."""
        self.open(server, folder)
        main = front(self.page, 1)
        self.assertTrue(main, "with no connection, the window shows")
        self.assertTrue(self.page.wait_for("!document.getElementById('kept').hidden", timeout=10),
                        "and the page says it plays from what was kept")
        if picture:
            self.shot(picture)
        play(self.page, main, "Ram", "Sita", mirrored=language == "ar")
        self.assertTrue(result(self.page, hates(language)), "a whole game is played")


class KeepsFailing:
    """A build that cannot be kept, each way a keep fails: in Chromium here, in Firefox too."""

    def room_for_one_build(self, server, site):
        """Leaves the device room for one build of site, served by server, and no more."""
        raise NotImplementedError

    def test_a_keep_that_fails_leaves_nothing(self):
        for case, (spoil, said) in KEEPS_FAILING.items():
            with self.subTest(case=case):
                site = self.copy_of_site()
                with browser.served(site, self.handler()) as server:
                    if not spoil:
                        self.room_for_one_build(server, site)
                    old = build_of(site)
                    self.assertTrue(self.first_visit(server), "the first build is kept")
                    rebuild(site)
                    if spoil:
                        spoil(site)
                    # The next visit tries to keep it, and says why it could not; the first way
                    # is tried further: the visit after tries again, and the first build plays
                    # with no connection.
                    for visit in (1, 2) if case == next(iter(KEEPS_FAILING)) else (1,):
                        self.open(server)
                        self.assertTrue(front(self.page, 1), "the window shows")
                        warned = self.page.wait_for(
                            "warned.filter((line) => line.includes(args[0]))", said, timeout=60)
                        self.assertTrue(warned, "the console says that %s: it says %s; kept "
                                        "are, by their files: %s" % (said, self.page.evaluate(
                                            "warned"), {name: len(files) for name, files
                                                        in kept(self.page).items()}))
                        self.assertIn(build_of(site), warned[0], "and of which build")
                        self.assertEqual(kept(self.page), {cache(server, old): FILES},
                                         "the first build is kept whole, nothing of the next")
                    if visit == 2:
                        server.stop()
                        self.open(server)
                        self.assertTrue(front(self.page, 1), "and it plays with no connection")


def size_of_build(site):
    """The bytes of the site's files, as a browser keeps them."""
    return sum(os.path.getsize(os.path.join(site, name[1:])) for name in FILES)


class Offline(KeepsFailing, KeptTest):
    def room_for_one_build(self, server, site):
        self.page.send("Storage.overrideQuotaForOrigin", origin=server.address.rstrip("/"),
                       quotaSize=size_of_build(site) * 3 // 2)

    def test_a_page_in_arabic_keeps_its_faces_and_plays_with_no_connection(self):
        self.use(browser.Chromium(languages=["ar"]))
        faces = ["/faces/ar/" + name for name in os.listdir(os.path.join(SITE, "faces", "ar"))
                 if name.endswith((".ttf", ".otf"))]  # not their compressed copies
        self.assertTrue(faces, "Arabic has faces of its own")
        self.assertTrue(self.first_visit(files=sorted(FILES + faces)),
                        "its faces are kept with the build")
        self.server.stop()
        self.assertPlaysFromWhatWasKept(self.server, "", "web-offline-ar.png", "ar")

    def test_the_second_visit_plays_with_no_connection(self):
        self.assertPlaysWithNoConnection("web-offline.png")
        # The host's policy holds as it sent it: it lets no page put the kept one in a frame.
        framed = self.page.evaluate("""new Promise((done) => {
            const frame = document.createElement('iframe');
            frame.onload = () => {
                let title = null;
                try { title = frame.contentDocument && frame.contentDocument.title; } catch (e) {}
                frame.remove();
                done(title);
            };
            frame.src = 'index.html';
            document.body.append(frame);
        })""")
        self.assertFalse(framed, "the page kept was put in a frame")
        self.page.console()  # where Chromium says that it refused the frame

    def test_a_new_build_takes_the_place_of_the_old_whole(self):
        site = self.copy_of_site()
        with browser.served(site, self.handler()) as server:
            old = build_of(site)
            self.assertEqual(list(self.first_visit(server)), [cache(server, old)])
            rebuild(site)
            new = build_of(site)
            self.assertNotEqual(new, old)
            # The next visit starts from what was kept, and keeps the new build beside it, whole.
            self.open(server)
            self.assertTrue(front(self.page, 1), "the window shows")
            self.assertTrue(self.kept_and_active(server, new), "the new build is kept")
            self.assertEqual(kept(self.page), {cache(server, old): FILES,
                                               cache(server, new): FILES})
            self.assertIn("another build", self.page.evaluate(
                "caches.match('page.css', {cacheName: args[0]}).then((r) => r.text())",
                cache(server, new)))
            # The visit after it plays the new build, and the old one, of which no page is open
            # any more, goes whole.
            self.open(server)
            self.assertTrue(front(self.page, 1), "the window shows")
            self.assertIn("another build", self.page.evaluate(
                "fetch('page.css').then((r) => r.text())"))
            self.assertTrue(self.page.wait_for(
                "caches.keys().then((names) => names.join() == args[0])", cache(server, new),
                timeout=30), "the new build's cache alone is left: %s" % kept(self.page))
            self.assertEqual(kept(self.page), {cache(server, new): FILES})

    def test_a_page_keeps_to_its_build_while_another_tab_keeps_a_new_one(self):
        site = self.copy_of_site()
        with browser.served(site, self.handler()) as server:
            old = build_of(site)
            self.first_visit(server)
            self.open(server)
            self.assertTrue(front(self.page, 1), "the window shows, from what was kept")
            rebuild(site)
            new = build_of(site)
            # Another tab opens the page, and has the new build kept.
            driver = self.page.driver
            first = driver.current_window_handle
            driver.switch_to.new_window("tab")
            self.open(server)
            self.assertTrue(self.kept_and_active(server, new),
                            "the new build is kept, and its worker active")
            second = driver.current_window_handle
            # The first tab's page, loaded from the old build, goes on getting its files from it.
            driver.switch_to.window(first)
            for name in ("index.html", "page.css", "tandro.wasm"):
                self.assertEqual(self.page.evaluate(
                    "fetch(args[0]).then((r) => r.arrayBuffer()).then((bytes) => bytes.byteLength)",
                    name), os.path.getsize(os.path.join(SITE, name)),
                    "the old build's %s, as its page" % name)
            self.assertEqual(sorted(kept(self.page)), sorted([cache(server, old),
                                                              cache(server, new)]))
            # Opened again, it starts whole with the new one; once neither tab has the old build's
            # page, that build goes.
            self.open(server)
            self.assertTrue(front(self.page, 1), "the window shows")
            self.assertIn("another build", self.page.evaluate(
                "fetch('page.css').then((r) => r.text())"))
            driver.switch_to.window(second)
            driver.close()
            driver.switch_to.window(first)
            self.open(server)
            self.assertTrue(front(self.page, 1), "the window shows")
            self.assertTrue(self.page.wait_for(
                "caches.keys().then((names) => names.join() == args[0])", cache(server, new),
                timeout=30), "the new build's cache alone is left: %s" % kept(self.page))

    def test_a_host_updated_file_by_file_never_mixes_two_builds_in_a_page(self):
        # The program's script of the new build, which says so when it runs, and comes as the
        # program downloads.
        self.updated_meanwhile("tandro.js", "\nwindow.tandroBuild = 'new';\n", "tandro.js",
                               "window.tandroBuild === 'new'")

    def test_nor_with_the_new_builds_script_that_asks_for_the_program(self):
        # The new build's program (with a section of its own at its end, as any program may have),
        # which the script in the page's head names and asks for: refused, that script leaves the
        # page nothing to start with.
        self.updated_meanwhile("tandro.wasm", "\x00\x06\x05build", "start.js",
                               "self.TandroProgram !== undefined")

    def updated_meanwhile(self, changed, change, named, ran):
        """The page comes from the host before it is updated, the rest of the files after, the new
        build's changed (change added to it): the page runs no file of the new build (ran, true
        once one has run, stays false), says that its download was interrupted, and tried again,
        starts anew, whole, as the new build (named by its script named's digest)."""
        old, new = self.copy_of_site(), self.copy_of_site()
        rebuild(new, changed, change)
        UpdatedMeanwhile.folders = (old, new)
        UpdatedMeanwhile.updated = False
        with browser.served(old, UpdatedMeanwhile) as server:
            self.open(server)
            said = self.page.wait_for("!document.getElementById('failed').hidden"
                                      " && document.getElementById('failure').textContent",
                                      timeout=30)
            self.assertEqual(self.page.evaluate("[%s, %s]" % (ran, NAMED % named)),
                             [False, digest(old, named)],
                             "the old build's page ran no file of the new build")
            self.assertTrue(said and said.startswith("The download of Tandro was interrupted"),
                            said)
            self.page.click(*self.page.evaluate(RETRY))
            self.assertTrue(front(self.page, 1), "the window shows")
            self.assertEqual(self.page.evaluate("[%s, %s]" % (ran, NAMED % named)),
                             [True, digest(new, named)])

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
