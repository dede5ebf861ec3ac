"""Debian's Chromium, headless, driven through the Chrome DevTools Protocol, for the web build.

Serves a folder on a free port of 127.0.0.1, opens pages of it in a fresh Chromium (its own
profile, no network of its own, WebGL from SwiftShader since there is no GPU), sends the input a
user gives, and reads back what the page shows: the result of its scripts, and its pixels.
"""

import base64
import contextlib
import functools
import http.server
import json
import re
import shutil
import struct
import subprocess
import tempfile
import threading
import time
import urllib.request
import zlib

import websocket  # Debian's python3-websocket

CHROMIUM = shutil.which("chromium") or "/usr/bin/chromium"


def until(what, timeout=30, every=0.03):
    """Waits until what() is true, for timeout seconds at most; its last value."""
    end = time.monotonic() + timeout
    value = what()
    while not value and time.monotonic() < end:
        time.sleep(every)
        value = what()
    return value


class Image:
    """A screenshot: width, height and 8-bit RGB pixels, row by row."""

    def __init__(self, width, height, rgb):
        self.width, self.height, self.rgb = width, height, rgb

    def pixel(self, x, y):
        at = 3 * (y * self.width + x)
        return tuple(self.rgb[at:at + 3])

    def runs(self, colour, length):
        """Where colour stands in a row for length pixels or more: (x0, y, x1) for each run."""
        pixel = bytes(colour)
        wanted = pixel * length
        found = []
        for y in range(self.height):
            row = self.rgb[3 * y * self.width:3 * (y + 1) * self.width]
            start = row.find(wanted)
            while start >= 0:
                if start % 3:
                    start = row.find(wanted, start + 1)
                    continue
                end = start + len(wanted)
                while row[end:end + 3] == pixel:
                    end += 3
                found.append((start // 3, y, end // 3 - 1))
                start = row.find(wanted, end)
        return found

    @classmethod
    def from_png(cls, data):
        """Decodes the PNG files Chromium writes: 8 bits a channel, RGB or RGBA, not interlaced."""
        assert data[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG file"
        at, chunks, header = 8, [], None
        while at < len(data):
            length, kind = struct.unpack(">I4s", data[at:at + 8])
            body = data[at + 8:at + 8 + length]
            if kind == b"IHDR":
                header = struct.unpack(">IIBBBBB", body)
            elif kind == b"IDAT":
                chunks.append(body)
            at += 12 + length
        width, height, depth, colour, _, _, interlace = header
        assert depth == 8 and colour in (2, 6) and not interlace, "a PNG file of another kind"
        channels = 3 if colour == 2 else 4
        raw = zlib.decompress(b"".join(chunks))
        stride = width * channels
        rows, previous = [], bytearray(stride)
        for y in range(height):
            kind = raw[y * (stride + 1)]
            row = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
            if kind == 0:
                rows.append(row)
                previous = row
                continue
            if kind == 2:  # what Chromium writes when asked to be quick
                row = bytearray((a + b) & 0xFF for a, b in zip(row, previous))
                rows.append(row)
                previous = row
                continue
            for i in range(stride):
                left = row[i - channels] if i >= channels else 0
                up = previous[i]
                upper_left = previous[i - channels] if i >= channels else 0
                if kind == 1:
                    row[i] = (row[i] + left) & 0xFF
                elif kind == 2:
                    row[i] = (row[i] + up) & 0xFF
                elif kind == 3:
                    row[i] = (row[i] + (left + up) // 2) & 0xFF
                elif kind == 4:
                    p = left + up - upper_left
                    pa, pb, pc = abs(p - left), abs(p - up), abs(p - upper_left)
                    nearest = left if pa <= pb and pa <= pc else up if pb <= pc else upper_left
                    row[i] = (row[i] + nearest) & 0xFF
            rows.append(row)
            previous = row
        rgb = bytearray()
        for row in rows:
            if channels == 3:
                rgb += row
            else:
                for x in range(width):
                    rgb += row[4 * x:4 * x + 3]
        return cls(width, height, rgb)


class _QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


@contextlib.contextmanager
def served(folder):
    """Serves folder over HTTP on 127.0.0.1; yields the address of its top."""
    handler = functools.partial(_QuietHandler, directory=folder)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    thread = threading.Thread(target=server.serve_forever, daemon=True)
    thread.start()
    try:
        yield "http://127.0.0.1:%d/" % server.server_address[1]
    finally:
        server.shutdown()
        server.server_close()


class Page:
    """One tab of a headless Chromium of its own, spoken to through the DevTools protocol."""

    KEYS = {"Enter": 13, "Tab": 9, "Escape": 27, "Backspace": 8, "End": 35}

    def __init__(self, width=800, height=600):
        self._profile = tempfile.mkdtemp(prefix="tandro-chromium-")
        self._process = subprocess.Popen(
            [CHROMIUM, "--headless=new", "--no-sandbox", "--no-first-run",
             "--disable-background-networking", "--disable-component-update", "--disable-sync",
             "--disable-quic", "--disable-extensions", "--mute-audio",
             "--enable-unsafe-swiftshader", "--use-angle=swiftshader",
             "--remote-debugging-port=0", "--user-data-dir=" + self._profile,
             "--window-size=%d,%d" % (width, height), "about:blank"],
            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        port = None
        for line in self._process.stderr:
            found = re.search(r"DevTools listening on ws://127\.0\.0\.1:(\d+)/", line)
            if found:
                port = found.group(1)
                break
        if not port:
            raise RuntimeError("Chromium did not start: " + str(self._process.poll()))
        # What Chromium says from now on is of no use here, but must be read.
        threading.Thread(target=self._process.stderr.read, daemon=True).start()
        with urllib.request.urlopen("http://127.0.0.1:%s/json/list" % port) as answer:
            target = next(t for t in json.load(answer) if t["type"] == "page")
        # No call waits longer than a minute: a page that no longer answers fails the test.
        self._socket = websocket.create_connection(target["webSocketDebuggerUrl"],
                                                   suppress_origin=True, timeout=60)
        self._id = 0
        self._requests = []
        self.send("Emulation.setDeviceMetricsOverride",
                  width=width, height=height, deviceScaleFactor=1, mobile=False)

    def close(self):
        with contextlib.suppress(Exception):
            self._socket.close()
        self._process.terminate()
        try:
            self._process.wait(10)
        except subprocess.TimeoutExpired:
            self._process.kill()
        shutil.rmtree(self._profile, ignore_errors=True)

    def __enter__(self):
        return self

    def __exit__(self, *exception):
        self.close()

    def send(self, method, **params):
        """Calls a method of the protocol and returns its result."""
        self._id += 1
        self._socket.send(json.dumps({"id": self._id, "method": method, "params": params}))
        while True:
            message = json.loads(self._socket.recv())
            if message.get("method") == "Network.requestWillBeSent":
                self._requests.append(message["params"]["request"]["url"])
            if message.get("id") == self._id:
                if "error" in message:
                    raise RuntimeError("%s: %s" % (method, message["error"]))
                return message.get("result", {})

    def evaluate(self, expression):
        """The value of a JavaScript expression in the page."""
        result = self.send("Runtime.evaluate", expression=expression, returnByValue=True)
        if "exceptionDetails" in result:
            raise RuntimeError("%s: %s" % (expression, result["exceptionDetails"]))
        return result["result"].get("value")

    def wait_for(self, expression, timeout=60, every=0.05):
        """Waits until a JavaScript expression is true in the page; its last value."""
        return until(lambda: self.evaluate(expression), timeout, every)

    def throttle(self, bytes_per_second=None):
        """Fetches at most bytes_per_second, as over a slow line; None lifts the limit."""
        self.send("Network.enable")
        self.send("Network.emulateNetworkConditions", offline=False, latency=0,
                  downloadThroughput=bytes_per_second or -1, uploadThroughput=-1)

    def open(self, address):
        self.send("Page.navigate", url=address)

    def requests(self):
        """The addresses the page has asked for since Network.enable."""
        return list(self._requests)

    def screenshot(self, path=None, clip=None):
        """What the page shows, or the part clip (left, top, width, height) of it."""
        area = {}
        if clip:
            area["clip"] = dict(zip(("x", "y", "width", "height"), clip), scale=1)
        data = base64.b64decode(self.send("Page.captureScreenshot", format="png",
                                          optimizeForSpeed=True, **area)["data"])
        if path:
            with open(path, "wb") as file:
                file.write(data)
        return Image.from_png(data)

    def click(self, x, y):
        for kind in ("mousePressed", "mouseReleased"):
            self.send("Input.dispatchMouseEvent", type=kind, x=x, y=y, button="left",
                      buttons=1 if kind == "mousePressed" else 0, clickCount=1)

    def key(self, name, alt=False):
        """Presses and releases a key: a letter, or one of KEYS."""
        if name in self.KEYS:
            key, code, text, virtual = name, name, "\r" if name == "Enter" else "", self.KEYS[name]
        else:
            key, code, text, virtual = name, "Key" + name.upper(), name, ord(name.upper())
        modifiers = 1 if alt else 0
        if alt:
            text = ""
        self.send("Input.dispatchKeyEvent", type="keyDown", key=key, code=code, text=text,
                  windowsVirtualKeyCode=virtual, modifiers=modifiers)
        self.send("Input.dispatchKeyEvent", type="keyUp", key=key, code=code,
                  windowsVirtualKeyCode=virtual, modifiers=modifiers)

    def type(self, text):
        for letter in text:
            self.key(letter)
