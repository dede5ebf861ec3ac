"""Tandro's page in the two other engines that phones and computers run it in: Firefox's (Gecko) and
Safari's (WebKit, as WebKitGTK): the page's policy in force, a message and a whole game, each said
in the live region, and a second visit, with no connection, that plays a game from what was kept;
and in Firefox, About readable in light, dark and forced colours.

WebKitGTK has no device emulation: it plays as a computer's browser, and what the page does on an
iPhone (taps, the phone's keyboard, the zoom to the screen) is played in Chromium with an iPhone's
user agent and screen (test_phones.py) instead."""

import unittest

import browser
from tandro_page import (FORBIDDEN, SCHEMES, at, client, crosses, front, play, refusals, result,
                         windows)
from test_offline import KeptTest


class Engine:
    """The checks made in each engine."""

    def test_the_page_runs_only_its_own_code(self):
        self.open()
        self.assertTrue(front(self.page, 1), "the main window shows")
        self.assertEqual(self.page.evaluate(FORBIDDEN), [], "none of what it refuses took effect")
        self.assertEqual(refusals(self.page, 5),
                         ["base", "object", "script eval", "script inline", "style inline"])

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


class InFirefox(Engine, KeptTest):
    def browser(self):
        return browser.Firefox()

    def test_about_reads_in_light_dark_and_forced_colours(self):
        for scheme in SCHEMES:
            with self.subTest(scheme=scheme):
                self.use(browser.Firefox(scheme))
                self.assertEqual(self.about_after_a_game("firefox-%s-about.png" % scheme), {},
                                 "each text reads against what stands behind it")


class InWebKit(Engine, KeptTest):
    def browser(self):
        return browser.WebKit()


if __name__ == "__main__":
    unittest.main()
