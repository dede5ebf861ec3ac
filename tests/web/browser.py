"""The browsers that the web build is played in, all of them Debian's, headless, each with a profile
of its own and no network of its own:

- Chromium, driven by Selenium through ChromeDriver, as a computer's browser or as a phone's
  (Chromium's device emulation: size, pixel ratio, touch and user agent), with the DevTools
  protocol for what only it offers here: touch, text as phone keyboards give it, a slow line, the
  accessibility tree and installability;
- Firefox ESR, driven through WebDriver BiDi, which it answers on its own;
- WebKitGTK (the engine of Safari), driven by Selenium through WebKitWebDriver, in its MiniBrowser
  in a private X server. WebKitGTK has no device emulation: it plays as a computer's browser only.

Each Page gives the input a user gives (clicks, keys) and reads back what the page shows: the value
of a JavaScript expression (given its arguments as JSON, as args, and awaited), its pixels (as
Pillow images), and what a recorder put into every page before its own scripts heard: the errors
its scripts did not catch, what the page's security policy refused, and the beeps that sounded.
Chromium and Firefox also show the page in a colour scheme asked for (light, dark, or a contrast
theme's forced colours). served() serves a site folder as a host that keeps compressed files does
(packaging/web/serve.py), until it is stopped.
"""

import base64
import collections
import contextlib
import functools
import http.server
import io
import json
import os
import re
import shutil
import subprocess
import tempfile
import threading
import time

import websocket  # Debian's python3-websocket
from PIL import Image  # Debian's python3-pil
from selenium import webdriver  # Debian's python3-selenium
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.keys import Keys

import serve  # packaging/web/serve.py

CHROMIUM = "/usr/bin/chromium"
CHROMEDRIVER = "/usr/bin/chromedriver"
FIREFOX = "/usr/bin/firefox-esr"
WEBKITWEBDRIVER = "/usr/bin/WebKitWebDriver"
MINIBROWSER = "/usr/lib/%s/webkit2gtk-4.1/MiniBrowser" % (
    subprocess.run(["dpkg-architecture", "-qDEB_HOST_MULTIARCH"], capture_output=True,
                   text=True).stdout.strip() or "x86_64-linux-gnu")

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

# Recorded by every page from its start: what its scripts threw and did not catch; what its policy
# refused, each as the directive and what it refused ("inline" for a script or style written into
# the page, "eval" for script made from text); the beeps, as the tones that the page started; the
# warnings that it wrote to its console; how often it hid its windows while taking a new zoom; and
# each time the windows in sight changed in number or in the zoom that the viewport asked for, the
# two: how many, and the viewport's content.
RECORDER = """if (!window.refused) {
window.warned = [];
const warn = console.warn;
console.warn = (...words) => { warned.push(words.join(' ')); return warn.apply(console, words); };
window.uncaught = [];
addEventListener('error', (e) => uncaught.push(String(e.message)));
addEventListener('unhandledrejection', (e) => uncaught.push(String(e.reason && e.reason.message || e.reason)));
window.refused = [];
addEventListener('securitypolicyviolation', (e) => refused.push(e.effectiveDirective + ' ' + e.blockedURI));
window.beeps = 0;
if (window.OscillatorNode) {
    const start = OscillatorNode.prototype.start;
    OscillatorNode.prototype.start = function (...when) { ++beeps; return start.apply(this, when); };
}
window.hiddenForZoom = 0;
document.addEventListener('DOMContentLoaded', () => {
    const screen = document.getElementById('screen');
    if (screen)
        new MutationObserver(() => { hiddenForZoom += screen.classList.contains('settling'); })
            .observe(screen, { attributeFilter: ['class'] });
});
window.seenZoomed = [];
requestAnimationFrame(function look() {
    const screen = document.getElementById('screen');
    const seen = screen && !screen.hidden && !screen.classList.contains('settling')
        ? [...screen.firstElementChild?.shadowRoot?.querySelectorAll('.qt-window') ?? []]
            .filter((qtWindow) => getComputedStyle(qtWindow).visibility === 'visible'
                                  && qtWindow.offsetParent).length : 0;
    const zoom = document.getElementById('viewport')?.content;
    if (String([seen, zoom]) !== String(seenZoomed.at(-1) ?? [0, zoom]))
        seenZoomed.push([seen, zoom]);
    requestAnimationFrame(look);
});
}"""

