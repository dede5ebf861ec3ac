#!/usr/bin/python3
"""Plays Tandro in its web page, in headless Chromium, as a user would, and checks what the page
shows: its pixels where the windows' places are known, and its own text.

    play_tandro.py SITE [PICTURES]

SITE is the folder that the web build writes; PICTURES, if given, receives screenshots of the page
at its start, with a "Note!" box, after a game and with About open.
"""

import os
import sys
import time

import browser
from browser import until

WINDOW = (239, 239, 239)  # the windows' background
TITLE = (48, 140, 198)  # the title bar of a window, as Qt for WebAssembly draws it
CLIENT = (286, 263)  # the main window's client area below its menu bar, in pixels
ABOUT = (382, 237)  # the About dialog's client area
# Places in the client area, in pixels at 96 dots per inch, as the windows' tables give them.
NAME_BOXES = {"txtYourName": (112, 16, 161, 19), "txtYourPartner": (112, 48, 161, 19)}
EXIT = (96, 224, 73, 25)
CROSS_LEFT, CROSS_TOP, CROSS_PITCH, CROSS_SIDE = 96, 120, 16, 17
OK_IN_ABOUT = (283, 168, 84, 23)
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

failures = []


def check(condition, what):
    print(("ok    " if condition else "FAIL  ") + what)
    if not condition:
        failures.append(what)
    return condition


def windows(image):
    """The windows shown, as the left, top, right and bottom of their title bars, top first. A
    title bar's first row is whole; lower rows are broken by its text."""
    found = []
    for left, top, right in image.runs(TITLE, 60):
        if top > 0 and TITLE in (image.pixel(left, top - 1), image.pixel(right, top - 1)):
            continue
        bottom = top
        while image.pixel(left, bottom + 1) == TITLE:
            bottom += 1
        found.append((left, top, right, bottom))
    return found


def client_origin(image, band, border=None):
    """Where the client area of the window with title bar band starts, and how wide the border
    under the title bar is. The main window's client area ends at its frame's lower border and
    starts CLIENT's height above; a dialog's starts below the border, as wide as the main
    window's."""
    left, _, _, bottom = band
    if border is None:
        y = bottom + 1
        while image.pixel(left + 40, y) != WINDOW:
            y += 1
        border = y - bottom - 1
        y = image.height - 1
        while image.pixel(left + 40, y) != WINDOW:
            y -= 1  # up from the frame's lower edge
        return (left, y - CLIENT[1] + 1), border
    return (left, bottom + 1 + border), border


def crosses(image, origin):
    """The slots (1 to 6) whose red cross shows."""
    shown = []
    for slot in range(1, 7):
        top = origin[1] + CROSS_TOP + CROSS_PITCH * (slot - 1)
        red = sum(1 for x in range(CROSS_SIDE) for y in range(CROSS_SIDE)
                  if (lambda p: p[0] > 200 and p[1] < 80 and p[2] < 80)(
                      image.pixel(origin[0] + CROSS_LEFT + x, top + y)))
        if red > 10:
            shown.append(slot)
    return shown


