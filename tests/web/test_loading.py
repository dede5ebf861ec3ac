"""How Tandro's page loads in Chromium: the progress of the download over a slow line, a download cut
off and tried again, a program that is not there, and a browser without WebGL."""

import os
import unittest

import browser
from browser import until
from tandro_page import SITE, PageTest, windows


class CutOff(browser.QuietHandler):
    """Serves the site, but the program's first download breaks off a third of the way."""
    cut = 1

    def copyfile(self, source, output):
        if self.path.startswith("/tandro.wasm") and CutOff.cut:
            CutOff.cut -= 1
            output.write(source.read(os.fstat(source.fileno()).st_size // 3))
            self.close_connection = True
            return
        super().copyfile(source, output)


class Loading(PageTest):
    def test_over_a_slow_line_the_progress_bar_says_how_much_has_come(self):
        wasm = os.path.getsize(os.path.join(SITE, "tandro.wasm.br"))
        self.use(browser.Chromium(browser.ANDROID_PHONE))
        self.page.throttle(1_000_000, latency=100)
        self.open()
        seen = []
        until(lambda: seen.append(self.page.evaluate(
            "[document.getElementById('progress').position,"
            " document.getElementById('progress-text').textContent]")) or windows(self.page),
              60, 0.1)
        self.shot("phone-390-loading.png")
        values = [value for value, _ in seen if 0 < value < 1]
        self.assertTrue(len(set(values)) >= 3 and values == sorted(values),
                        "the bar moves on: %s" % sorted(set(values))[:8])
        said = [text for _, text in seen if text.startswith("Downloading")]
        self.assertTrue(said, "it says how much has come")
        self.assertRegex(said[len(said) // 2],
                         r"Downloading Tandro: \d+\.\d MB of %.1f MB" % (wasm / 1e6))
        self.assertTrue(windows(self.page), "the window shows when it is done")
        # Asked for by the page itself, before its scripts come, and taken by them from there.
        self.assertEqual(self.page.evaluate(
            "performance.getEntriesByType('resource').filter((e) => e.name.endsWith("
            "'/tandro.wasm')).map((e) => e.initiatorType)"), ["link"], "the program comes once")

    def test_a_download_cut_off_is_said_and_tried_again(self):
        CutOff.cut = 1
        with browser.served(SITE, CutOff) as server:
            self.open(server)
            said = self.page.wait_for("!document.getElementById('failed').hidden"
                                      " && document.getElementById('failure').textContent",
                                      timeout=30) or ""
            self.assertTrue(said.startswith("The download of Tandro was interrupted"), said)
            self.assertTrue(self.page.evaluate("!document.getElementById('retry').hidden"))
            self.page.click(*self.page.evaluate(
                "(([r]) => [r.x + r.width / 2, r.y + r.height / 2])"
                "([document.getElementById('retry').getBoundingClientRect()])"))
            self.assertTrue(until(lambda: windows(self.page)), "the program is downloaded again")
            scripts = self.page.evaluate("performance.getEntriesByType('resource')"
                                         ".map((e) => e.name).filter((n) => n.endsWith('.js'))")
            self.assertEqual(len(scripts), len(set(scripts)), "without the page's scripts")

    def test_a_program_not_there_is_said_plainly(self):
        site = self.copy_of_site()
        for name in ("tandro.wasm", "tandro.wasm.br", "tandro.wasm.gz"):
            os.remove(os.path.join(site, name))
        with browser.served(site) as server:
            self.open(server)
            said = self.page.wait_for("document.getElementById('failure').textContent",
                                      timeout=30) or ""
        self.assertTrue(said.startswith("Tandro could not start: its program, tandro.wasm, could "
                                        "not be fetched (404"), said)

    def test_without_webgl_tandro_starts_all_the_same(self):
        self.use(browser.Chromium(webgl=False))
        self.open()
        self.assertTrue(until(lambda: windows(self.page)))


if __name__ == "__main__":
    unittest.main()
