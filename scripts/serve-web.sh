#!/usr/bin/env bash
# Serves the web build's page (build/web/site, made by scripts/build-web.sh) on
# http://localhost:PORT/ (default 8080). The headers make the page cross-origin isolated,
# which the device's threads (shared memory between the page's workers) need.
# Usage: serve-web.sh [PORT] [FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
port=${1:-8080}
folder=${2:-build/web/site}
if [ ! -f "$folder/tesselink.js" ]; then
  echo "serve-web.sh: no web build in $folder; build it with scripts/build-web.sh" >&2
  exit 1
fi
exec python3 - "$port" "$folder" <<'PYTHON'
import functools, http.server, sys

class IsolatedHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".js": "text/javascript", ".wasm": "application/wasm"}

    def end_headers(self):
        self.send_header("Cross-Origin-Opener-Policy", "same-origin")
        self.send_header("Cross-Origin-Embedder-Policy", "require-corp")
        self.send_header("Cache-Control", "no-cache")
        super().end_headers()

port, folder = int(sys.argv[1]), sys.argv[2]
handler = functools.partial(IsolatedHandler, directory=folder)
with http.server.ThreadingHTTPServer(("127.0.0.1", port), handler) as server:
    # Once the port is open: a test waits for this line.
    print(f"Serving {folder} on http://localhost:{port}/", flush=True)
    server.serve_forever()
PYTHON
