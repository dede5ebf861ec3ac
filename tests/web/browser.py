"""Debian's headless Chromium, driven by Selenium through ChromeDriver, for the web build.

Opens pages in a fresh Chromium (its own profile, no network of its own), as a computer's browser or
as a phone's (Chromium's device emulation: size, pixel ratio, touch and user agent), gives the input
a user gives (clicks, taps, keys, and text as phone keyboards give it), and reads back what the page
shows: the result of its scripts, its pixels (as Pillow images), its accessibility tree, and the
errors it did not catch.
"""

import base64
import collections
import io
import os
import sys
import time

from PIL import Image  # Debian's python3-pil
from selenium import webdriver  # Debian's python3-selenium
from selenium.webdriver.chrome.service import Service

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "packaging", "web"))
# The site served as a host that keeps .br and .gz files serves it.
from serve import QuietHandler, served  # noqa: E402,F401

CHROMIUM = "/usr/bin/chromium"
CHROMEDRIVER = "/usr/bin/chromedriver"

# A browser's screen in CSS pixels, its device pixel ratio, and, for a phone or a tablet, touch and
# the user agent its browser sends.
Device = collections.namedtuple("Device", "name width height ratio user_agent")
ANDROID = ("Mozilla/5.0 (Linux; Android 14; Pixel 8) AppleWebKit/537.36 (KHTML, like Gecko) "
           "Chrome/156.0.0.0 Mobile Safari/537.36")
IPHONE = ("Mozilla/5.0 (iPhone; CPU iPhone OS 18_1 like Mac OS X) AppleWebKit/605.1.15 "
          "(KHTML, like Gecko) Version/18.1 Mobile/15E148 Safari/604.1")
COMPUTER = Device("a computer", 800, 600, 1, None)
ANDROID_PHONE = Device("an Android phone", 390, 844, 3, ANDROID)
IPHONE_PHONE = Device("an iPhone", 390, 844, 3, IPHONE)
SMALL_PHONE = Device("a small Android phone", 360, 640, 3, ANDROID)
NARROW_PHONE = Device("a phone 320 pixels wide", 320, 568, 2, ANDROID)
LANDSCAPE_PHONE = Device("an Android phone held sideways", 844, 390, 3, ANDROID)
TABLET = Device("a tablet", 768, 1024, 2, ANDROID.replace(" Mobile", ""))

# Recorded by every page from its start: what its scripts threw and did not catch.
UNCAUGHT = """
window.uncaught = [];
addEventListener('error', (e) => uncaught.push(String(e.message)));
addEventListener('unhandledrejection', (e) => uncaught.push(String(e.reason && e.reason.message || e.reason)));
"""

KEYS = {"Enter": 13, "Tab": 9, "Escape": 27, "Backspace": 8, "End": 35}


def until(what, timeout=30, every=0.03):
    """Waits until what() is true, for timeout seconds at most; its last value."""
    end = time.monotonic() + timeout
    value = what()
    while not value and time.monotonic() < end:
        time.sleep(every)
        value = what()
    return value


