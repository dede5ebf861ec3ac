"""What the web tests know of Tandro's page: where Qt shows its windows, where the controls stand in
them, and how to read the crosses, the focus, the texts and their contrast off the page's pixels;
and a test case that opens the site in a browser of its own and checks, after each test, that its
scripts threw nothing they did not catch and that its security policy refused nothing.

The site is the folder that TANDRO_SITE names; pictures go into TANDRO_PICTURES, where it is set.
"""

import os
import shutil
import tempfile
import unittest
from xml.etree import ElementTree

import browser
from browser import until

SITE = os.environ.get("TANDRO_SITE", "")
PICTURES = os.environ.get("TANDRO_PICTURES")
# What npm installed for the tests (node_modules): axe-core and Lighthouse.
TOOLS = os.environ.get("TANDRO_WEB_TOOLS", "")

WINDOW = (239, 239, 239)  # the windows' background
CLIENT = (286, 263)  # the main window's client area below its menu bar, in pixels
ABOUT = (382, 237)  # the About dialog's client area
MARGIN = 8  # the room that a phone's page leaves round the windows, in CSS pixels
# Places in the client area, in pixels at 96 dots per inch, as the windows' tables give them.
NAME_BOXES = {"txtYourName": (112, 16, 161, 19), "txtYourPartner": (112, 48, 161, 19)}
PLACES = {**NAME_BOXES, "cmdGo": (16, 80, 73, 25), "cmdClear": (106, 80, 73, 25),
          "cmdClearPartner": (194, 80, 73, 25), "cmdExit": (96, 224, 73, 25),
          "cmdOK": (283, 168, 84, 23)}  # the last About's
CROSS_LEFT, CROSS_TOP, CROSS_PITCH, CROSS_SIDE = 96, 120, 16, 17
WORDS = ["Hates", "Friend", "Love", "Admire", "Marriage", "Enemy"]  # the word labels' names

# The windows that Qt shows in the page, each an element of its own: their titles, frames and
# contents (below the title bar, menu bar included), in CSS pixels of the page, top first.
QT = ("(document.querySelector('#screen')?.firstElementChild?.shadowRoot"
      " || document.createDocumentFragment())")
WINDOWS = """[...%s.querySelectorAll('.qt-window')].filter((w) => w.offsetParent).map((w) => {
    const box = (r) => [r.x, r.y, r.width, r.height];
    const name = w.querySelector('.window-name').getBoundingClientRect();
    const bar = w.querySelector('.title-bar').getBoundingClientRect();
    return {title: w.querySelector('.window-name').textContent, z: +w.style.zIndex,
            frame: box(w.getBoundingClientRect()),
            contents: box(w.querySelector('.qt-window-contents').getBoundingClientRect()),
            titleText: [name.x, bar.y, name.width, bar.height]};
}).sort((a, b) => b.z - a.z)""" % QT
# Screen readers' mirror of the windows: once a screen reader presses its button, each control has
# an element of its own, named as the control, which the strikes are written down from.
ENABLE_SCREEN_READER = """(() => {
    const button = %s.querySelector('.qt-window-a11y-container button');
    button.click();
    window.strikes = [];
    new MutationObserver((changes) => {
        for (const change of changes) {
            const label = /\\.lbl(\\w+)$/.exec(change.target.id || '');
            const text = change.addedNodes.length ? change.addedNodes[0].textContent : '';
            if (label && args[0].includes(label[1]))
                strikes.push((text.endsWith('crossed out') ? '+' : '-') + label[1]);
        }
    }).observe(%s, {subtree: true, childList: true});
    return button.textContent;
})()""" % (QT, QT)


def windows(page):
    return page.evaluate(WINDOWS)


