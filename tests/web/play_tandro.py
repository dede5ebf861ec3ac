#!/usr/bin/python3
"""Plays Tandro in its web page, in headless Chromium, as users do on a computer and on phones, and
checks what the page shows: its pixels where the windows' places are known, what it tells screen
readers, and its own text.

    play_tandro.py SITE [PICTURES]

SITE is the folder that the web build writes, served as a host that sends its compressed files;
PICTURES, if given, receives screenshots of the page on a computer and on phones.
"""

import os
import re
import sys
import time

import browser
from browser import Page, served, until

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
WORDS = ["Hates", "Friend", "Love", "Admire", "Marriage", "Enemy"]  # the word labels' names

# The windows that Qt shows in the page, each an element of its own: their titles, frames and
# contents (below the title bar, menu bar included), in CSS pixels of the page, top first.
QT = ("(document.querySelector('#screen').firstElementChild?.shadowRoot"
      " || document.createDocumentFragment())")
WINDOWS = """[...%s.querySelectorAll('.qt-window')].filter((w) => w.offsetParent).map((w) => {
    const frame = w.getBoundingClientRect();
    const contents = w.querySelector('.qt-window-contents').getBoundingClientRect();
    return {title: w.querySelector('.window-name').textContent, z: +w.style.zIndex,
            frame: [frame.x, frame.y, frame.width, frame.height],
            contents: [contents.x, contents.y, contents.width, contents.height]};
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
            if (label && %r.includes(label[1]))
                strikes.push((text.endsWith('crossed out') ? '+' : '-') + label[1]);
        }
    }).observe(%s, {subtree: true, childList: true});
    return button.textContent;
})()""" % (QT, WORDS, QT)
failures = []


def check(condition, what):
    print(("ok    " if condition else "FAIL  ") + what)
    if not condition:
        failures.append(what)
    return condition


def windows(page):
    return page.evaluate(WINDOWS)


def front(page, count):
    """The window in front, once count windows show and it stands in the middle of the page."""
    def placed():
        shown = windows(page)
        if len(shown) != count:
            return None
        left, top, width, height = shown[0]["frame"]
        page_width, page_height = page.evaluate("[innerWidth, innerHeight]")
        centred = abs(2 * left + width - page_width) <= 2 and abs(2 * top + height - page_height) <= 2
        return shown[0] if centred else None
    return until(placed, 10)


def client(window, menu=True):
    """Where a window's client area starts: below its menu bar, for the main window, whose client
    area ends where its contents do."""
    left, top, _, height = window["contents"]
    return (left, top + height - CLIENT[1]) if menu else (left, top)


def at(window, name, menu=True):
    """The middle of control name on window, in the page's CSS pixels."""
    x, y, width, height = PLACES[name]
    left, top = client(window, menu)
    return left + x + width / 2, top + y + height / 2


def menu(window):
    """The middle of the main window's About menu."""
    left, top = window["contents"][:2]
    return left + 20, top + 9


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


def cut_off(image, origin, texts):
    """The texts whose box has ink at an edge where the text would be cut off."""
    def ink(x, top, height):
        return any(sum(pixel(image, origin, x, y)) < 300 for y in range(top, top + height))
    return [name for name, ((x, y, width, height), side) in texts.items()
            if (side in ("left", "both") and ink(x, y, height))
            or (side in ("right", "both") and ink(x + width - 1, y, height))]


def strikes(page):
    """The slots struck since the last call, in the order the page's mirror was told of them."""
    log = page.evaluate("strikes.splice(0)")
    return [WORDS.index(word[1:]) + 1 for word in log if word.startswith("+")]


def result(page, sentence, timeout=15):
    """Whether the live region comes to say sentence."""
    return page.wait_for("document.getElementById('result').textContent == %r" % sentence, timeout)


def no_errors(page, where):
    severe = [message for level, message in page.console()
              if "Uncaught" in message or "AudioContext was not allowed" in message]
    check(not page.uncaught() and not severe,
          "%s: no uncaught error and no warning of sound %s" % (where, page.uncaught() + severe))


