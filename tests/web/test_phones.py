"""Tandro's page on phones and a tablet, in Chromium's device emulation, played by taps alone: its
window as large as the screen allows and drawn sharp, with nothing shifting as it comes and no
window seen before it is zoomed, names as each kind of phone keyboard gives them, a message box, and
About, nothing ever off the screen; a page that the player zooms in on, played by taps all the same;
About readable in light, dark and forced colours; no violation that axe-core finds in any state; and
the page installable as an app."""

import unittest

import browser
from browser import until
from tandro_page import (MARGIN, PLACES, QT, SCHEMES, PageTest, at, audit, front, main_unreadable,
                         menu, readable, result, windows)

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
# What moved on the page since it was opened, as the browser measures layout shifts: each shift's
# score, and where what moved stood before and after.
SHIFTS = """new Promise((done) => {
    const found = [];
    const shifts = new PerformanceObserver((list) => found.push(...list.getEntries()));
    shifts.observe({type: 'layout-shift', buffered: true});
    setTimeout(() => {
        const box = (r) => [r.x, r.y, r.width, r.height].map(Math.round);
        done(found.concat(shifts.takeRecords()).map((shift) => [shift.value,
            shift.sources.map((source) =>
                [source.node ? source.node.nodeName + '#' + source.node.id : 'in the windows',
                 box(source.previousRect), box(source.currentRect)])]));
        shifts.disconnect();
    }, 100);
})"""


# The page's zoom, and the viewport that it asks for.
ZOOM = "[visualViewport.scale, document.getElementById('viewport').content]"
# The part of the page on the screen, zoomed: (left, top, width, height) in CSS pixels.
VISIBLE = ("[visualViewport.offsetLeft, visualViewport.offsetTop, visualViewport.width,"
           " visualViewport.height]")


def on_screen(middle, place, shown):
    """Where to tap a control, of middle and size in place, on the part of the page shown: the
    middle of what of it is on the screen, as a point on the screen."""
    x, y = middle
    width, height = place[2:]
    left, top, visible_width, visible_height = shown
    right = min(x + width / 2, left + visible_width)
    bottom = min(y + height / 2, top + visible_height)
    x = (max(x - width / 2, left) + right) / 2
    y = (max(y - height / 2, top) + bottom) / 2
    return x - left, y - top


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

    def assertSeenOnlyZoomed(self, count, since=0):
        """The count windows shown were first in sight together, since the since'th change in
        sight, at the zoom that they stand at now, not for a few frames at the zoom before (the
        page's own scale, for the first)."""
        zoomed = self.page.evaluate("document.getElementById('viewport').content")
        seen = until(lambda: [zoom for shown, zoom in self.page.evaluate("seenZoomed")[since:]
                              if shown == count], 5)
        self.assertEqual(seen[:1], [zoomed], "%d windows first seen at" % count)

    def play_by_taps(self, keyboards):
        """The window fits; Go tapped with no names gives a message, tapped away on its OK; a game
        of 'Ram' and 'Sita' for each of keyboards; About, tapped open and closed."""
        self.open()
        self.assertTrue(until(lambda: len(windows(self.page)) == 1), "the window shows")
        self.assertFits("the main window is")
        # From the first paint to the window, nothing moves on the screen as the page zooms (a
        # layout shift of 0.09 on a phone 390 pixels wide, where the windows moved as it zoomed).
        shifts = self.page.evaluate(SHIFTS)
        self.assertLess(sum(value for value, _ in shifts), 0.01, shifts)
        self.assertSeenOnlyZoomed(1)
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

        seen = self.page.evaluate("seenZoomed.length")
        self.page.tap(*menu(self.main()))
        self.assertTrue(until(lambda: len(windows(self.page)) == 2), "a tap on About opens it")
        self.assertFits("About and the window behind are")
        self.assertSeenOnlyZoomed(2, seen)
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

    def test_no_accessibility_violation_in_any_state(self):
        self.assertEqual(audit(self, touch=True), {})

    def test_a_page_that_the_player_zooms_in_on_plays_by_taps(self):
        self.open()
        self.assertTrue(until(lambda: len(windows(self.page)) == 1), "the window shows")
        self.assertFits("the main window is")
        fitted = self.page.evaluate(ZOOM)
        # The player zooms in twice as far, as a pinch does, on the page's top left corner (where
        # the name boxes and Go begin); Chromium's headless mode takes no pinch of its own.
        self.page.send("Emulation.setPageScaleFactor", pageScaleFactor=2 * fitted[0])
        self.assertTrue(self.page.wait_for("Math.abs(visualViewport.scale - args[0]) < 0.01",
                                           2 * fitted[0], timeout=5), "the page is zoomed in")
        sharp = until(lambda: abs(self.page.evaluate(CANVAS) / self.page.evaluate(
            "devicePixelRatio * visualViewport.scale") - 1) < 0.05, 5)
        self.assertTrue(sharp, "the window is drawn at %.2f device pixels a pixel, zoomed"
                        % (self.page.evaluate(CANVAS) / self.page.evaluate(
                            "devicePixelRatio * visualViewport.scale")))
        shown = self.page.evaluate(VISIBLE)
        for box, name in (("txtYourName", "Ram"), ("txtYourPartner", "Sita")):
            self.page.tap(*on_screen(at(self.main(), box), PLACES[box], shown))
            self.page.evaluate(NEXT_FRAMES)
            self.page.insert_text(name)
        self.page.tap(*on_screen(at(self.main(), "cmdGo"), PLACES["cmdGo"], shown))
        self.assertTrue(result(self.page, "The result is Hates."),
                        "'Ram' and 'Sita', tapped and typed into a page zoomed in, leave Hates")
        self.assertEqual(self.page.evaluate(VISIBLE), shown, "nothing scrolled the zoomed page")
        zoomed = self.page.evaluate(ZOOM)
        self.assertEqual([zoomed[0] / 2, zoomed[1]], fitted,
                         "and the page's own zoom stays as it was")
        self.shot("phone-390-zoomed.png")

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