def front(page, count):
    """The window in front, once count windows show and it stands in the middle of the screen that
    Qt shows them in: the page, but for the line above it where the page says it plays offline."""
    def placed():
        shown = windows(page)
        if len(shown) != count or not page.evaluate(
                "getComputedStyle(document.getElementById('screen')).visibility == 'visible'"):
            return None
        left, top, width, height = shown[0]["frame"]
        screen = page.evaluate("(({x, y, width, height}) => [x, y, width, height])"
                               "(document.getElementById('screen').getBoundingClientRect())")
        centred = (abs(2 * (left - screen[0]) + width - screen[2]) <= 2
                   and abs(2 * (top - screen[1]) + height - screen[3]) <= 2)
        return shown[0] if centred else None
    return until(placed, 10)


def client(window, menu=True):
    """Where a window's client area starts: below its menu bar, for the main window, whose client
    area ends where its contents do."""
    left, top, _, height = window["contents"]
    return (left, top + height - CLIENT[1]) if menu else (left, top)


def at(window, name, menu=True, mirrored=False):
    """The middle of control name on window, in the page's CSS pixels; from the right, in a window
    mirrored for a language written so."""
    x, y, width, height = PLACES[name]
    if mirrored:
        x = window["contents"][2] - x - width
    left, top = client(window, menu)
    return left + x + width / 2, top + y + height / 2


def menu(window):
    """The middle of the main window's About menu."""
    left, top = window["contents"][:2]
    return left + 20, top + 9


def pixel(image, origin, x, y):
    return image.getpixel((round(origin[0] + x), round(origin[1] + y)))


def crosses(image, origin):
    """The slots (1 to 6) whose red cross shows."""
    shown = []
    for slot in range(1, 7):
        top = CROSS_TOP + CROSS_PITCH * (slot - 1)
        red = sum(1 for x in range(CROSS_SIDE) for y in range(CROSS_SIDE)
                  if (lambda p: p[0] > 200 and p[1] < 80 and p[2] < 80)(
                      pixel(image, origin, CROSS_LEFT + x, top + y)))
        if red > 10:
            shown.append(slot)
    return shown


