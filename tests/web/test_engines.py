"""Tandro's page in the two other engines that phones and computers run it in: Firefox's (Gecko) and
Safari's (WebKit, as WebKitGTK): the page's policy in force, its program downloaded once, a message
and a whole game, each said in the live region, and a second visit, with no connection, that plays
a game from what was kept; and in Firefox, About readable in light, dark and forced colours, a
build that cannot be kept leaving nothing, and no violation that axe-core finds, on a computer and
a phone.

WebKitGTK has no device emulation: it plays as a computer's browser, and what the page does on an
iPhone (taps, the phone's keyboard, the zoom to the screen) is played in Chromium with an iPhone's
user agent and screen (test_phones.py) instead."""

import collections
import unittest

import browser
from tandro_page import (FORBIDDEN, SCHEMES, SITE, PageTest, SpeaksTheBrowsersLanguage, at,
                         audit, client, crosses, front, play, refusals, result, windows)
from test_offline import KeepsFailing, KeptTest, size_of_build


class Engine:
    """The checks made in each engine."""

    def test_the_page_runs_only_its_own_code_and_downloads_its_program_once(self):
        # Asked for twice (a hint to fetch it early that the engine does not match with the
        # page's own fetch), the program comes in twice the time over a slow line. The worker's
        # copy to keep is asked for past the browser's cache, with a Cache-Control header: not
        # counted.
        asked = collections.Counter()

        class Counting(self.handler()):
            def do_GET(self):
                if "Cache-Control" not in self.headers:
                    asked[self.path.split("?")[0]] += 1
                super().do_GET()

        with browser.served(SITE, Counting) as server:
            self.open(server)
            self.assertTrue(front(self.page, 1), "the main window shows")
            self.assertEqual(self.page.evaluate(FORBIDDEN), [],
                             "none of what it refuses took effect")
            self.assertEqual(refusals(self.page, 5),
                             ["base", "object", "script eval", "script inline", "style inline"])
        self.assertEqual(asked["/tandro.wasm"], 1, "what the page asked for: %s" % dict(asked))

    def test_a_message_then_a_whole_game(self):
        self.open()
        main = front(self.page, 1)
        self.assertTrue(main, "the main window shows, in the middle of the page")
        self.page.click(*at(main, "cmdGo"))
        self.assertTrue(result(self.page, "Note! Empty Data"), "the live region says the message")
        self.assertEqual(len(windows(self.page)), 2, "in a box of its own")
        self.page.key("Enter")
        self.assertTrue(browser.until(lambda: len(windows(self.page)) == 1), "Enter closes it")
        play(self.page, main, "Ram", "Sita")
        self.assertTrue(result(self.page, "The result is Hates."), "the live region says it")
        self.assertEqual(crosses(self.page.screenshot(), client(main)), [2, 3, 4, 5, 6],
                         "the crosses stand beside the struck words")
        self.shot("%s-after-game.png" % self.page.engine.lower())

    def test_the_second_visit_plays_with_no_connection(self):
        self.assertPlaysWithNoConnection()


class InFirefox(Engine, KeepsFailing, KeptTest):
    def browser(self):
        return browser.Firefox()

    def room_for_one_build(self, server, site):
        # Firefox's room for a site is all of its storage where that is under 10 MB; it keeps the
        # files compressed, in about two thirds of their bytes.
        self.use(browser.Firefox(preferences={
            "dom.quotaManager.temporaryStorage.fixedLimit": size_of_build(site) // 1024}))

    def test_no_accessibility_violation_in_any_state(self):
        for device in (browser.COMPUTER, browser.ANDROID_PHONE):
            with self.subTest(device=device.name):
                if device.user_agent:
                    self.use(browser.Firefox(device=device))
                self.assertEqual(audit(self, touch=bool(device.user_agent)), {})

    def test_about_reads_in_light_dark_and_forced_colours(self):
        for scheme in SCHEMES:
            with self.subTest(scheme=scheme):
                self.use(browser.Firefox(scheme))
                self.assertEqual(self.about_after_a_game("firefox-%s-about.png" % scheme), {},
                                 "each text reads against what stands behind it")


class InWebKit(Engine, KeptTest):
    def browser(self):
        return browser.WebKit()



class InFirefoxLanguage(SpeaksTheBrowsersLanguage, PageTest):
    ROWS = SpeaksTheBrowsersLanguage.ROWS[:2]

    def language_browser(self, languages):
        return browser.Firefox(preferences={"intl.accept_languages": ",".join(languages)})


if __name__ == "__main__":
    unittest.main()
