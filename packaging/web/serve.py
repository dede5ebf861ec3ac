#!/usr/bin/python3
"""Serves the web site as a static host that keeps files precompressed does (nginx's gzip_static
and brotli_static, Caddy's precompressed): a file is sent as its .br or .gz beside it where the
browser takes that encoding, and as itself otherwise.

    serve.py FOLDER [PORT]

Serves FOLDER on http://127.0.0.1:PORT/ (8000 unless given) until interrupted. The browser tests
serve the site the same way (Handler, served()).
"""

import contextlib
import email.utils
import functools
import http.server
import os
import sys
import threading

# The encodings that the site carries, best first.
ENCODINGS = (("br", ".br"), ("gzip", ".gz"))


class Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".js": "text/javascript"}

    def accepted_encodings(self):
        accepted = set()
        for item in self.headers.get("Accept-Encoding", "").split(","):
            name, _, quality = item.partition(";")
            if quality.strip().replace(" ", "") not in ("q=0", "q=0.0", "q=0.00", "q=0.000"):
                accepted.add(name.strip().lower())
        return accepted

    def send_head(self):
        path = self.translate_path(self.path)
        if os.path.isfile(path):
            accepted = self.accepted_encodings()
            for encoding, suffix in ENCODINGS:
                if encoding in accepted and os.path.isfile(path + suffix):
                    return self.send_encoded(path, path + suffix, encoding)
        return super().send_head()

    def send_encoded(self, path, encoded, encoding):
        file = open(encoded, "rb")
        status = os.fstat(file.fileno())
        self.send_response(200)
        self.send_header("Content-Type", self.guess_type(path))
        self.send_header("Content-Encoding", encoding)
        self.send_header("Content-Length", str(status.st_size))
        self.send_header("Vary", "Accept-Encoding")
        self.send_header("Last-Modified", email.utils.formatdate(status.st_mtime, usegmt=True))
        self.end_headers()
        return file


class QuietHandler(Handler):
    def log_message(self, *args):
        pass


@contextlib.contextmanager
def served(folder, handler=QuietHandler):
    """Serves folder on a free port of 127.0.0.1 in a thread; yields the address of its top."""
    server = http.server.ThreadingHTTPServer(
        ("127.0.0.1", 0), functools.partial(handler, directory=folder))
    thread = threading.Thread(target=server.serve_forever, daemon=True)
    thread.start()
    try:
        yield "http://127.0.0.1:%d/" % server.server_address[1]
    finally:
        server.shutdown()
        server.server_close()


def main(folder, port=8000):
    server = http.server.ThreadingHTTPServer(
        ("127.0.0.1", int(port)), functools.partial(Handler, directory=folder))
    with contextlib.suppress(KeyboardInterrupt):
        server.serve_forever()
    return 0


if __name__ == "__main__":
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:]))