def focused_box(image, origin):
    """The name box drawn with the focus: its upper edge is coloured, not grey."""
    for name, (x, y, width, _) in NAME_BOXES.items():
        r, g, b = pixel(image, origin, x + width // 2, y)
        if b > r + 60:
            return name
    return None


def luminance(rgb):
    linear = [c / 255 / 12.92 if c <= 10.31 else ((c / 255 + 0.055) / 1.055) ** 2.4 for c in rgb]
    return 0.2126 * linear[0] + 0.7152 * linear[1] + 0.0722 * linear[2]


def contrast(first, second):
    """The contrast ratio of two colours, as WCAG 2 defines it."""
    lighter, darker = sorted((luminance(first), luminance(second)), reverse=True)
    return (lighter + 0.05) / (darker + 0.05)


def drawn_contrast(image, box):
    """The contrast of what is drawn in box (left, top, width, height) of image against what
    stands behind it, its commonest colour: that of the pixel that stands out most."""
    left, top, width, height = (round(value) for value in box)
    colours = image.crop((left, top, left + width, top + height)).getcolors(width * height)
    background = max(colours)[1]
    return max(contrast(colour, background) for _, colour in colours)


# The texts of About, in pixels of its client area: (left, top, width, height) and the contrast
# that each is to have, WCAG AA's for text, and for large text (the title, 18 points bold). "Contact
# Information:" is taken a pixel short: its box reaches into the contact box's edge.
ABOUT_TEXTS = {"title": ((70, 8, 259, 32), 3), "version": ((72, 40, 259, 23), 4.5),
               "description": ((72, 64, 267, 46), 4.5), "warning": ((16, 128, 210, 15), 4.5),
               "credit line": ((16, 144, 257, 17), 4.5),
               "Contact Information:": ((16, 168, 185, 16), 4.5)}


# The main window's texts, in pixels of its client area, and the contrast each is to have: its two
# captions and the six words, and inside their frames, the name boxes and the buttons.
MAIN_TEXTS = {name: (box, 4.5) for name, box in {
    "lblYourName": (8, 16, 97, 17), "lblPartnerName": (8, 48, 97, 17),
    **{word: (120, CROSS_TOP + CROSS_PITCH * slot, 57, 17) for slot, word in enumerate(WORDS)},
    **{name: (x + 4, y + 4, width - 8, height - 8)
       for name, (x, y, width, height) in PLACES.items() if name != "cmdOK"}}.items()}


def falling_short(image, origin, texts, scale=1):
    """Of texts (each a box from origin, in pixels, and the contrast it is to have), those whose
    contrast in image falls short, with the contrast they have; image is of the page zoomed scale
    times."""
    left, top = origin
    short = {}
    for name, ((x, y, width, height), least) in texts.items():
        found = drawn_contrast(image, [value * scale for value in (left + x, top + y, width, height)])
        if found < least:
            short[name] = round(found, 2)
    return short


def main_unreadable(image, main, scale=1):
    """The texts of the main window, with nothing in front of it, that fall short in image."""
    return falling_short(image, client(main), MAIN_TEXTS, scale)


def unreadable(image, shown, scale=1):
    """The texts of the windows shown (About in front of the main window) whose contrast in image
    falls short, with the contrast they have; image is of the page zoomed scale times."""
    about, *behind = shown
    short = falling_short(image, client(about, False), ABOUT_TEXTS, scale)
    for window in shown:
        found = drawn_contrast(image, [value * scale for value in window["titleText"]])
        if found < 4.5:
            short["title bar: " + window["title"]] = round(found, 2)
    return short


def cut_off(image, origin, texts):
    """The texts whose box has ink at an edge where the text would be cut off."""
    def ink(x, top, height):
        return any(sum(pixel(image, origin, x, y)) < 300 for y in range(top, top + height))
    return [name for name, ((x, y, width, height), side) in texts.items()
            if (side in ("left", "both") and ink(x, y, height))
            or (side in ("right", "both") and ink(x + width - 1, y, height))]


# Done in the page, what its security policy is there to refuse: script made from text, a script
# and a style written into the page, a plugin's object, and a base for its addresses; in a task of
# the page's own, as a driver's own scripts may make script from text. What of it took effect all
# the same comes back (a plugin's object is known by its refusal alone: see refusals()).
FORBIDDEN = """new Promise((done) => setTimeout(() => {
    const took = [];
    try { if (eval('true')) took.push('eval'); } catch {}
    const added = [['script', 'window.ranInline = true;'], ['style', 'main { visibility: hidden; }'],
                   ['object', ''], ['base', '']].map(([tag, text]) => {
        const element = document.createElement(tag);
        element.textContent = text;
        if (tag == 'object') element.data = 'heart.svg';
        if (tag == 'base') element.href = 'https://elsewhere.invalid/';
        (tag == 'object' ? document.body : document.head).append(element);
        return element;
    });
    if (window.ranInline) took.push('script');
    if (getComputedStyle(document.querySelector('main')).visibility == 'hidden') took.push('style');
    if (document.baseURI.includes('elsewhere')) took.push('base');
    added.forEach((element) => element.remove());
    done(took);
}))"""


def refusals(page, count):
    """Once count refusals have been recorded, each as the kind of thing refused (script, style,
    object, base) and whether it was written into the page (inline) or made from text (eval);
    taken away, so that a test's own refusals are not the page's."""
    page.wait_for("refused.length >= args[0]", count, timeout=10)
    kinds = {"script-src": "script", "style-src": "style", "object-src": "object",
             "base-uri": "base"}
    found = []
    if isinstance(page, browser.Chromium):
        page.console()  # where Chromium says them too
    for refusal in page.evaluate("refused.splice(0)"):
        directive, refused = refusal.split(" ", 1)
        kind = kinds.get(directive.replace("-elem", ""), directive)
        found.append(kind + (" " + refused if refused in ("inline", "eval") else ""))
    return sorted(set(found))


def result(page, sentence, timeout=15):
    """Whether the live region comes to say sentence."""
    return page.wait_for("document.getElementById('result').textContent == args[0]", sentence,
                         timeout=timeout)


def strikes(page):
    """The slots struck since the last call, in the order the page's mirror was told of them."""
    log = page.evaluate("strikes.splice(0)")
    return [WORDS.index(word[1:]) + 1 for word in log if word.startswith("+")]


# The colour schemes that a browser may prefer: see browser.Chromium.show_in.
SCHEMES = ("light", "dark", "forced")


def readable(test, picture, scale=1, timeout=10):
    """Waits until every text of the windows shown reads (About in front of the main window, as
    unreadable() says), as the browser draws them; the texts that still fall short, if any. The
    last look is kept as picture."""
    short = {}

    def reads():
        short.clear()
        short.update(unreadable(test.screenshot(picture), windows(test.page), scale))
        return not short
    until(reads, timeout, 0.2)
    return short


def play(page, main, your_name, partner_name, mirrored=False):
    """Types the names as a computer's user does, Tab between them, and presses Enter."""
    page.click(*at(main, "txtYourName", mirrored=mirrored))
    page.type(your_name)
    page.key("Tab")
    page.type(partner_name)
    page.key("Enter")


# What the service worker keeps: the name of each cache and the paths of the files in it.
KEPT = """(async () => Object.fromEntries(await Promise.all(
    (await caches.keys()).map(async (name) => [name,
        (await (await caches.open(name)).keys()).map((r) => new URL(r.url).pathname).sort()]))))()"""


def kept(page):
    return page.evaluate(KEPT)


def translated(language, context, source):
    """The translation of source in Tandro's translation of language (translations/), or source
    itself for English (None)."""
    if not language:
        return source
    tree = ElementTree.parse(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..",
                                          "translations", "tandro_%s.ts" % language))
    for found in tree.getroot().iter("context"):
        if found.findtext("name") == context:
            for message in found.iter("message"):
                if message.findtext("source") == source:
                    return message.findtext("translation")
    raise KeyError((language, context, source))


