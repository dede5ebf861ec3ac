#!/usr/bin/python3
"""Serves the web site as a static host that keeps files precompressed does (nginx's gzip_static
and brotli_static, Caddy's precompressed): a file is sent as its .br or .gz beside it where the
browser takes that encoding, and as itself otherwise; a browser that has a file already is told
so when it has not changed.

    serve.py FOLDER [PORT]

Serves FOLDER on http://127.0.0.1:PORT/ (8000 unless given; 0 takes a free port), says where on
its first line, and serves until interrupted.
"""

import contextlib
import email.utils
import functools
import http.server
import os
import sys

# The encodings that the site carries, best first.
ENCODINGS = (("br", ".br"), ("gzip", ".gz"))


class Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".js": "text/javascript",
                      ".webmanifest": "application/manifest+json"}

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
        modified = email.utils.formatdate(status.st_mtime, usegmt=True)
        if self.not_modified_since(status.st_mtime):
            file.close()
            self.send_response(304)
            self.send_header("Last-Modified", modified)
            self.send_header("Vary", "Accept-Encoding")
            self.end_headers()
            return None
        self.send_response(200)
        self.send_header("Content-Type", self.guess_type(path))
        self.send_header("Content-Encoding", encoding)
        self.send_header("Content-Length", str(status.st_size))
        self.send_header("Vary", "Accept-Encoding")
        self.send_header("Last-Modified", modified)
        self.end_headers()
        return file

    def not_modified_since(self, mtime):
        since = self.headers.get("If-Modified-Since")
        if not since or "If-None-Match" in self.headers:
            return False
        with contextlib.suppress(TypeError, ValueError, OverflowError):
            return int(mtime) <= email.utils.parsedate_to_datetime(since).timestamp()
        return False


def main(folder, port=8000):
    server = http.server.ThreadingHTTPServer(
        ("127.0.0.1", int(port)), functools.partial(Handler, directory=folder))
    print("Serving %s on http://127.0.0.1:%d/ (Ctrl+C stops)" % (folder, server.server_address[1]),
          flush=True)
    with contextlib.suppress(KeyboardInterrupt):
        server.serve_forever()
    return 0


if __name__ == "__main__":
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:]))