def focused_box(image, origin):
    """The name box drawn with the focus: its upper edge is coloured, not grey."""
    for name, (x, y, width, _) in NAME_BOXES.items():
        r, g, b = image.pixel(origin[0] + x + width // 2, origin[1] + y)
        if b > r + 60:
            return name
    return None


def cut_off(image, origin, texts):
    """The texts whose box has ink at an edge where the text would be cut off."""
    def ink(x, top, height):
        return any(sum(image.pixel(origin[0] + x, origin[1] + y)) < 300
                   for y in range(top, top + height))
    cut = []
    for name, ((x, y, width, height), side) in texts.items():
        if (side in ("left", "both") and ink(x, y, height)) or \
                (side in ("right", "both") and ink(x + width - 1, y, height)):
            cut.append(name)
    return cut


def centre(origin, place):
    x, y, width, height = place
    return origin[0] + x + width // 2, origin[1] + y + height // 2


def play_a_game(page, origin, left):
    """Waits for a game to strike its five words; the crosses seen, in order of appearing."""
    seen = []
    while len(seen) < 5:
        shown = until(lambda: [s for s in crosses(page.screenshot(), origin) if s not in seen],
                      timeout=10)
        if not shown:
            break
        seen += shown
    check(len(seen) == 5 and left not in seen,
          "the game struck five words, one at a time, leaving slot %d: struck %s" % (left, seen))
    return seen


def main(site, pictures):
    def shot(name):
        if pictures:
            page.screenshot(os.path.join(pictures, name))

    with browser.served(site) as address, browser.Page() as page:
        if pictures:
            page.throttle(2_000_000)  # slow enough to picture the page while it loads
        page.open(address + "index.html")
        check(page.wait_for("document.title") == "Tandro", "the page's title is Tandro")
        loading = page.wait_for("document.getElementById('progress').textContent")
        check(loading and "Tandro" in loading, "while it loads, the page says: " + str(loading))
        if pictures:
            time.sleep(1)
            shot("web-loading.png")
            page.throttle(None)
        check(page.evaluate("[...document.querySelectorAll('link[rel=icon]')]"
                            ".some(l => l.href.endsWith('heart.svg'))"), "the heart is its icon")
        check(until(lambda: windows(page.screenshot())), "the main window shows")
        image = page.screenshot()
        shot("web-start.png")
        band = windows(image)[0]
        origin, border = client_origin(image, band)
        left, client_top = origin
        width = band[2] - band[0] + 1
        check(width == CLIENT[0], "the main window is %d pixels wide" % width)
        bottom = client_top + CLIENT[1] - 1
        check(image.pixel(left + 40, bottom) == WINDOW
              and image.pixel(left + 40, bottom + 1) != WINDOW,
              "its client area is %d x %d pixels below its menu bar" % CLIENT)
        margins = (left, image.width - 1 - band[2])
        check(abs(margins[0] - margins[1]) <= 1, "it stands in the middle of the page %s" % (margins,))
        check(focused_box(image, origin) == "txtYourName", "the focus is in the user's name")
        check(not cut_off(image, origin, TIGHT_TEXTS["main"]),
              "the captions fit their boxes %s" % cut_off(image, origin, TIGHT_TEXTS["main"]))
        check(page.evaluate("document.getElementById('result').getAttribute('role')") == "status",
              "the page has a live region for screen readers")

        # Go with no names: "Empty Data", in a box of its own, and nothing is played.
        page.key("Enter")
        check(until(lambda: len(windows(page.screenshot())) == 2), "a message box opens")
        shot("web-note.png")
        page.key("Enter")
        check(until(lambda: len(windows(page.screenshot())) == 1), "Enter closes it")
        image = page.screenshot()
        check(crosses(image, origin) == [] and focused_box(image, origin) == "txtYourName",
              "no game was played, and the user's name has the focus again")

        # One game of 'Ram' and 'Sita': 5, 4, 6, 2, 3 are struck and "Hates" is left.
        page.type("Ram")
        page.key("Tab")
        page.type("Sita")
        page.key("Enter")
        check(play_a_game(page, origin, 1) == [5, 4, 6, 2, 3], "in the order 5, 4, 6, 2, 3")
        check(page.wait_for("TandroPage.tones == 1", 10), "one beep sounded")
        check(page.wait_for("document.getElementById('result').textContent", 10)
              == "The result is Hates.", "screen readers are told: The result is Hates.")
        shot("web-after-game.png")

        # Input during a game waits for its end: a click into the user's name and a letter typed
        # there move nothing until the game is over, then make 'Rama' and 'Sita', which leave
        # "Admires".
        page.key("Enter")
        until(lambda: crosses(page.screenshot(), origin) == [5])
        page.click(*centre(origin, NAME_BOXES["txtYourName"]))
        page.key("End")
        page.type("a")
        image = page.screenshot()
        during = crosses(image, origin)
        check(len(during) < 5 and focused_box(image, origin) == "txtYourPartner",
              "during the game the partner's name keeps the focus (crosses %s)" % during)
        play_a_game(page, origin, 1)
        page.wait_for("TandroPage.tones == 2", 10)
        check(until(lambda: focused_box(page.screenshot(), origin) == "txtYourName"),
              "after it, the click has moved the focus to the user's name")
        page.key("Enter")
        check(play_a_game(page, origin, 4) == [6, 1, 3, 2, 5],
              "the letter typed during the game was kept: 'Rama' and 'Sita' leave Admires")
        check(page.wait_for("document.getElementById('result').textContent == "
                            "'The result is Admires.'", 10), "and screen readers are told so")

        # About, with Alt+B, modal, at its size; closed with Esc, Enter and a click on OK.
        for closing in ("Escape", "Enter", "click"):
            page.key("b", alt=True)
            about = until(lambda: [w for w in windows(page.screenshot()) if w != band])
            if not check(about, "Alt+B opens About"):
                break
            about = about[0]
            check(about[2] - about[0] + 1 == ABOUT[0], "About is %d pixels wide" % ABOUT[0])
            if closing == "Escape":
                shot("web-about.png")
                image = page.screenshot()
                texts = cut_off(image, client_origin(image, about, border)[0], TIGHT_TEXTS["about"])
                check(not texts, "About's texts fit their boxes %s" % texts)
            if closing == "click":
                image = page.screenshot()
                page.click(*centre(client_origin(image, about, border)[0], OK_IN_ABOUT))
            else:
                page.key(closing)
            check(until(lambda: windows(page.screenshot()) == [band]), closing + " closes it")

        # Exit: the window goes, and the page says that Tandro has ended.
        page.click(*centre(origin, EXIT))
        said = page.wait_for("document.getElementById('ended').innerText", 10) or ""
        check(" ".join(said.split()) == "Tandro has ended. Start it again"
              and until(lambda: not windows(page.screenshot())),
              "Exit ends Tandro: the window goes, and the page says: " + " ".join(said.split()))
        shot("web-ended.png")
        # Clicked once the call has returned: the page loads anew (and a screenshot waits until
        # it has).
        page.evaluate("window.beforeStartingAgain = true;"
                      "setTimeout(() => document.getElementById('again').click())")
        page.wait_for("!window.beforeStartingAgain && document.readyState == 'complete'")
        check(until(lambda: windows(page.screenshot())), "Start it again brings the window back")

    if failures:
        print("%d check(s) failed" % len(failures))
        return 1
    return 0


if __name__ == "__main__":
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1], sys.argv[2] if len(sys.argv) == 3 else None))