def hates(language=None):
    """What the live region says once 'Ram' and 'Sita' have played, in language (English for
    None): that the result is Hates."""
    return translated(language, "frmMain", "The result is %1.").replace(
        "%1", translated(language, "Tandro::Board", "Hates"))


# Texts that fill most of their boxes, with the side where a text too wide would be cut off: the
# captions stand right-aligned, the buttons' texts centred, the About dialog's lines left-aligned.
TIGHT_TEXTS = {
    "main": {"lblPartnerName": ((8, 48, 97, 17), "left"),
             "lblYourName": ((8, 16, 97, 17), "left"),
             "cmdClearPartner": ((198, 83, 67, 19), "both"),
             "cmdClear": ((110, 83, 67, 19), "both")},
    "about": {"lblDisclaimer": ((16, 128, 210, 15), "right"),
              "Label1": ((16, 144, 257, 17), "right")},
}

class SpeaksTheBrowsersLanguage:
    """The page and its program in the first of the browser's languages that Tandro speaks, the
    page's texts, the program's and Qt's own, with the faces that draw them, which the page fetches
    for that language alone: with a PageTest, in the browser that language_browser() makes."""

    # The browser's languages, best first; the translation the page speaks, and its direction.
    ROWS = ((["de-AT", "en"], "de", "ltr"),
            (["xx", "ar"], "ar", "rtl"),
            (["hi"], "hi", "ltr"),
            (["zh-TW", "ja"], "zh_CN", "ltr"),
            (["pt-PT"], "pt_BR", "ltr"),
            (["en-GB", "de"], None, "ltr"))
    # The main window's captions and buttons that fill most of their boxes, in every language.
    TIGHT = TIGHT_TEXTS["main"]

    def language_browser(self, languages):
        raise NotImplementedError

    def browser(self):
        return self.language_browser(self.languages)

    def setUp(self):
        pass  # a browser for each row

    def tearDown(self):
        pass  # each row's, after it

    def test_each_language_as_the_browser_names_it(self):
        for self.languages, language, direction in self.ROWS:
            with self.subTest(languages=self.languages):
                super().setUp()
                self.open()
                main = front(self.page, 1)
                self.assertTrue(main, "the main window shows")
                self.assertEqual(self.page.evaluate(
                    "[document.documentElement.lang, document.documentElement.dir]"),
                    [language.replace("_", "-") if language else "en",
                     direction if language else ""])
                self.assertEqual(self.page.evaluate(
                    "document.getElementById('heading').textContent"),
                    translated(language, "Page", "%1, a game for two names").replace(
                        "%1", "Tandro"))
                # Qt's own button for screen readers, in the program's translation.
                self.assertEqual(self.page.evaluate(
                    "%s.querySelector('.qt-window-a11y-container button').textContent" % QT),
                    translated(language, "QWasmAccessibility", "Enable Screen Reader"))
                # The faces of the language, and no other's.
                wanted = self.page.evaluate(
                    "(self.TandroLanguages.choose(navigator.languages)?.faces ?? [])"
                    ".map((face) => face.file)")
                fetched = self.page.evaluate(
                    "performance.getEntriesByType('resource').map((e) => new URL(e.name).pathname)"
                    ".filter((path) => path.includes('/faces/')).map((p) => p.slice(1))")
                self.assertEqual(sorted(fetched), sorted(wanted))
                if language in (None, "ar", "hi", "zh_CN"):
                    self.assertEqual(bool(wanted), bool(language), "faces for its scripts alone")
                play(self.page, main, "Ram", "Sita", mirrored=direction == "rtl")
                self.assertTrue(result(self.page, hates(language)),
                                "the live region says the result in the language")
                self.shot("web-language-%s.png" % (language or "en"))
                # Each caption whole in its box, mirrored from the right in Arabic.
                width = CLIENT[0]
                boxes = {name: ((width - x - w, y, w, h) if direction == "rtl" else (x, y, w, h),
                                {"left": "right", "right": "left"}.get(side, side)
                                if direction == "rtl" else side)
                         for name, ((x, y, w, h), side) in self.TIGHT.items()}
                self.assertEqual(cut_off(self.page.screenshot(), client(main), boxes), [])
                super().tearDown()
                self.doCleanups()


