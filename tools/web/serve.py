"""serve.py SITE_DIR: serves the site on this computer only (127.0.0.1, a free port), prints its
address and opens it in the browser when there is a display. Ctrl+C stops it. Used by
./run.sh web; a school's own web server needs none of this."""
import functools
import http.server
import os
import shutil
import subprocess
import sys


class Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".html": "text/html; charset=utf-8", ".js": "text/javascript",
                      ".css": "text/css", ".wasm": "application/wasm", ".woff2": "font/woff2"}

    def log_message(self, *args):
        pass


def main(argv):
    if len(argv) != 2 or not os.path.isdir(argv[1]):
        sys.exit("usage: serve.py SITE_DIR")
    handler = functools.partial(Handler, directory=argv[1])
    with http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler) as server:
        address = f"http://127.0.0.1:{server.server_address[1]}/"
        print(f"The lessons are at {address} (Ctrl+C stops the server)", flush=True)
        if (os.environ.get("DISPLAY") or os.environ.get("WAYLAND_DISPLAY")) and shutil.which("xdg-open"):
            subprocess.Popen(["xdg-open", address], stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL, start_new_session=True)
        try:
            server.serve_forever()
        except KeyboardInterrupt:
            pass


if __name__ == "__main__":
    main(sys.argv)