# An expression's value, with its arguments given as JSON (args) and any promise awaited, comes
# back as JSON: the same in every browser.
FUNCTION = "async (json) => { const args = JSON.parse(json); return JSON.stringify([await (%s)]); }"


def until(what, timeout=30, every=0.03):
    """Waits until what() is true, for timeout seconds at most; its last value."""
    end = time.monotonic() + timeout
    value = what()
    while not value and time.monotonic() < end:
        time.sleep(every)
        value = what()
    return value


class QuietHandler(serve.Handler):
    def log_message(self, *args):
        pass


class RecordingHandler(QuietHandler):
    """Serves a site with the recorder as the first script of each page that a browser opens from
    the host (recorder.js beside it: the page's policy runs the site's own scripts), for a browser
    that runs no script of the tests' own before the page's (WebKitGTK). What the site's service
    worker fetches to keep is the site as it is, and a page that it gives from what it kept too."""

    def do_GET(self):
        path = self.translate_path(self.path)
        if self.path.split("?")[0].endswith("/recorder.js"):
            self.send_text(RECORDER, "text/javascript")
        elif path.endswith(".html") and os.path.isfile(path) and "text/html" in self.headers.get(
                "Accept", ""):
            with open(path, encoding="utf-8") as page:
                self.send_text(page.read().replace(
                    "<head>", '<head>\n<script src="recorder.js"></script>', 1), "text/html")
        else:
            super().do_GET()

    def send_text(self, text, kind):
        data = text.encode()
        self.send_response(200)
        self.send_header("Content-Type", kind + "; charset=utf-8")
        self.send_header("Content-Length", str(len(data)))
        self.send_header("Cache-Control", "no-store")
        self.end_headers()
        self.wfile.write(data)


class Server:
    """A site folder served on a free port of 127.0.0.1, in a thread, until stopped."""

    def __init__(self, folder, handler=QuietHandler):
        self.server = http.server.ThreadingHTTPServer(
            ("127.0.0.1", 0), functools.partial(handler, directory=folder))
        self.address = "http://127.0.0.1:%d/" % self.server.server_address[1]
        threading.Thread(target=self.server.serve_forever, daemon=True).start()

    def stop(self):
        """From now on nothing answers at the address: a browser finds no connection."""
        if self.server:
            self.server.shutdown()
            self.server.server_close()
            self.server = None


@contextlib.contextmanager
def served(folder, handler=QuietHandler):
    server = Server(folder, handler)
    try:
        yield server
    finally:
        server.stop()


class Page:
    """One tab of a browser of its own, as on device."""

    device = COMPUTER
    engine = None
    handler = QuietHandler  # how a host is to serve the site to this browser

    def __enter__(self):
        return self

    def __exit__(self, *exception):
        self.close()

    def wait_for(self, expression, *args, timeout=60, every=0.05):
        """Waits until a JavaScript expression is true in the page; its last value."""
        return until(lambda: self.evaluate(expression, *args), timeout, every)

    def type(self, text):
        for letter in text:
            self.key(letter)

    def uncaught(self):
        """The errors that the page's scripts threw and did not catch."""
        return self.evaluate("window.uncaught || []")

    def refused(self):
        """What the page's security policy refused since the page started."""
        return self.evaluate("window.refused || []")

    def beeps(self):
        """The beeps that the page has sounded since it started."""
        return self.evaluate("window.beeps")

    def image(self, data, path=None):
        """The PNG data of a screenshot as an RGB image in CSS pixels, kept in path if given."""
        if path:
            with open(path, "wb") as file:
                file.write(data)
        image = Image.open(io.BytesIO(data)).convert("RGB")
        if image.width != self.device.width:
            image = image.resize((round(image.width * self.device.width / image.width),
                                  round(image.height * self.device.width / image.width)),
                                 Image.NEAREST)
        return image