def on_a_computer(site, shot):
    """A game, the messages, input during a game, About and Exit, as on a computer."""
    with served(site) as address, Page() as page:
        page.open(address + "index.html")
        check(page.evaluate("document.title") == "Tandro", "the page's title is Tandro")
        check(page.evaluate("[...document.querySelectorAll('link[rel=icon]')]"
                            ".some((l) => l.href.endsWith('heart.svg'))"), "the heart is its icon")
        main = front(page, 1)
        if not check(main, "the main window shows, in the middle of the page"):
            return
        origin = client(main)
        image = page.screenshot()
        shot(page, "web-start.png")
        check(main["contents"][2] == CLIENT[0] and image.getpixel(
            (int(origin[0]) + 40, int(origin[1]) + CLIENT[1] - 1)) == WINDOW,
              "its client area is %d x %d pixels below its menu bar, at its own size" % CLIENT)
        check(focused_box(image, origin) == "txtYourName", "the focus is in the user's name")
        texts = cut_off(image, origin, TIGHT_TEXTS["main"])
        check(not texts, "the captions fit their boxes %s" % texts)
        check(page.evaluate("document.getElementById('result').getAttribute('role')") == "status",
              "the page has a live region for screen readers")

        # A screen reader's user presses the button that Qt offers, and reaches every control.
        check(page.evaluate(ENABLE_SCREEN_READER) == "Enable Screen Reader",
              "the window offers screen readers a button to read it")
        tree = until(lambda: set(page.accessibility_tree()) >= {
            ("textbox", "Your Name"), ("textbox", "Your Partners Name"), ("button", "Go"),
            ("button", "Clear All"), ("button", "Clear Partner"), ("button", "Exit"),
            ("menuitem", "About"), ("StaticText", "Hates"), ("StaticText", "Enemy")}, 10)
        check(tree, "screen readers find the name boxes, the buttons, the About menu and the words")

        # Go with no names: "Empty Data", in a box of its own, said to screen readers; nothing is
        # played.
        page.key("Enter")
        check(until(lambda: len(windows(page)) == 2), "a message box opens")
        check(result(page, "Note! Empty Data"), "screen readers are told: Note! Empty Data")
        shot(page, "web-note.png")
        page.key("Enter")
        check(until(lambda: len(windows(page)) == 1), "Enter closes it")
        image = page.screenshot()
        check(crosses(image, origin) == [] and focused_box(image, origin) == "txtYourName",
              "no game was played, and the user's name has the focus again")

        # Markup typed into a name box is a name, not part of the page.
        page.insert_text('<img src=x onerror="window.ran = true">')
        time.sleep(0.5)
        check(not page.evaluate("window.ran"), "markup typed into a name box does not run")
        page.click(*at(main, "cmdClear"))

        # One game of 'Ram' and 'Sita': 5, 4, 6, 2, 3 are struck and "Hates" is left.
        page.evaluate("strikes.splice(0)")
        page.type("Ram")
        page.key("Tab")
        page.type("Sita")
        page.key("Enter")
        check(result(page, "The result is Hates."), "screen readers are told: The result is Hates.")
        check(strikes(page) == [5, 4, 6, 2, 3], "the game struck 5, 4, 6, 2, 3, one at a time")
        check(crosses(page.screenshot(), origin) == [2, 3, 4, 5, 6],
              "the crosses stand beside the struck words, and Hates is left")
        check(page.evaluate("TandroPage.tones") == 1, "one beep sounded")
        check(("StaticText", "Friend, crossed out") in page.accessibility_tree(),
              "screen readers hear a struck word as crossed out")
        shot(page, "web-after-game.png")

        # Input during a game waits for its end: a click into the user's name and a letter typed
        # there move nothing until the game is over, then make 'Rama' and 'Sita', which leave
        # "Admires".
        page.key("Enter")
        page.wait_for("strikes.includes('+Marriage')", 10)
        page.click(*at(main, "txtYourName"))
        page.key("End")
        page.type("a")
        image = page.screenshot()
        check(focused_box(image, origin) == "txtYourPartner",
              "during the game the partner's name keeps the focus")
        check(result(page, "The result is Hates."), "the game plays out")
        check(until(lambda: focused_box(page.screenshot(), origin) == "txtYourName"),
              "after it, the click has moved the focus to the user's name")
        strikes(page)
        page.key("Enter")
        check(result(page, "The result is Admires."), "the letter typed during the game was kept:"
              " 'Rama' and 'Sita' leave Admires")
        check(strikes(page) == [6, 1, 3, 2, 5], "struck in the order 6, 1, 3, 2, 5")

        # About, with Alt+B, modal, at its size; closed with Esc, Enter and a click on OK.
        for closing in ("Escape", "Enter", "click"):
            page.key("b", alt=True)
            about = front(page, 2)
            if not check(about, "Alt+B opens About, in the middle of the page"):
                break
            check(about["contents"][2] == ABOUT[0] and about["title"] == "About Tandro",
                  "About is titled About Tandro, %d pixels wide" % ABOUT[0])
            if closing == "Escape":
                shot(page, "web-about.png")
                texts = cut_off(page.screenshot(), client(about, False), TIGHT_TEXTS["about"])
                check(not texts, "About's texts fit their boxes %s" % texts)
                check(until(lambda: (lambda tree: ("dialog", "About Tandro") in tree and any(
                    role == "StaticText" and name.endswith("Version 2.1") for role, name in tree))(
                        page.accessibility_tree()), 5),
                      "screen readers find About's title and version")
            if closing == "click":
                page.click(*at(about, "cmdOK", False))
            else:
                page.key(closing)
            check(until(lambda: len(windows(page)) == 1), closing + " closes it")

        # Exit: the window goes, and the page says that Tandro has ended.
        page.click(*at(main, "cmdExit"))
        said = page.wait_for("document.getElementById('ended').innerText", 10) or ""
        check(" ".join(said.split()) == "Tandro has ended. Start it again"
              and until(lambda: not windows(page)),
              "Exit ends Tandro: the window goes, and the page says: " + " ".join(said.split()))
        shot(page, "web-ended.png")
        no_errors(page, "on a computer")
        # Clicked once the call has returned: the page loads anew.
        page.evaluate("window.beforeStartingAgain = true,"
                      " setTimeout(() => document.getElementById('again').click())")
        page.wait_for("!window.beforeStartingAgain && document.readyState == 'complete'")
        check(until(lambda: windows(page)), "Start it again brings the window back")


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


