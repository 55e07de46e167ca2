#!/usr/bin/env python3
"""End-to-end test of the program under Wine, seen from outside.

The test copy of the program (podreel_e2e) has every host on 127.0.0.1 at a
fixed port. This script serves that port, starts the program, and checks:
the main window's client area is 877 x 679 and centred; the first category
page ("/") is requested without any click; clicking the other six category
buttons (by screen position, with xdotool) requests their pages in order;
closing the window ends the program with exit code 0.

Usage: podreel_e2e_test.py PORT PODREEL_EXE E2E_WINDOW_EXE
(run with the environment of cmake/wine-env.sh: WINEPREFIX, DISPLAY, KINOPOD_WINE)
"""
import http.server
import os
import subprocess
import sys
import threading
import time

TITLE = "Kinopod 1.00.01"
CLIENT = (877, 679)
# Category buttons below the first: design top within the category bar, path.
BUTTONS = [(33, "/new/"), (66, "/paihang/"), (99, "/movie/"), (132, "/tv/"), (165, "/dm/"), (198, "/zy/")]
SEARCH_BAR_HEIGHT, BUTTON_WIDTH, BUTTON_HEIGHT = 49, 97, 33
CATEGORY_PATHS = {"/"} | {p for _, p in BUTTONS}

requests = []
arrived = threading.Condition()


class Handler(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        with arrived:
            requests.append(self.path)
            arrived.notify_all()
        body = b"<html><body>kinopod e2e</body></html>"
        self.send_response(200)
        self.send_header("Content-Type", "text/html")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def log_message(self, *args):
        pass


def category_requests():
    return [p for p in requests if p in CATEGORY_PATHS]


def wait_for(count, timeout):
    """Waits until `count` category requests have arrived; returns them."""
    deadline = time.monotonic() + timeout
    with arrived:
        while len(category_requests()) < count:
            left = deadline - time.monotonic()
            if left <= 0:
                break
            arrived.wait(left)
        return category_requests()


def fail(message, program=None):
    print("FAIL:", message, "| requests seen:", requests, flush=True)
    if program and program.poll() is None:
        program.kill()
    sys.exit(1)


def main():
    port, exe, window_exe = int(sys.argv[1]), sys.argv[2], sys.argv[3]
    wine = os.environ["KINOPOD_WINE"]
    server = http.server.ThreadingHTTPServer(("127.0.0.1", port), Handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()

    program = subprocess.Popen([wine, exe])
    got = wait_for(1, 90)
    if got[:1] != ["/"]:
        fail("the first category page was not requested at start-up", program)

    geo = subprocess.run([wine, window_exe, "geometry", TITLE, "30000"], capture_output=True, text=True,
                         timeout=60)
    if geo.returncode != 0:
        fail("main window not found: " + geo.stderr, program)
    f = geo.stdout.split()
    screen_w, screen_h = int(f[1]), int(f[2])
    wl, wt, wr, wb = map(int, f[4:8])
    cx, cy, cw, ch = map(int, f[9:13])
    print("geometry:", geo.stdout.strip(), flush=True)
    if (cw, ch) != CLIENT:
        fail("client area is %dx%d" % (cw, ch), program)
    if abs((wl + wr) - screen_w) > 1 or abs((wt + wb) - screen_h) > 1:
        fail("window %s is not centred on the %dx%d screen" % (f[4:8], screen_w, screen_h), program)

    for n, (top, path) in enumerate(BUTTONS, start=2):
        x = cx + BUTTON_WIDTH // 2
        y = cy + SEARCH_BAR_HEIGHT + top + BUTTON_HEIGHT // 2
        subprocess.run(["xdotool", "mousemove", "--sync", str(x), str(y)], check=True, timeout=30)
        time.sleep(0.3)
        subprocess.run(["xdotool", "click", "1"], check=True, timeout=30)
        got = wait_for(n, 30)
        if len(got) < n:
            fail("no request for %s after clicking its button" % path, program)
        if got[n - 1] != path:
            fail("expected %s as request %d, got %s" % (path, n, got), program)

    subprocess.run([wine, window_exe, "close", TITLE], timeout=60, check=True)
    try:
        code = program.wait(timeout=60)
    except subprocess.TimeoutExpired:
        fail("the program did not end after its window was closed", program)
    if code != 0:
        fail("the program ended with exit code %d" % code)
    print("ok: requests", category_requests(), flush=True)
    server.shutdown()


if __name__ == "__main__":
    main()
