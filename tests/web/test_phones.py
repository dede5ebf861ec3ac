"""Tandro's page on phones and a tablet, in Chromium's device emulation, played by taps alone: its
window as large as the screen allows and drawn sharp, names as each kind of phone keyboard gives
them, a message box, and About, nothing ever off the screen; About readable in light, dark and
forced colours; and the page installable as an app."""

import unittest

import browser
from browser import until
from tandro_page import (MARGIN, QT, SCHEMES, PageTest, at, front, main_unreadable, menu, readable,
                         result, windows)

# How a phone's keyboard gives a name: key by key, a suggested or dictated word at once, a word
# composed letter by letter then committed, a composed word replaced by the word suggested, a
# letter too many taken back, or a word pasted.
KEYBOARDS = {
    "letter by letter": lambda page, name: page.type(name),
    "whole words at once": lambda page, name: page.insert_text(name),
    "composed, then committed": lambda page, name: page.compose(
        *[name[:length] for length in range(1, len(name) + 1)]),
    "composed, then replaced by a suggestion": lambda page, name: page.compose(
        name[0], name[0] + name[-1], name),
    "a letter too many, taken back": lambda page, name: (page.insert_text(name + "x"),
                                                         page.key("Backspace")),
    "pasted": lambda page, name: page.paste(name),
}
NEXT_FRAMES = "new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done)))"
CANVAS = ("(([c]) => c.width / c.getBoundingClientRect().width)([...%s.querySelectorAll("
          "'canvas.qt-window-content')].filter((c) => c.offsetParent).slice(-1))" % QT)


def default_button(page, window):
    """The middle of the default button of a box, found by its blue frame, in CSS pixels."""
    scale = page.evaluate("visualViewport.scale")
    left, top, width, height = (round(value * scale) for value in window["contents"])
    image = page.screenshot().crop((left, top, left + width, top + height))
    blue = [(x, y) for x in range(image.width) for y in range(image.height)
            if (lambda r, g, b: b > r + 60 and b > 120)(*image.getpixel((x, y)))]
    if not blue:
        return None
    xs, ys = [x for x, _ in blue], [y for _, y in blue]
    return ((left + (min(xs) + max(xs)) / 2) / scale, (top + (min(ys) + max(ys)) / 2) / scale)


class PhoneTest(PageTest):
    device = browser.ANDROID_PHONE

    def browser(self):
        return browser.Chromium(self.device)

    def main(self):
        return front(self.page, 1)

    def zoom(self):
        """How the page is zoomed to the windows shown: (the zoom they are shown at, the zoom that
        makes them as large as the screen allows, whether all of them is on the screen, and the
        pixels the one in front is drawn at for each CSS pixel, over the device's)."""
        screen = self.page.evaluate("[visualViewport.width * visualViewport.scale,"
                                    " visualViewport.height * visualViewport.scale,"
                                    " visualViewport.scale, devicePixelRatio]")
        frames = [window["frame"] for window in windows(self.page)]
        best = min((screen[0] - 2 * MARGIN) / max(frame[2] for frame in frames),
                   (screen[1] - 2 * MARGIN) / max(frame[3] for frame in frames))
        on_screen = all(left >= 0 and top >= 0 and (left + width) * screen[2] <= screen[0] + 1
                        and (top + height) * screen[2] <= screen[1] + 1
                        for left, top, width, height in frames)
        return screen[2], best, on_screen, self.page.evaluate(CANVAS) / screen[3] / screen[2]

    def assertFits(self, what):
        """The windows shown are as large as the screen allows, all of them on the screen, and
        drawn sharp: at the device's pixels, times the zoom."""
        def settled(zoom):
            return abs(zoom[0] - zoom[1]) < 0.02 and zoom[2] and zoom
        shown = until(lambda: settled(self.zoom()), 5) or self.zoom()
        self.assertTrue(settled(shown) and abs(shown[3] - 1) < 0.05,
                        "%s zoomed %.2f times (%.2f fills the screen), %s, drawn at %.2f device "
                        "pixels a pixel" % (what, shown[0], shown[1],
                                            "all on it" if shown[2] else "not all on it", shown[3]))

    def play_by_taps(self, keyboards):
        """The window fits; Go tapped with no names gives a message, tapped away on its OK; a game
        of 'Ram' and 'Sita' for each of keyboards; About, tapped open and closed."""
        self.open()
        self.assertTrue(until(lambda: len(windows(self.page)) == 1), "the window shows")
        self.assertFits("the main window is")
        size = "%d" % self.device.width
        self.shot("phone-%s-start.png" % size)

        self.page.tap(*at(self.main(), "cmdGo"))
        box = front(self.page, 2)
        self.assertTrue(box, "Go tapped with no names opens a message box")
        self.shot("phone-%s-note.png" % size)
        self.page.tap(*until(lambda: default_button(self.page, box), 5))
        self.assertTrue(until(lambda: len(windows(self.page)) == 1), "a tap on OK closes it")

        for keyboard in keyboards:
            with self.subTest(keyboard=keyboard):
                self.page.tap(*at(self.main(), "cmdClear"))
                self.page.wait_for("document.getElementById('result').textContent == ''",
                                   timeout=10)
                for box, name in (("txtYourName", "Ram"), ("txtYourPartner", "Sita")):
                    self.page.tap(*at(self.main(), box))
                    # Qt takes a tap in its next turn, and draws what it did in the frame after:
                    # by then the box has the focus, and the keyboard is up.
                    self.page.evaluate(NEXT_FRAMES)
                    KEYBOARDS[keyboard](self.page, name)
                self.page.tap(*at(self.main(), "cmdGo"))
                self.assertTrue(result(self.page, "The result is Hates."),
                                "'Ram' and 'Sita' typed %s leave Hates" % keyboard)
        if keyboards:
            self.shot("phone-%s-after-game.png" % size)
            self.assertEqual(self.page.beeps(), len(keyboards), "each game beeped")

        self.page.tap(*menu(self.main()))
        self.assertTrue(until(lambda: len(windows(self.page)) == 2), "a tap on About opens it")
        self.assertFits("About and the window behind are")
        self.shot("phone-%s-about.png" % size)
        self.page.tap(*at(front(self.page, 2), "cmdOK", False))
        self.assertTrue(until(lambda: len(windows(self.page)) == 1), "a tap on OK closes About")
        self.assertFits("the main window, back, is")