def on_a_phone(site, device, keyboards, shot):
    """Tandro on device, played by taps alone: its window as large as the screen allows, names as
    each of keyboards gives them, a message box, and About; nothing ever off the screen."""
    with served(site) as address, Page(device) as page:
        page.open(address + "index.html")
        what = device.name
        if not check(until(lambda: len(windows(page)) == 1), "%s: the window shows" % what):
            return

        def main():
            return front(page, 1)

        def zoom():
            """How the page is zoomed to the windows shown: (the zoom they are shown at, the zoom
            that makes them as large as the screen allows, whether all of them is on the screen,
            and the pixels the one in front is drawn at for each CSS pixel, over the device's)."""
            screen = page.evaluate("[visualViewport.width * visualViewport.scale,"
                                   " visualViewport.height * visualViewport.scale,"
                                   " visualViewport.scale, devicePixelRatio]")
            frames = [window["frame"] for window in windows(page)]
            best = min((screen[0] - 2 * MARGIN) / max(frame[2] for frame in frames),
                       (screen[1] - 2 * MARGIN) / max(frame[3] for frame in frames))
            on_screen = all(left >= 0 and top >= 0 and (left + width) * screen[2] <= screen[0] + 1
                            and (top + height) * screen[2] <= screen[1] + 1
                            for left, top, width, height in frames)
            canvas = page.evaluate(
                "(([c]) => c.width / c.getBoundingClientRect().width)"
                "([...%s.querySelectorAll('canvas.qt-window-content')]"
                ".filter((c) => c.offsetParent).slice(-1))" % QT)
            return screen[2], best, on_screen, canvas / screen[3] / screen[2]

        def fits(name):
            """Whether the windows shown are as large as the screen allows, all of them on the
            screen, and drawn sharp: at the device's pixels, times the zoom."""
            settled = lambda z: abs(z[0] - z[1]) < 0.02 and z[2] and z  # noqa: E731
            shown = until(lambda: settled(zoom()), 5) or zoom()
            return check(settled(shown) and abs(shown[3] - 1) < 0.05,
                         "%s: %s zoomed %.2f times (%.2f fills the screen), %s, drawn at %.2f "
                         "device pixels a pixel" % (what, name, shown[0], shown[1],
                                                    "all on it" if shown[2] else "not all on it",
                                                    shown[3]))

        fits("the main window is")
        size = "%d" % device.width
        shot(page, "phone-%s-start.png" % size)

        # A tap on Go with no names: "Note!", tapped away on its OK.
        page.tap(*at(main(), "cmdGo"))
        box = front(page, 2)
        if check(box, "%s: Go tapped with no names opens a message box" % what):
            shot(page, "phone-%s-note.png" % size)
            page.tap(*until(lambda: default_button(page, box), 5))
            check(until(lambda: len(windows(page)) == 1), "%s: a tap on OK closes it" % what)

        for keyboard in keyboards:
            page.tap(*at(main(), "cmdClear"))
            page.wait_for("document.getElementById('result').textContent == ''", 10)
            for box, name in (("txtYourName", "Ram"), ("txtYourPartner", "Sita")):
                page.tap(*at(main(), box))
                time.sleep(0.2)
                KEYBOARDS[keyboard](page, name)
            page.tap(*at(main(), "cmdGo"))
            check(result(page, "The result is Hates."),
                  "%s: 'Ram' and 'Sita' typed %s leave Hates" % (what, keyboard))
        if keyboards:
            shot(page, "phone-%s-after-game.png" % size)
            check(page.evaluate("TandroPage.tones") == len(keyboards),
                  "%s: each game beeped" % what)

        # About, from a tap on its menu, all of it on the screen; OK tapped.
        page.tap(*menu(main()))
        if check(until(lambda: len(windows(page)) == 2), "%s: a tap on About opens it" % what):
            fits("About and the window behind are")
            shot(page, "phone-%s-about.png" % size)
            page.tap(*at(front(page, 2), "cmdOK", False))
            check(until(lambda: len(windows(page)) == 1), "%s: a tap on OK closes About" % what)
            fits("the main window, back, is")
        no_errors(page, what)