class Page:
    """One tab of a headless Chromium of its own, as on device."""

    def __init__(self, device=COMPUTER, webgl=True):
        self.device = device
        options = webdriver.ChromeOptions()
        options.binary_location = CHROMIUM
        for argument in ("--headless=new", "--no-sandbox", "--no-first-run",
                         "--disable-background-networking", "--disable-component-update",
                         "--disable-sync", "--disable-quic", "--disable-extensions", "--mute-audio",
                         "--enable-unsafe-swiftshader", "--use-angle=swiftshader",
                         "--window-size=%d,%d" % (device.width, device.height)):
            options.add_argument(argument)
        if not webgl:
            options.add_argument("--disable-webgl")
        if device.user_agent:
            options.add_experimental_option("mobileEmulation", {
                "deviceMetrics": {"width": device.width, "height": device.height,
                                  "pixelRatio": device.ratio, "touch": True, "mobile": True},
                "userAgent": device.user_agent})
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        self.driver = webdriver.Chrome(options=options, service=Service(CHROMEDRIVER))
        # No call waits longer than a minute: a page that no longer answers fails the test.
        self.driver.set_script_timeout(60)
        self.driver.set_page_load_timeout(60)
        if not device.user_agent:
            self.send("Emulation.setDeviceMetricsOverride", width=device.width,
                      height=device.height, deviceScaleFactor=1, mobile=False)
        self.send("Page.addScriptToEvaluateOnNewDocument", source=UNCAUGHT)

    def close(self):
        self.driver.quit()

    def __enter__(self):
        return self

    def __exit__(self, *exception):
        self.close()

    def send(self, method, **params):
        """Calls a method of the DevTools protocol and returns its result."""
        return self.driver.execute_cdp_cmd(method, params)

    def evaluate(self, expression):
        """The value of a JavaScript expression in the page."""
        return self.driver.execute_script("return (%s);" % expression)

    def wait_for(self, expression, timeout=60, every=0.05):
        """Waits until a JavaScript expression is true in the page; its last value."""
        return until(lambda: self.evaluate(expression), timeout, every)

    def open(self, address):
        self.driver.get(address)

    def throttle(self, bytes_per_second=None, latency=0):
        """Fetches at most bytes_per_second, each request latency ms late, as over a slow line;
        None lifts the limit."""
        self.send("Network.enable")
        self.send("Network.emulateNetworkConditions", offline=False, latency=latency,
                  downloadThroughput=bytes_per_second or -1, uploadThroughput=-1)

    def fetched(self):
        """The paths the page fetched, with the bytes that came over the line for each."""
        return self.evaluate("Object.fromEntries(performance.getEntriesByType('resource')"
                             ".concat(performance.getEntriesByType('navigation'))"
                             ".map((e) => [new URL(e.name).pathname, e.transferSize]))")

    def screenshot(self, path=None, clip=None):
        """What the page shows, as an RGB image in CSS pixels, or the part clip (left, top, width,
        height) of it."""
        area = {"clip": dict(zip(("x", "y", "width", "height"), clip), scale=1)} if clip else {}
        data = base64.b64decode(self.send("Page.captureScreenshot", format="png", **area)["data"])
        if path:
            with open(path, "wb") as file:
                file.write(data)
        image = Image.open(io.BytesIO(data)).convert("RGB")
        if not clip and image.width != self.device.width:
            image = image.resize((round(image.width / self.device.ratio),
                                  round(image.height / self.device.ratio)), Image.NEAREST)
        return image

    def click(self, x, y):
        for kind in ("mousePressed", "mouseReleased"):
            self.send("Input.dispatchMouseEvent", type=kind, x=x, y=y, button="left",
                      buttons=1 if kind == "mousePressed" else 0, clickCount=1)

    def tap(self, x, y):
        self.send("Input.dispatchTouchEvent", type="touchStart", touchPoints=[{"x": x, "y": y}])
        self.send("Input.dispatchTouchEvent", type="touchEnd", touchPoints=[])

    def key(self, name, alt=False):
        """Presses and releases a key: a letter, or one of KEYS."""
        if name in KEYS:
            code, text, virtual = name, "\r" if name == "Enter" else "", KEYS[name]
        else:
            code, text, virtual = "Key" + name.upper(), name, ord(name.upper())
        modifiers = 1 if alt else 0
        self.send("Input.dispatchKeyEvent", type="keyDown", key=name, code=code,
                  text="" if alt else text, windowsVirtualKeyCode=virtual, modifiers=modifiers)
        self.send("Input.dispatchKeyEvent", type="keyUp", key=name, code=code,
                  windowsVirtualKeyCode=virtual, modifiers=modifiers)

    def type(self, text):
        for letter in text:
            self.key(letter)

    def insert_text(self, text):
        """Text as a phone's keyboard inserts a word it suggests, or dictation: all at once."""
        self.send("Input.insertText", text=text)

    def compose(self, *steps):
        """Text as a composing keyboard (Android's) gives it: each step shown as it is being
        written, then the last one committed."""
        for step in steps:
            self.send("Input.imeSetComposition", text=step, selectionStart=len(step),
                      selectionEnd=len(step))
        self.send("Input.insertText", text=steps[-1])

    def paste(self, text):
        """Text pasted as a browser pastes it into the element with the focus: the paste event
        with the text, then the input it makes."""
        self.evaluate("""(() => {
            let target = document.activeElement;
            while (target && target.shadowRoot && target.shadowRoot.activeElement)
                target = target.shadowRoot.activeElement;
            const data = new DataTransfer();
            data.setData('text/plain', %r);
            target.dispatchEvent(new ClipboardEvent('paste', {clipboardData: data, bubbles: true}));
            target.dispatchEvent(new InputEvent('input', {inputType: 'insertFromPaste', bubbles: true}));
        })()""" % text)

    def accessibility_tree(self):
        """The page's accessibility tree, as screen readers get it: (role, name) of each node that
        they are not told to ignore."""
        nodes = self.send("Accessibility.getFullAXTree")["nodes"]
        return [(node.get("role", {}).get("value"), node.get("name", {}).get("value", ""))
                for node in nodes if not node.get("ignored")]

    def uncaught(self):
        """The errors that the page's scripts threw and did not catch."""
        return self.evaluate("window.uncaught || []")

    def console(self):
        """What the page wrote to its console since the last call: (level, message)."""
        return [(entry["level"], entry["message"]) for entry in self.driver.get_log("browser")]
