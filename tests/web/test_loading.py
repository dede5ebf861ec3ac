"""How Tandro's page loads in Chromium: the progress of the download over a slow line, the page's own
words and bar readable in light, dark and forced colours, a download cut off, or broken, or of
another build, tried again from the host, a program that is not there, and a browser without
WebGL."""

import os
import subprocess
import unittest

import browser
from browser import until
from tandro_page import SCHEMES, SITE, PageTest, contrast, drawn_contrast, windows

# Where the page's own words and bar stand, in CSS pixels: (left, top, width, height).
BOXES = """['kept', 'progress-text', 'progress'].map((id) => (({x, y, width, height}) =>
    [x, y, width, height])(document.getElementById(id).getBoundingClientRect()))"""


class FirstProgramWrong(browser.QuietHandler):
    """Serves the site, but the program's first download comes wrong: broken off a third of the way
    (spoiled None), or from the folder spoiled, where another copy of it stands. Each answer lets
    the browser keep it an hour, as a host's cache policy may; asked counts the program's
    downloads."""
    spoiled = None
    left = 1
    asked = 0

    def translate_path(self, path):
        if path.startswith("/tandro.wasm"):
            FirstProgramWrong.asked += 1
            if FirstProgramWrong.spoiled and FirstProgramWrong.left:
                FirstProgramWrong.left -= 1
                self.directory = FirstProgramWrong.spoiled
        return super().translate_path(path)

    def end_headers(self):
        self.send_header("Cache-Control", "max-age=3600")
        super().end_headers()

    def copyfile(self, source, output):
        if self.path.startswith("/tandro.wasm") and not self.spoiled and FirstProgramWrong.left:
            FirstProgramWrong.left -= 1
            output.write(source.read(os.fstat(source.fileno()).st_size // 3))
            self.close_connection = True
            return
        super().copyfile(source, output)


def spoil_program(folder, spoil):
    """Changes the program in folder, and its compressed copies with it."""
    program = os.path.join(folder, "tandro.wasm")
    with open(program, "rb") as file:
        data = bytearray(file.read())
    spoil(data)
    with open(program, "wb") as file:
        file.write(data)
    subprocess.run(["brotli", "--force", "--output=" + program + ".br", program], check=True)
    subprocess.run(["gzip", "--force", "--keep", program], check=True)


# How the program's first download comes wrong: broken off; another build's program (here, with a
# section of its own at its end, which any program may have), of another size; and a copy with a
# byte of it changed at its end (in its data), which compiles and runs.
FIRST_DOWNLOADS = {
    "broken off": None,
    "another build's": lambda data: data.extend(b"\x00\x06\x05build"),
    "a copy with a byte changed": lambda data: data.__setitem__(-1, data[-1] ^ 1),
}


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
        # Asked for once, by the page's script that compiles it as it comes.
        self.assertEqual(self.page.evaluate(
            "performance.getEntriesByType('resource').filter((e) => e.name.endsWith("
            "'/tandro.wasm')).map((e) => e.initiatorType)"), ["fetch"], "the program comes once")

    def test_the_pages_own_words_and_bar_read_in_every_scheme(self):
        # Looked at while the program comes over a slow line, with the line that says the page
        # plays offline shown as it is then: the words against the page, WCAG AA's 4.5:1, and the
        # bar, a control, 3:1 against the page around it.
        self.page.throttle(200_000)
        for scheme in SCHEMES:
            with self.subTest(scheme=scheme):
                self.page.show_in(scheme)
                self.page.send("Page.navigate", url=self.server.address + "index.html")
                self.assertTrue(self.page.wait_for(
                    "document.getElementById('progress').position > 0", timeout=30))
                self.page.evaluate("document.getElementById('kept').hidden = false")
                image = self.screenshot("web-%s-loading.png" % scheme)
                kept, said, bar = self.page.evaluate(BOXES)
                around = image.getpixel((round(bar[0]) - 4, round(bar[1] + bar[3] / 2)))
                left, top, width, height = (round(value) for value in bar)
                seen = {"offline line": drawn_contrast(image, kept),
                        "progress": drawn_contrast(image, said),
                        "bar": max(contrast(colour, around) for _, colour in image.crop(
                            (left, top, left + width, top + height)).getcolors(width * height))}
                self.assertEqual({name: round(found, 2) for name, found in seen.items()
                                  if found < (3 if name == "bar" else 4.5)}, {}, seen)
        self.page.throttle(None)

    def test_a_download_gone_wrong_is_said_and_tried_again_from_the_host(self):
        for case, spoil in FIRST_DOWNLOADS.items():
            with self.subTest(case=case):
                FirstProgramWrong.spoiled = None
                if spoil:
                    FirstProgramWrong.spoiled = self.copy_of_site()
                    spoil_program(FirstProgramWrong.spoiled, spoil)
                FirstProgramWrong.left, FirstProgramWrong.asked = 1, 0
                with browser.served(SITE, FirstProgramWrong) as server:
                    self.open(server)
                    said = self.page.wait_for("!document.getElementById('failed').hidden"
                                              " && document.getElementById('failure').textContent",
                                              timeout=30) or ""
                    self.assertTrue(said.startswith("The download of Tandro was interrupted"),
                                    "%s: %s" % (said, "the window shows" if windows(self.page)
                                                else "no window"))
                    self.assertTrue(self.page.evaluate(
                        "!document.getElementById('retry').hidden"))
                    self.page.click(*self.page.evaluate(
                        "(([r]) => [r.x + r.width / 2, r.y + r.height / 2])"
                        "([document.getElementById('retry').getBoundingClientRect()])"))
                    self.assertTrue(until(lambda: windows(self.page)),
                                    "the program is downloaded again")
                    self.assertEqual(FirstProgramWrong.asked, 2, "from the host, twice")
                    scripts = self.page.evaluate(
                        "performance.getEntriesByType('resource').map((e) => e.name)"
                        ".filter((n) => n.endsWith('.js'))")
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