def loading_and_failing(site, shot):
    """The progress of the download over a slow line, a download cut off and tried again, a
    program that is not there, and a browser without WebGL."""
    wasm = os.path.getsize(os.path.join(site, "tandro.wasm.br"))
    with served(site) as address, Page(browser.ANDROID_PHONE) as page:
        page.throttle(1_000_000, latency=100)
        page.open(address + "index.html")
        seen = []
        until(lambda: seen.append(page.evaluate(
            "[document.getElementById('progress').position,"
            " document.getElementById('progress-text').textContent]")) or windows(page), 60, 0.1)
        shot(page, "phone-390-loading.png")
        values = [value for value, _ in seen if 0 < value < 1]
        check(len(set(values)) >= 3 and values == sorted(values),
              "over a slow line the progress bar moves on: %s" % sorted(set(values))[:8])
        said = [text for _, text in seen if text.startswith("Downloading")]
        check(said and re.fullmatch(r"Downloading Tandro: \d+\.\d MB of %.1f MB" % (wasm / 1e6),
                                    said[len(said) // 2]),
              "and says how much of %.1f MB has come: %s" % (wasm / 1e6, said[len(said) // 2:][:1]))
        check(windows(page), "and the window shows when it is done")
        no_errors(page, "loading slowly")

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

    with served(site, CutOff) as address, Page() as page:
        page.open(address + "index.html")
        said = page.wait_for("!document.getElementById('failed').hidden"
                             " && document.getElementById('failure').textContent", 30) or ""
        check(said.startswith("The download of Tandro was interrupted")
              and page.evaluate("!document.getElementById('retry').hidden"),
              "a download cut off says so, with Try again: " + said)
        page.click(*page.evaluate("(([r]) => [r.x + r.width / 2, r.y + r.height / 2])"
                                  "([document.getElementById('retry').getBoundingClientRect()])"))
        check(until(lambda: windows(page)), "Try again downloads the program again, and it starts")
        scripts = page.evaluate("performance.getEntriesByType('resource')"
                                ".map((e) => e.name).filter((name) => name.endsWith('.js'))")
        check(len(scripts) == len(set(scripts)), "without fetching the page's scripts again")
        no_errors(page, "a download cut off")

    class Missing(browser.QuietHandler):
        def send_head(self):
            if self.path.startswith("/tandro.wasm"):
                self.send_error(404)
                return None
            return super().send_head()

    with served(site, Missing) as address, Page() as page:
        page.open(address + "index.html")
        said = page.wait_for("document.getElementById('failure').textContent", 30) or ""
        check(said.startswith("Tandro could not start: its program, tandro.wasm, could not be "
                              "fetched (404"), "a program not there is said plainly: " + said)

    with served(site) as address, Page(webgl=False) as page:
        page.open(address + "index.html")
        check(until(lambda: windows(page)), "without WebGL, Tandro starts all the same")


def main(site, pictures):
    def shot(page, name):
        if pictures:
            page.screenshot(os.path.join(pictures, name))

    on_a_computer(site, shot)
    for device, keyboards in ((browser.ANDROID_PHONE, list(KEYBOARDS)),
                              (browser.IPHONE_PHONE, list(KEYBOARDS)),
                              (browser.SMALL_PHONE, ["letter by letter"]),
                              (browser.NARROW_PHONE, []), (browser.LANDSCAPE_PHONE, []),
                              (browser.TABLET, [])):
        on_a_phone(site, device, keyboards, shot)
    loading_and_failing(site, shot)
    if failures:
        print("%d check(s) failed" % len(failures))
        return 1
    return 0


if __name__ == "__main__":
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1], sys.argv[2] if len(sys.argv) == 3 else None))