class PageTest(unittest.TestCase):
    """A test of the page in a browser of its own: self.page, made by browser() for each test, and
    closed after it, once it is checked that its scripts threw nothing that they did not catch."""

    def browser(self):
        return browser.Chromium()

    def handler(self):
        """How the host serves the site to this test's browser."""
        return self.page.handler

    def setUp(self):
        if not SITE:
            self.skipTest("TANDRO_SITE names no site")
        self.page = self.browser()
        self.addCleanup(lambda: self.page.close())
        self.server = browser.Server(SITE, self.handler())
        self.addCleanup(self.server.stop)

    def tearDown(self):
        errors = self.page.uncaught()
        refused = self.page.refused()
        if isinstance(self.page, browser.Chromium):
            console = [message for level, message in self.page.console()]
            errors += [message for message in console
                       if "Uncaught" in message or "AudioContext was not allowed" in message]
            refused += [message for message in console if "Content Security Policy" in message]
        self.assertEqual(errors, [], "the page's scripts threw errors they did not catch")
        self.assertEqual(refused, [], "the page's security policy refused what the page did")

    def use(self, page):
        """Goes on in page, another browser, instead."""
        self.page.close()
        self.page = page

    def open(self, server=None, folder=""):
        """Opens the page of the site that server serves, at folder/ of it if given."""
        self.page.open((server or self.server).address + folder + "index.html")

    def shot(self, name):
        if PICTURES:
            self.page.screenshot(os.path.join(PICTURES, name))

    def screenshot(self, name=None):
        """What the page shows, kept in TANDRO_PICTURES as name where that is set."""
        return self.page.screenshot(os.path.join(PICTURES, name) if PICTURES and name else None)

    def about_after_a_game(self, picture):
        """Opens the page and plays 'Ram' and 'Sita' as a computer's user does, and looks at the
        main window's texts; then opens About by its access key, and waits until the texts of both
        windows read, keeping the picture (and the main window's, named "after-game" for "about").
        What falls short, if anything does."""
        self.open()
        main = front(self.page, 1)
        self.assertTrue(main, "the main window shows")
        play(self.page, main, "Ram", "Sita")
        self.assertTrue(result(self.page, "The result is Hates."), "the game plays out")
        game = picture and picture.replace("about", "after-game")
        short = main_unreadable(self.screenshot(game), main)
        self.page.key("b", alt=True)
        self.assertTrue(front(self.page, 2), "About opens in front of the main window")
        return {**short, **readable(self, picture)}

    def copy_of_site(self):
        """A copy of the site, in a folder of its own for this test."""
        folder = tempfile.mkdtemp(prefix="tandro-site-")
        self.addCleanup(shutil.rmtree, folder, True)
        shutil.copytree(SITE, folder, dirs_exist_ok=True)
        return folder


