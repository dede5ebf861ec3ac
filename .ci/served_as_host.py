#!/usr/bin/python3
"""Asks URL for the program, tandro.wasm, as a browser that takes brotli does, and checks that it
comes as a host that keeps compressed files sends it: the brotli copy beside it in FOLDER, with
the type that browsers compile as it downloads.

    served_as_host.py FOLDER URL
"""

import os
import sys
import time
import urllib.request


def main(folder, url):
    request = urllib.request.Request(url, headers={"Accept-Encoding": "br, gzip"})
    for _ in range(30):  # until the server listens
        try:
            with urllib.request.urlopen(request) as answer:
                body = answer.read()
                sent = (answer.headers["Content-Encoding"], answer.headers["Content-Type"])
            break
        except OSError:
            time.sleep(1)
    else:
        return "nothing answered at " + url
    name = url.rsplit("/", 1)[1]
    with open(os.path.join(folder, name + ".br"), "rb") as copy:
        brotli = copy.read()
    print(name, "was served as", sent, "in", len(body), "bytes")
    if sent != ("br", "application/wasm") or body != brotli:
        return "not as a host sends the brotli copy, %d bytes" % len(brotli)
    return 0


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:]))
