"""Tandro's page in Chromium on a computer: what the page is and the code it runs, its texts, the
main window and its captions, a game, the messages, input during a game, what screen readers find,
and no violation that axe-core finds in any state, About in light, dark and forced colours, Exit,
and the windows' title bars."""

import base64
import html
import io
import os
import re
import subprocess
import tempfile
import unittest

from PIL import Image

import browser
from browser import until
from tandro_page import (ABOUT, CLIENT, ENABLE_SCREEN_READER, FORBIDDEN, QT, SCHEMES,
                         TIGHT_TEXTS, WINDOW, WORDS, PageTest, SpeaksTheBrowsersLanguage, at, audit,
                         client, contrast, crosses, cut_off, focused_box, front, luminance, pixel,
                         play, readable, refusals, result, strikes, windows)

# Where lupdate and the page's script are.
LUPDATE = os.environ.get("TANDRO_LUPDATE", "/usr/lib/qt6/bin/lupdate")
PAGE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "packaging", "web")
# The texts that the page stands with, by the elements that show them.
OWN_TEXTS = """Object.fromEntries(['heading', 'how-to-play', 'progress-text', 'retry', 'ended-text',
    'again', 'kept'].map((id) => [id, document.getElementById(id).textContent]))"""

# Texts drawn whole: the first letters of the board's words, which stand against the left edge
# of their boxes, and the last letters of the right-aligned captions, against their right edge.
# (A Qt that drew a glyph crossing its widget's edge wrongly left them out.)
EDGES = {"lblHates": (120, 120), "lblFriend": (120, 136), "lblLove": (120, 152),
         "lblAdmire": (120, 168), "lblMarriage": (120, 184), "lblEnemy": (120, 200),
         "lblYourName": (99, 16), "lblPartnerName": (99, 48)}
# The colours of each window's title and of its bar, and the bar's opacity, as the page's styles
# give them: (title, bar, opacity).
TITLE_COLOURS = """[...%s.querySelectorAll('.qt-window')].filter((w) => w.offsetParent).map((w) => {
    const rgb = (colour) => colour.match(/[\\d.]+/g).slice(0, 3).map(Number);
    const title = w.querySelector('.window-name');
    return [rgb(getComputedStyle(title).color), rgb(getComputedStyle(w).backgroundColor),
            +getComputedStyle(w.querySelector('.title-bar')).opacity];
})"""


# What the program shows at the end of each game, as it tells the page the result (before the
# input held during the game is let go): the names in the name boxes, read from the screen
# readers' mirror, and the main window as last drawn. And the input given since, by the user's
# keys and clicks, each with whether a result had come before it.
WATCH_RESULTS = """(() => {
    const box = (name) => %s.querySelector(`input[aria-label="${name}"]`).value;
    const canvas = () => [...%s.querySelectorAll('.qt-window')]
        .find((w) => w.querySelector('.window-name').textContent == 'Tandro')
        .querySelector('canvas');
    window.results = [];
    window.given = [];
    const announce = TandroPage.announce;
    TandroPage.announce = (sentence) => {
        if (sentence)
            results.push({sentence, names: [box('Your Name'), box('Your Partners Name')],
                          drawn: canvas().toDataURL()});
        announce(sentence);
    };
    for (const kind of ['keydown', 'mousedown'])
        addEventListener(kind, (event) => event.isTrusted && given.push(
            [kind == 'keydown' ? event.key : 'click', results.length]), true);
})()""" % (QT, QT)
# Input given during a game of 'Ram' and 'Sita', from the user's or the partner's name, and
# what the game leaves: the result, with the names as they stood when the game began and the focus
# where it was, then the names and the box with the focus once the input has been let go, and the
# result of the next game.
DURING_A_GAME = {
    # A click into the user's name and a letter typed at its end, once the first word is struck.
    "a click and a letter": ("Enter", lambda test: (
        test.page.wait_for("strikes.includes('+Marriage')", timeout=10),
        test.page.click(*at(test.main, "txtYourName")), test.page.key("End"), test.page.type("a")),
        ["Rama", "Sita"], "txtYourName", "Admires"),
    # Go by its access key, and letters typed at once after it, still in the partner's name.
    "Alt+G then letters": ("Alt+G", lambda test: test.page.type("zz"),
                           ["Ram", "Sitazz"], "txtYourPartner", "Marriage"),
}


def picture(data_url):
    return Image.open(io.BytesIO(base64.b64decode(data_url.split(",", 1)[1]))).convert("RGB")