def violations(page):
    """What axe-core finds wrong on the page as it stands, by its rules (WCAG's and its own best
    practices), each rule with the elements that break it. axe-core is put into the page as a
    script of the test's own, not under the page's policy."""
    if not page.evaluate("typeof axe == 'object'"):
        with open(os.path.join(TOOLS, "axe-core", "axe.min.js"), encoding="utf-8") as axe:
            page.run_script(axe.read())
    return page.evaluate("axe.run(document, {resultTypes: ['violations']}).then((found) =>"
                         " found.violations.map((rule) => rule.id + ': ' + rule.nodes.map("
                         "(node) => node.target.join(' ')).join(', ')))")


def audit(test, touch=False):
    """axe-core's violations in each state of the page that a player meets, by state: at the
    start, with a message box open, after a game and with About open, and then the same with the
    windows mirrored for screen readers ("Enable Screen Reader" pressed); on a touch screen
    (touch), played by taps."""
    page = test.page
    press = page.tap if touch else page.click
    found = {}

    def look(state):
        found[state] = violations(page)

    def states(reader):
        test.open()
        main = front(page, 1)
        test.assertTrue(main, "the main window shows")
        if reader:
            page.evaluate(ENABLE_SCREEN_READER, WORDS)
        look("at the start" + reader)
        press(*at(main, "cmdGo"))
        test.assertTrue(front(page, 2), "Go with no names opens a message box")
        look("with a message box open" + reader)
        page.key("Enter")
        test.assertTrue(front(page, 1), "Enter closes it")
        for box, name in (("txtYourName", "Ram"), ("txtYourPartner", "Sita")):
            press(*at(main, box))
            page.evaluate("new Promise((done) => requestAnimationFrame(() =>"
                          " requestAnimationFrame(done)))")
            page.type(name)
        press(*at(main, "cmdGo"))
        test.assertTrue(result(page, "The result is Hates."), "a game plays out")
        look("after a game" + reader)
        if touch:
            page.tap(*menu(main))
        else:
            page.key("b", alt=True)
        about = front(page, 2)
        test.assertTrue(about, "About opens")
        look("with About open" + reader)
        press(*at(about, "cmdOK", False))
        test.assertTrue(front(page, 1), "About closes")

    states("")
    states(", for a screen reader")
    return {state: found[state] for state in found if found[state]}