class SeleniumPage(Page):
    driver = None

    def close(self):
        self.driver.quit()

    def open(self, address):
        self.driver.get(address)

    def run_script(self, source):
        """Runs a script in the page, as a script of its own would run (not under its policy)."""
        self.driver.execute_script(source)

    def evaluate(self, expression, *args):
        script = ("const done = arguments[1]; (%s)(arguments[0])"
                  ".then(done, (e) => done(JSON.stringify([null, String(e)])));" % FUNCTION
                  % expression)
        answer = json.loads(self.driver.execute_async_script(script, json.dumps(args)))
        if len(answer) > 1:
            raise RuntimeError("%s threw %s" % (expression, answer[1]))
        return answer[0]

    def click(self, x, y):
        actions = ActionBuilder(self.driver)
        actions.pointer_action.move_to_location(round(x), round(y)).click()
        actions.perform()


class Chromium(SeleniumPage):
    """Debian's headless Chromium through ChromeDriver, as a computer's or a phone's browser."""

    engine = "Chromium"

    def __init__(self, device=COMPUTER, webgl=True, languages=None):
        self.device = device
        options = webdriver.ChromeOptions()
        if languages:  # the player's languages, best first, as navigator.languages says them
            options.add_experimental_option("prefs", {"intl.accept_languages": ",".join(languages)})
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
        self.driver = webdriver.Chrome(
            options=options, service=webdriver.ChromeService(CHROMEDRIVER))
        # No call waits longer than a minute: a page that no longer answers fails the test.
        self.driver.set_script_timeout(60)
        self.driver.set_page_load_timeout(60)
        if not device.user_agent:
            self.send("Emulation.setDeviceMetricsOverride", width=device.width,
                      height=device.height, deviceScaleFactor=1, mobile=False)
        self.send("Page.addScriptToEvaluateOnNewDocument", source=RECORDER)

    def send(self, method, **params):
        """Calls a method of the DevTools protocol and returns its result."""
        return self.driver.execute_cdp_cmd(method, params)

    def run_script(self, source):
        self.send("Runtime.evaluate", expression=source)

    def show_in(self, scheme):
        """Shows the page, from now on, as a browser does that prefers scheme: "light", "dark", or
        "forced" (a contrast theme's forced colours, over a light scheme)."""
        self.send("Emulation.setEmulatedMedia", features=[
            {"name": "prefers-color-scheme", "value": "dark" if scheme == "dark" else "light"},
            {"name": "forced-colors", "value": "active" if scheme == "forced" else "none"}])

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
        height) of it at the device's pixels."""
        area = {"clip": dict(zip(("x", "y", "width", "height"), clip), scale=1)} if clip else {}
        data = base64.b64decode(self.send("Page.captureScreenshot", format="png", **area)["data"])
        if clip:
            return Image.open(io.BytesIO(data)).convert("RGB")
        return self.image(data, path)

    def click(self, x, y):
        for kind in ("mousePressed", "mouseReleased"):
            self.send("Input.dispatchMouseEvent", type=kind, x=x, y=y, button="left",
                      buttons=1 if kind == "mousePressed" else 0, clickCount=1)

    def tap(self, x, y):
        self.send("Input.dispatchTouchEvent", type="touchStart", touchPoints=[{"x": x, "y": y}])
        self.send("Input.dispatchTouchEvent", type="touchEnd", touchPoints=[])

    KEYS = {"Enter": 13, "Tab": 9, "Escape": 27, "Backspace": 8, "End": 35}

    def key(self, name, alt=False):
        """Presses and releases a key: a letter, or one of KEYS."""
        if name in self.KEYS:
            code, text, virtual = name, "\r" if name == "Enter" else "", self.KEYS[name]
        else:
            code, text, virtual = "Key" + name.upper(), name, ord(name.upper())
        modifiers = 1 if alt else 0
        self.send("Input.dispatchKeyEvent", type="keyDown", key=name, code=code,
                  text="" if alt else text, windowsVirtualKeyCode=virtual, modifiers=modifiers)
        self.send("Input.dispatchKeyEvent", type="keyUp", key=name, code=code,
                  windowsVirtualKeyCode=virtual, modifiers=modifiers)

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
            data.setData('text/plain', args[0]);
            target.dispatchEvent(new ClipboardEvent('paste', {clipboardData: data, bubbles: true}));
            target.dispatchEvent(new InputEvent('input', {inputType: 'insertFromPaste', bubbles: true}));
        })()""", text)

    def accessibility_tree(self):
        """The page's accessibility tree, as screen readers get it: (role, name) of each node that
        they are not told to ignore."""
        nodes = self.send("Accessibility.getFullAXTree")["nodes"]
        return [(node.get("role", {}).get("value"), node.get("name", {}).get("value", ""))
                for node in nodes if not node.get("ignored")]

    def console(self):
        """What the page wrote to its console since the last call: (level, message)."""
        return [(entry["level"], entry["message"]) for entry in self.driver.get_log("browser")]


class WebKit(SeleniumPage):
    """WebKitGTK's MiniBrowser through WebKitWebDriver, as a computer's browser, in the X server
    that DISPLAY names."""

    engine = "WebKitGTK"
    handler = RecordingHandler
    KEYS = {"Enter": Keys.ENTER, "Tab": Keys.TAB, "Escape": Keys.ESCAPE,
            "Backspace": Keys.BACKSPACE, "End": Keys.END}

    def __init__(self):
        options = webdriver.WebKitGTKOptions()
        options.binary_location = MINIBROWSER
        options.add_argument("--automation")
        # With its 2D canvases drawn on the GPU, WebKitGTK 2.52 aborts now and then as a page
        # starts, its error number overwritten by a signal (EINTR) while Skia compiles shaders
        # ("Unable to load module sksl_gpu", "integer is too large: 255", "getauxval () failed:
        # Interrupted system call"): 4 sessions of 90 here. Drawn by the processor: none of 90.
        options.add_argument("--enable-2d-canvas-acceleration=false")
        self.driver = webdriver.WebKitGTK(
            options=options, service=webdriver.WebKitGTKService(WEBKITWEBDRIVER))
        self.driver.set_window_rect(0, 0, self.device.width, self.device.height)
        self.driver.set_script_timeout(60)
        self.driver.set_page_load_timeout(60)

    def open(self, address):
        super().open(address)
        # WebKitWebDriver runs no script before the page's own: a host serves the recorder into the
        # page (RecordingHandler), and a page that the site's service worker gave from what it
        # kept records from here.
        self.evaluate("(() => { %s })()" % RECORDER)

    def screenshot(self, path=None):
        return self.image(self.driver.get_screenshot_as_png(), path)

    def key(self, name, alt=False):
        actions = ActionBuilder(self.driver)
        key = self.KEYS.get(name, name)
        if alt:
            actions.key_action.key_down(Keys.ALT)
        actions.key_action.key_down(key).key_up(key)
        if alt:
            actions.key_action.key_up(Keys.ALT)
        actions.perform()


class Firefox(Page):
    """Firefox ESR, headless, through WebDriver BiDi, which it answers on its own."""

    engine = "Firefox"
    KEYS = {"Enter": "\ue007", "Tab": "\ue004", "Escape": "\ue00c", "Backspace": "\ue003",
            "End": "\ue010"}
    ALT = "\ue00a"
    PREFERENCES = {
        # Nothing of its own over the network, nothing asked at its start.
        "app.update.enabled": False, "browser.shell.checkDefaultBrowser": False,
        "datareporting.policy.dataSubmissionEnabled": False, "toolkit.telemetry.enabled": False,
        "browser.startup.homepage_override.mstone": "ignore", "network.captive-portal-service.enabled": False,
        "browser.safebrowsing.update.enabled": False, "extensions.update.enabled": False,
        "media.autoplay.default": 0, "media.volume_scale": "0.0",
        # WebDriver BiDi alone: no CDP.
        "remote.active-protocols": 1,
    }

    # How Firefox is made to prefer a colour scheme: a dark one for its pages, or forced colours
    # (its own, black on white, as a contrast theme's). Its WebDriver BiDi has no emulation of
    # either: the scheme is the browser's from its start.
    SCHEMES = {"light": {"layout.css.prefers-color-scheme.content-override": 1},
               "dark": {"layout.css.prefers-color-scheme.content-override": 0},
               "forced": {"browser.display.document_color_use": 2}}

    # A phone's browser, as far as Firefox on a computer can be one: a phone's pixels, touch, a
    # finger's coarse pointer and a phone's user agent. (It does not zoom the page as its viewport
    # asks: with its setting for that, WebDriver BiDi sets no size of the window.)
    PHONE = {"dom.w3c_touch_events.enabled": 1, "ui.primaryPointerCapabilities": 1,
             "ui.allPointerCapabilities": 1}

    def __init__(self, scheme=None, device=COMPUTER, preferences=None):
        self.device = device
        self.profile = tempfile.mkdtemp(prefix="tandro-firefox-")
        chosen = {**self.PREFERENCES, **self.SCHEMES.get(scheme, {}), **(preferences or {})}
        if device.user_agent:
            chosen.update(self.PHONE, **{"general.useragent.override": device.user_agent,
                                         "layout.css.devPixelsPerPx": str(float(device.ratio))})
        with open(os.path.join(self.profile, "user.js"), "w") as prefs:
            for name, value in chosen.items():
                prefs.write("user_pref(%s, %s);\n" % (json.dumps(name), json.dumps(value)))
        self.process = subprocess.Popen(
            [FIREFOX, "--headless", "--no-remote", "--profile", self.profile,
             "--remote-debugging-port=0", "about:blank"],
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        address = None
        for line in self.process.stderr:
            found = re.search(r"WebDriver BiDi listening on (ws://\S+)", line)
            if found:
                address = found.group(1)
                break
        if not address:
            self.close()
            raise RuntimeError("Firefox did not open WebDriver BiDi")
        threading.Thread(target=self.process.stderr.read, daemon=True).start()
        self.socket = websocket.create_connection(address.rstrip("/") + "/session", timeout=90,
                                                  suppress_origin=True)
        self.sent = 0
        self.command("session.new", capabilities={})
        self.context = self.command("browsingContext.getTree")["contexts"][0]["context"]
        self.command("browsingContext.setViewport", context=self.context,
                     viewport={"width": self.device.width, "height": self.device.height})
        self.command("script.addPreloadScript", functionDeclaration="() => {%s}" % RECORDER)
        self.scheme = scheme

    def close(self):
        with contextlib.suppress(Exception):
            self.command("browser.close")
        with contextlib.suppress(Exception):
            self.socket.close()
        self.process.kill()
        self.process.wait()
        shutil.rmtree(self.profile, ignore_errors=True)

    def command(self, method, **params):
        """Sends a command of WebDriver BiDi and returns its result; events are let pass."""
        self.sent += 1
        self.socket.send(json.dumps({"id": self.sent, "method": method, "params": params}))
        while True:
            answer = json.loads(self.socket.recv())
            if answer.get("id") == self.sent:
                if answer.get("type") == "error":
                    raise RuntimeError("%s: %s: %s" % (method, answer["error"], answer["message"]))
                return answer["result"]

    def open(self, address):
        self.command("browsingContext.navigate", context=self.context, url=address,
                     wait="complete")

    def run_script(self, source):
        self.command("script.evaluate", expression=source, awaitPromise=False,
                     target={"context": self.context})

    def evaluate(self, expression, *args):
        result = self.command(
            "script.callFunction", functionDeclaration=FUNCTION % expression,
            arguments=[{"type": "string", "value": json.dumps(args)}], awaitPromise=True,
            target={"context": self.context})
        if result["type"] == "exception":
            raise RuntimeError("%s threw %s" % (expression, result["exceptionDetails"]["text"]))
        return json.loads(result["result"]["value"])[0]

    def screenshot(self, path=None):
        data = self.command("browsingContext.captureScreenshot", context=self.context)["data"]
        return self.image(base64.b64decode(data), path)

    def perform(self, source):
        self.command("input.performActions", context=self.context, actions=[source])

    def click(self, x, y):
        self.perform({"type": "pointer", "id": "mouse", "parameters": {"pointerType": "mouse"},
                      "actions": [{"type": "pointerMove", "x": round(x), "y": round(y)},
                                  {"type": "pointerDown", "button": 0},
                                  {"type": "pointerUp", "button": 0}]})

    def tap(self, x, y):
        self.perform({"type": "pointer", "id": "finger", "parameters": {"pointerType": "touch"},
                      "actions": [{"type": "pointerMove", "x": round(x), "y": round(y)},
                                  {"type": "pointerDown", "button": 0},
                                  {"type": "pointerUp", "button": 0}]})

    def key(self, name, alt=False):
        key = self.KEYS.get(name, name)
        actions = [{"type": "keyDown", "value": key}, {"type": "keyUp", "value": key}]
        if alt:
            actions = ([{"type": "keyDown", "value": self.ALT}] + actions
                       + [{"type": "keyUp", "value": self.ALT}])
        self.perform({"type": "key", "id": "keyboard", "actions": actions})