class AnAndroidPhone(PhoneTest):
    def test_names_typed_every_way_play_by_taps(self):
        self.play_by_taps(list(KEYBOARDS))

    def test_about_reads_in_light_dark_and_forced_colours(self):
        for scheme in SCHEMES:
            with self.subTest(scheme=scheme):
                self.page.show_in(scheme)
                self.open()
                self.assertTrue(until(lambda: len(windows(self.page)) == 1), "the window shows")
                for box, name in (("txtYourName", "Ram"), ("txtYourPartner", "Sita")):
                    self.page.tap(*at(self.main(), box))
                    self.page.evaluate(NEXT_FRAMES)
                    self.page.type(name)
                self.page.tap(*at(self.main(), "cmdGo"))
                self.assertTrue(result(self.page, "The result is Hates."), "the game plays out")
                self.assertEqual(main_unreadable(
                    self.screenshot("phone-390-%s-after-game.png" % scheme), self.main(),
                    self.page.evaluate("visualViewport.scale")), {})
                self.page.tap(*menu(self.main()))
                self.assertTrue(until(lambda: len(windows(self.page)) == 2), "About opens")
                self.assertFits("About and the window behind are")
                self.assertEqual(readable(self, "phone-390-%s-about.png" % scheme,
                                          self.page.evaluate("visualViewport.scale")), {})

    def test_the_page_is_installable(self):
        self.open()
        manifest = self.page.send("Page.getAppManifest")
        self.assertEqual(manifest["errors"], [], "the manifest reads without errors")
        self.assertTrue(self.page.wait_for("navigator.serviceWorker.ready.then(() => true)",
                                           timeout=30), "the site is kept by its service worker")
        self.assertEqual(self.page.send("Page.getInstallabilityErrors")["installabilityErrors"], [])
        self.assertEqual(self.page.evaluate(
            "fetch('manifest.webmanifest').then((r) => r.json()).then((m) => [m.name,"
            " m.short_name, m.display, m.start_url, m.icons.map((i) => i.purpose + ' ' + i.sizes)])"),
            ["Tandro", "Tandro", "standalone", "./",
             ["any 192x192", "any 512x512", "maskable 512x512"]])
        self.assertEqual(self.page.evaluate(
            "[...document.querySelectorAll('link[rel=apple-touch-icon], meta[name^=apple-mobile]')]"
            ".map((e) => e.href ? e.href.split('/').pop() : e.content)"),
            ["heart-touch-180.png", "yes", "Tandro", "black"], "and its iPhone home-screen tags")
        self.shot("phone-390-installed.png")


class AnIPhone(PhoneTest):
    device = browser.IPHONE_PHONE

    def test_names_typed_every_way_play_by_taps(self):
        self.play_by_taps(list(KEYBOARDS))


class ASmallPhone(PhoneTest):
    device = browser.SMALL_PHONE

    def test_a_game_by_taps(self):
        self.play_by_taps(["letter by letter"])


class APhone320PixelsWide(PhoneTest):
    device = browser.NARROW_PHONE

    def test_the_windows_fit(self):
        self.play_by_taps([])


class APhoneHeldSideways(PhoneTest):
    device = browser.LANDSCAPE_PHONE

    def test_the_windows_fit(self):
        self.play_by_taps([])


class ATablet(PhoneTest):
    device = browser.TABLET

    def test_the_windows_fit(self):
        self.play_by_taps([])


if __name__ == "__main__":
    unittest.main()
