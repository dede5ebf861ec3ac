#!/usr/bin/env bash
# ./build.sh serve, as a newcomer runs it: it builds the site and its zip, as ./build.sh web does,
# then serves the site as a host that keeps compressed files does. Checks that both were made, and
# that the program comes as its brotli copy to a browser that takes brotli.
set -uo pipefail
./build.sh serve >serve.log 2>&1 &
server=$!
trap 'kill $server 2>/dev/null' EXIT
until grep -q '^Serving' serve.log; do
    if ! kill -0 $server 2>/dev/null; then
        cat serve.log
        exit 1
    fi
    sleep 1
done
cat serve.log
ls build-web/site/index.html build-web/tandro-*-web.zip || exit 1
python3 .ci/served_as_host.py build-web/site http://127.0.0.1:8000/tandro.wasm
