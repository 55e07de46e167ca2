#!/usr/bin/env python3
"""End-to-end test of the program under Wine, seen from outside.

The test copy of the program (podreel_e2e) has every host on 127.0.0.1 at a
fixed port. This script serves that port, starts the program, and checks:
the main window's client area is 877 x 679 and centred; the first category
page ("/") is requested without any click; clicking the other six category
buttons (by screen position, with xdotool) requests their pages in order;
then a search: a keyword typed into the keyword box and the search button
clicked send exactly seven requests (one per search site, in any order, since
the browsers load at once) and open seven tabs in the sites' order; unticking
two sites in the search-site dialog and searching again sends five more and
adds five tabs behind the first seven. Closing the window ends the program
with exit code 0.

Usage: podreel_e2e_test.py PORT PODREEL_EXE E2E_WINDOW_EXE LABELS
(LABELS: the seven sites' labels in search order, separated by "|")
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

# The search bar (design rectangles in the main window's client area) and the
# search-site dialog's controls (in its client area).
EDIT = (232, 16, 121, 18)
SEARCH_BUTTON = (424, 16, 73, 25)
SITES_BUTTON = (520, 16, 97, 25)
DIALOG = "Form4"
SITE_BOXES = {2: (55, 80), 6: (303, 144)}  # row -> box position (row 6's box is the seventh)
OK_BUTTON = (224, 248, 73, 25)
# Blanks inside, and the characters that would break a query.
KEYWORD = " c++ & 50% off"
SAFE = set(b"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789!$'()*-.@_")

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


def search_requests():
    return [p for p in requests if p not in CATEGORY_PATHS]


def wait_for_searches(count, timeout):
    deadline = time.monotonic() + timeout
    with arrived:
        while len(search_requests()) < count:
            left = deadline - time.monotonic()
            if left <= 0:
                break
            arrived.wait(left)
    # Anything beyond the expected requests would still be on its way.
    time.sleep(3)
    with arrived:
        return search_requests()


def form_encode(text):
    """The query value of an encoding row: trimmed, UTF-8, form-encoded."""
    out = []
    for b in text.strip(" ").encode("utf-8"):
        out.append(chr(b) if b in SAFE else "+" if b == 0x20 else "%%%02X" % b)
    return "".join(out)


def raw_value(text):
    """The query value of a raw row: only % & # + are escaped. The browser
    itself escapes the blanks on the wire."""
    for c, e in (("%", "%25"), ("&", "%26"), ("#", "%23"), ("+", "%2B")):
        text = text.replace(c, e)
    return text.replace(" ", "%20")


def expected_search(row, keyword, port):
    value = form_encode(keyword)
    return {
        1: "/search.php?srchtxt=" + value,
        2: "/Search.asp?keyword=" + value,
        3: "/do/s?wd=" + value,
        4: "/plus/search.php?kwtype=0&keyword=" + raw_value(keyword + " mp4"),
        5: "/plus/search.php?kwtype=0&keyword=" + raw_value(keyword),
        6: "/search?domains=127.0.0.1:%d&q=%s&sitesearch=127.0.0.1" % (port, value),
        7: "/search?search=" + form_encode(keyword + " mp4"),
    }[row]


def click(x, y):
    subprocess.run(["xdotool", "mousemove", "--sync", str(x), str(y)], check=True, timeout=30)
    time.sleep(0.3)
    subprocess.run(["xdotool", "click", "1"], check=True, timeout=30)
    time.sleep(0.3)


def click_rect(origin, rect):
    click(origin[0] + rect[0] + rect[2] // 2, origin[1] + rect[1] + rect[3] // 2)


def client_origin(wine, window_exe, title, timeout_ms=30000):
    geo = subprocess.run([wine, window_exe, "geometry", title, str(timeout_ms)], capture_output=True, text=True,
                         timeout=60)
    if geo.returncode != 0:
        return None
    f = geo.stdout.split()
    return int(f[9]), int(f[10])


def tab_captions(wine, window_exe):
    out = subprocess.run([wine, window_exe, "tabs", TITLE], capture_output=True, timeout=60)
    lines = out.stdout.decode("utf-8").splitlines()
    return lines[1:] if lines and lines[0].startswith("tabs ") else None


def edit_text(wine, window_exe):
    out = subprocess.run([wine, window_exe, "edit", TITLE], capture_output=True, timeout=60)
    return out.stdout.decode("utf-8").rstrip("\r\n") if out.returncode == 0 else None


def wait_for_edit(wine, window_exe, text, timeout):
    """Polls the keyword box until it holds `text` (typing is asynchronous)."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if edit_text(wine, window_exe) == text:
            return True
        time.sleep(0.2)
    return False


def fail(message, program=None):
    print("FAIL:", message, "| requests seen:", requests, flush=True)
    if program and program.poll() is None:
        program.kill()
    sys.exit(1)


def main():
    port, exe, window_exe = int(sys.argv[1]), sys.argv[2], sys.argv[3]
    labels = sys.argv[4].split("|")
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

    search(wine, window_exe, program, port, labels, (cx, cy))

    subprocess.run([wine, window_exe, "close", TITLE], timeout=60, check=True)
    try:
        code = program.wait(timeout=60)
    except subprocess.TimeoutExpired:
        fail("the program did not end after its window was closed", program)
    if code != 0:
        fail("the program ended with exit code %d" % code)
    print("ok: requests", category_requests(), flush=True)
    server.shutdown()


def search(wine, window_exe, program, port, labels, origin):
    click_rect(origin, EDIT)
    subprocess.run(["xdotool", "type", "--delay", "60", KEYWORD], check=True, timeout=60)
    if not wait_for_edit(wine, window_exe, KEYWORD, 30):
        fail("the keyword box holds %r after typing %r" % (edit_text(wine, window_exe), KEYWORD), program)
    click_rect(origin, SEARCH_BUTTON)
    got = wait_for_searches(7, 120)
    want = sorted(expected_search(row, KEYWORD, port) for row in range(1, 8))
    if sorted(got) != want:
        fail("the first search sent %s, expected %s" % (sorted(got), want), program)
    captions = [KEYWORD + "(" + label + ")" for label in labels]
    tabs = tab_captions(wine, window_exe)
    if tabs != captions:
        fail("tabs after the first search: %s, expected %s" % (tabs, captions), program)
    print("ok: first search", got, flush=True)

    # Untick rows 2 and 6 in the dialog, confirm, search again.
    click_rect(origin, SITES_BUTTON)
    dialog = client_origin(wine, window_exe, DIALOG)
    if not dialog:
        fail("the search-site dialog did not show", program)
    for x, y in SITE_BOXES.values():
        click(dialog[0] + x + 8, dialog[1] + y + 12)
    click_rect(dialog, OK_BUTTON)
    if client_origin(wine, window_exe, DIALOG, 2000):
        fail("the dialog is still showing after its OK button", program)
    click_rect(origin, SEARCH_BUTTON)
    rows = [r for r in range(1, 8) if r not in SITE_BOXES]
    got = wait_for_searches(12, 120)
    want_second = sorted(expected_search(row, KEYWORD, port) for row in rows)
    if sorted(got[7:]) != want_second:
        fail("the second search sent %s, expected %s" % (sorted(got[7:]), want_second), program)
    tabs = tab_captions(wine, window_exe)
    want_tabs = captions + [KEYWORD + "(" + labels[r - 1] + ")" for r in rows]
    if tabs != want_tabs:
        fail("tabs after the second search: %s, expected %s" % (tabs, want_tabs), program)
    print("ok: second search", got[7:], flush=True)


if __name__ == "__main__":
    main()