def looks(image, shown):
    """How the windows shown, About in front of the main window, are drawn in image: whether the
    main window (at the foot of its client area, below About) and each frame (at its top left
    corner, above About) are dark, and whether About is white."""
    about, main = shown
    dark = lambda rgb: luminance(rgb) < 0.2
    frame = lambda window: image.getpixel((round(window["frame"][0] + 2),
                                           round(window["frame"][1] + 2)))
    return {"main window dark": dark(pixel(image, client(main), 4, CLIENT[1] - 4)),
            "its frame dark": dark(frame(main)), "About's frame dark": dark(frame(about)),
            "About white": pixel(image, client(about, False), 4, 4) == (255, 255, 255)}


def title_contrasts(page):
    """The contrast of each window's title against its bar, the bar's opacity blending the title
    into it."""
    found = []
    for title, bar, opacity in page.evaluate(TITLE_COLOURS % QT):
        seen = [opacity * t + (1 - opacity) * b for t, b in zip(title, bar)]
        found.append(round(contrast(seen, bar), 2))
    return found


class OnAComputer(PageTest):
    def setUp(self):
        super().setUp()
        self.open()
        self.main = front(self.page, 1)
        self.assertTrue(self.main, "the main window shows, in the middle of the page")
        self.origin = client(self.main)

    def enable_screen_reader(self):
        return self.page.evaluate(ENABLE_SCREEN_READER, WORDS)

    def test_the_page_is_titled_tandro_with_the_heart_and_a_live_region(self):
        self.assertEqual(self.page.evaluate("document.title"), "Tandro")
        self.assertTrue(self.page.evaluate("[...document.querySelectorAll('link[rel=icon]')]"
                                           ".some((l) => l.href.endsWith('heart.svg'))"))
        self.assertEqual(self.page.evaluate(
            "document.getElementById('result').getAttribute('role')"), "status")
        # The live region says the last sentence given, and again when it is given again; not one
        # withdrawn at once.
        said = "new Promise((done) => setTimeout(() => done(document.getElementById('result')" \
               ".textContent), 200))"
        for sentences, left in ((["The result is Hates.", ""], ""),
                                (["The result is Hates.", "The result is Loves."],
                                 "The result is Loves.")):
            self.page.evaluate("args[0].forEach((sentence) => TandroPage.announce(sentence))",
                               sentences)
            self.assertEqual(self.page.evaluate(said), left, sentences)

    def test_the_pages_texts_come_from_its_table_as_lupdate_finds_them(self):
        # What lupdate finds in page.js, without a warning.
        with tempfile.TemporaryDirectory() as work:
            found = subprocess.run([LUPDATE, os.path.join(PAGE, "page.js"), "-ts",
                                    os.path.join(work, "page.ts")], capture_output=True,
                                   text=True, check=True)
            with open(os.path.join(work, "page.ts"), encoding="utf-8") as ts:
                table = ts.read()
        self.assertNotIn("error", found.stderr + found.stdout)
        texts = {}
        for context, messages in re.findall(r"<name>(.*?)</name>(.*?)</context>", table, re.S):
            texts[context] = [html.unescape(source)
                              for source in re.findall(r"<source>(.*?)</source>", messages, re.S)]
        self.assertEqual(sorted(texts), ["Page", "QWasmAccessibility"])
        # In English, the page says what it stands with before its script writes it.
        self.page.evaluate("TandroPage.speak({lang: 'en', dir: 'ltr'})")
        self.assertEqual(self.page.evaluate(OWN_TEXTS), self.page.evaluate(
            "fetch('index.html').then((r) => r.text()).then((page) => {"
            " const document = new DOMParser().parseFromString(page, 'text/html');"
            " return Object.fromEntries(Object.entries(%s).map(([id, text]) =>"
            " [id, text.replace(/\\s+/g, ' ').trim()])); })" % OWN_TEXTS))
        # In another language, each of its own texts is the language's, the page says which, and
        # which way it is written.
        self.page.evaluate("TandroPage.speak(args[0])", {
            "lang": "ar", "dir": "rtl",
            "texts": {context: {source: "<%s>" % source for source in sources}
                      for context, sources in texts.items()}})
        self.assertEqual([(name, text) for name, text in self.page.evaluate(OWN_TEXTS).items()
                          if not (text.startswith("<") and text.endswith(">"))], [])
        self.assertEqual(self.page.evaluate(
            "[document.documentElement.lang, document.documentElement.dir]"), ["ar", "rtl"])

    def test_no_accessibility_violation_in_any_state(self):
        self.assertEqual(audit(self), {})

    def test_the_main_window_stands_at_its_size_with_the_focus_in_the_users_name(self):
        image = self.page.screenshot()
        self.shot("web-start.png")
        self.assertEqual(self.main["contents"][2], CLIENT[0])
        self.assertEqual(image.getpixel((int(self.origin[0]) + 40,
                                         int(self.origin[1]) + CLIENT[1] - 1)), WINDOW)
        self.assertEqual(focused_box(image, self.origin), "txtYourName")
        self.assertEqual(self.page.evaluate("hiddenForZoom"), 0,
                         "never out of sight for a zoom, which a computer's browser takes none of")
        self.assertEqual(cut_off(image, self.origin, TIGHT_TEXTS["main"]), [],
                         "the captions fit their boxes")
        self.assertEqual([name for name, (x, y) in EDGES.items()
                          if not any(sum(pixel(image, self.origin, x + dx, y + dy)) < 300
                                     for dx in range(6) for dy in range(17))], [],
                         "the words' first letters and the captions' last ones are drawn")

    def test_titles_are_readable_against_their_bars(self):
        self.page.key("b", alt=True)
        self.assertTrue(front(self.page, 2), "About opens in front of the main window")
        self.shot("web-title-bars.png")
        # About's title, in front, and the main window's behind it: WCAG AA asks 4.5:1 of text.
        self.assertTrue(all(ratio >= 4.5 for ratio in title_contrasts(self.page)),
                        title_contrasts(self.page))

    def test_the_page_runs_only_its_own_code(self):
        # What its policy refuses is refused, and heard as the recorder hears any refusal: after
        # each test, none is to have come.
        self.assertEqual(self.page.evaluate(FORBIDDEN), [], "none of it took effect")
        self.assertEqual(refusals(self.page, 5),
                         ["base", "object", "script eval", "script inline", "style inline"])

    def test_about_reads_in_light_dark_and_forced_colours(self):
        for scheme in SCHEMES:
            with self.subTest(scheme=scheme):
                self.page.show_in(scheme)
                self.assertEqual(self.about_after_a_game("web-%s-about.png" % scheme), {},
                                 "each text reads against what stands behind it")
                if scheme != "forced":
                    dark = scheme == "dark"
                    self.assertEqual(looks(self.screenshot(), windows(self.page)), {
                        "main window dark": dark, "its frame dark": dark,
                        "About's frame dark": dark, "About white": True})

    def test_a_scheme_switched_while_about_is_open_changes_both_windows(self):
        self.assertEqual(self.about_after_a_game(None), {})
        for scheme, dark in (("dark", True), ("light", False)):
            with self.subTest(scheme=scheme):
                self.page.show_in(scheme)
                # Both windows and both frames in one picture, About white.
                turned = {"main window dark": dark, "its frame dark": dark,
                          "About's frame dark": dark, "About white": True}
                self.assertTrue(until(lambda: looks(self.screenshot(), windows(self.page))
                                      == turned, 10), looks(self.screenshot(), windows(self.page)))
                self.assertEqual(readable(self, "web-switched-to-%s.png" % scheme), {},
                                 "About still reads")

    def test_screen_readers_find_every_control(self):
        self.assertEqual(self.enable_screen_reader(), "Enable Screen Reader")
        self.assertTrue(until(lambda: set(self.page.accessibility_tree()) >= {
            ("textbox", "Your Name"), ("textbox", "Your Partners Name"), ("button", "Go"),
            ("button", "Clear All"), ("button", "Clear Partner"), ("button", "Exit"),
            ("menuitem", "About"), ("StaticText", "Hates"), ("StaticText", "Enemy")}, 10))

    def test_go_with_no_names_says_empty_data_and_plays_nothing(self):
        self.page.key("Enter")
        self.assertTrue(until(lambda: len(windows(self.page)) == 2), "a message box opens")
        self.assertTrue(result(self.page, "Note! Empty Data"), "screen readers are told")
        self.shot("web-note.png")
        self.page.key("Enter")
        self.assertTrue(until(lambda: len(windows(self.page)) == 1), "Enter closes it")
        image = self.page.screenshot()
        self.assertEqual(crosses(image, self.origin), [])
        self.assertEqual(focused_box(image, self.origin), "txtYourName")

    def test_markup_typed_into_a_name_box_does_not_run(self):
        self.enable_screen_reader()
        self.page.click(*at(self.main, "txtYourName"))
        self.page.insert_text('<img src=x onerror="window.ran = true">')
        self.page.key("Enter")
        self.assertTrue(result(self.page, "Note! Empty Data"), "the partner's name is missing")
        self.page.key("Enter")
        self.assertTrue(result(self.page, "Note! Please correct your Name"),
                        "the user's name holds the markup, as text")
        self.page.key("Enter")
        self.assertFalse(self.page.evaluate("window.ran || false"), "which did not run")

    def test_ram_and_sita_leave_hates(self):
        self.enable_screen_reader()
        play(self.page, self.main, "Ram", "Sita")
        self.assertTrue(result(self.page, "The result is Hates."), "screen readers are told")
        self.assertEqual(strikes(self.page), [5, 4, 6, 2, 3], "struck one at a time")
        self.assertEqual(crosses(self.page.screenshot(), self.origin), [2, 3, 4, 5, 6],
                         "the crosses stand beside the struck words")
        self.assertEqual(self.page.beeps(), 1, "one beep")
        self.assertIn(("StaticText", "Friend, crossed out"), self.page.accessibility_tree())
        self.shot("web-after-game.png")

    def test_input_during_a_game_waits_for_its_end(self):
        for case, (go, during, names, focus, next_result) in DURING_A_GAME.items():
            with self.subTest(case=case):
                # The input is to come before the game's end; on a machine so busy that it came
                # after, the game is played again in a page opened anew.
                for _ in range(3):
                    self.open()
                    self.main = front(self.page, 1)
                    self.enable_screen_reader()
                    self.page.evaluate(WATCH_RESULTS)
                    self.page.click(*at(self.main, "txtYourName"))
                    self.page.type("Ram")
                    self.page.key("Tab")
                    self.page.type("Sita")
                    if go == "Alt+G":
                        self.page.key("g", alt=True)
                    else:
                        self.page.key(go)
                    during(self)
                    self.assertTrue(result(self.page, "The result is Hates."),
                                    "the game of 'Ram' and 'Sita' plays out")
                    if all(before == 0 for _, before in self.page.evaluate("given")):
                        break
                ended = self.page.evaluate("results[0]")
                self.assertEqual(ended["names"], ["Ram", "Sita"], "nothing typed reached a box")
                drawn = picture(ended["drawn"])  # the window's contents, its menu bar on top
                self.assertEqual(focused_box(drawn, (0, drawn.height - CLIENT[1])),
                                 "txtYourPartner", "the partner's name kept the focus")
                self.assertEqual(strikes(self.page), [5, 4, 6, 2, 3])
                self.assertEqual(crosses(self.page.screenshot(), client(self.main)),
                                 [2, 3, 4, 5, 6])
                # Once over, the input held is let go.
                self.assertTrue(self.page.wait_for(
                    "%s.querySelector('input[aria-label=\"Your Name\"]').value == args[0] && %s"
                    ".querySelector('input[aria-label=\"Your Partners Name\"]').value == args[1]"
                    % (QT, QT), *names, timeout=10), "then the input takes effect: %s, not %s"
                    % (names, self.page.evaluate("[...%s.querySelectorAll('input[aria-label]')]"
                                                 ".map((box) => box.value)" % QT)))
                self.assertTrue(until(lambda: focused_box(self.page.screenshot(),
                                                          client(self.main)) == focus))
                self.page.key("Enter")
                self.assertTrue(result(self.page, "The result is %s." % next_result))

    def test_about_opens_with_alt_b_and_closes_every_way(self):
        for closing in ("Escape", "Enter", "click"):
            with self.subTest(closing=closing):
                self.page.key("b", alt=True)
                about = front(self.page, 2)
                self.assertTrue(about, "About opens in the middle of the page")
                self.assertEqual((about["contents"][2], about["title"]), (ABOUT[0], "About Tandro"))
                if closing == "Escape":
                    self.shot("web-about.png")
                    self.assertEqual(cut_off(self.page.screenshot(), client(about, False),
                                             TIGHT_TEXTS["about"]), [], "its texts fit")
                    self.enable_screen_reader()
                    self.assertTrue(until(lambda: (lambda tree: ("dialog", "About Tandro") in tree
                                                   and any(role == "StaticText"
                                                           and name.endswith("Version 2.1")
                                                           for role, name in tree))(
                        self.page.accessibility_tree()), 5), "screen readers find its texts")
                if closing == "click":
                    self.page.click(*at(about, "cmdOK", False))
                else:
                    self.page.key(closing)
                self.assertTrue(until(lambda: len(windows(self.page)) == 1), "it closes")

    def test_exit_ends_tandro_and_it_starts_again(self):
        self.page.click(*at(self.main, "cmdExit"))
        said = self.page.wait_for("document.getElementById('ended').innerText", timeout=10) or ""
        self.assertEqual(" ".join(said.split()), "Tandro has ended. Start it again")
        self.assertTrue(until(lambda: not windows(self.page)), "the window has gone")
        self.shot("web-ended.png")
        # Clicked once the call has returned: the page loads anew.
        self.page.evaluate("window.beforeStartingAgain = true,"
                           " setTimeout(() => document.getElementById('again').click())")
        self.page.wait_for("!window.beforeStartingAgain && document.readyState == 'complete'")
        self.assertTrue(until(lambda: windows(self.page)), "the window is back")



class InChromiumLanguage(SpeaksTheBrowsersLanguage, PageTest):
    def language_browser(self, languages):
        return browser.Chromium(languages=languages)


if __name__ == "__main__":
    unittest.main()
