#!/usr/bin/env python3
"""End-to-end test of the program under Wine, seen from outside.

The test copy of the program (podreel_e2e) has every host on 127.0.0.1 at a
fixed port. This script serves that port, starts the program, and checks:
the main window's client area is 877 x 679 and centred; the search bar's and
the category bar's free areas show the skin's panel tile from each panel's
origin, pixel for pixel on the screen; the first category
page ("/") is requested without any click; clicking the other six category
buttons (by screen position, with xdotool) requests their pages in order;
then a search: a keyword typed into the keyword box and the search button
clicked send exactly seven requests (one per search site, in any order, since
the browsers load at once) and open seven tabs in the sites' order; unticking
two sites in the search-site dialog and searching again sends five more and
adds five tabs behind the first seven. Messages with meaningless parameters
sent from another process to the program's windows change nothing and leave it
answering. Closing the window ends the program with exit code 0.

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
# The skin's "button" record fixes the category buttons' height: stacked from
# the top of the category bar. Buttons below the first: top, path.
SEARCH_BAR_HEIGHT, BUTTON_WIDTH, BUTTON_HEIGHT = 49, 97, 22
BUTTONS = [(BUTTON_HEIGHT * k, p) for k, p in
           enumerate(["/new/", "/paihang/", "/movie/", "/tv/", "/dm/", "/zy/"], start=1)]
# The caption's box inside a category button (glyphs differ between Wine's
# fonts and Windows'); every pixel outside it is the skin's.
CAPTION_BOX = (12, 2, 85, 20)
# The "toolbutton" record fixes the speed buttons' height; the search
# button's caption box.
TOOL_BUTTON_HEIGHT = 26
SEARCH_CAPTION_BOX = (8, 2, 65, 24)
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

# The panels' free areas (client rectangles, panel origin) and the panel
# record's client piece: 55 x 48 pixels at (143,6) of the skin's controls.bmp.
PANEL_AREAS = [((0, 0, 232, 49), (0, 0)), ((617, 0, 877, 49), (0, 0)),
               ((0, 49 + 7 * BUTTON_HEIGHT, 97, 679), (0, 49))]
PANEL_TILE = (143, 6, 55, 48)

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


def read_bmp(path):
    """A 24-bit bottom-up bitmap file as rows of (r, g, b)."""
    with open(path, "rb") as f:
        data = f.read()
    offset = int.from_bytes(data[10:14], "little")
    w, h = int.from_bytes(data[18:22], "little", signed=True), int.from_bytes(data[22:26], "little", signed=True)
    if int.from_bytes(data[28:30], "little") != 24 or h <= 0:
        raise ValueError("expected a 24-bit bottom-up bitmap: " + path)
    stride = (w * 3 + 3) & ~3
    rows = []
    for y in range(h):
        row = data[offset + (h - 1 - y) * stride:]
        rows.append([(row[3 * x + 2], row[3 * x + 1], row[3 * x]) for x in range(w)])
    return rows


def screen_area(x, y, w, h):
    """The screen's pixels in a rectangle, as rows of (r, g, b)."""
    raw = subprocess.run(["import", "-window", "root", "-crop", "%dx%d+%d+%d" % (w, h, x, y), "-depth", "8",
                          "rgb:-"], capture_output=True, check=True, timeout=60).stdout
    return [[tuple(raw[3 * (j * w + i):3 * (j * w + i) + 3]) for i in range(w)] for j in range(h)]


def check_panels(origin):
    """Every free pixel of the panels is the panel tile, placed from the panel's origin."""
    picture = read_bmp(os.path.join(os.environ["KINOPOD_SKIN_DIR"], "controls.bmp"))
    tx, ty, tw, th = PANEL_TILE
    for (left, top, right, bottom), (px, py) in PANEL_AREAS:
        shot = screen_area(origin[0] + left, origin[1] + top, right - left, bottom - top)
        for j, row in enumerate(shot):
            for i, pixel in enumerate(row):
                x, y = left + i - px, top + j - py
                want = picture[ty + y % th][tx + x % tw]
                if pixel != want:
                    return "panel pixel (%d,%d) of the client area is %s, the skin's tile has %s" % (
                        left + i, top + j, pixel, want)
    return None


def skinpack_render(record, w, h, state):
    """`skinpack render` of a control record at a size."""
    out = os.path.join(os.environ.get("TMPDIR", "/tmp"), "kinopod-e2e-%s-%d-%s.bmp" % (record, os.getpid(), state))
    subprocess.run([os.environ["KINOPOD_SKINPACK"], "render", os.environ["KINOPOD_PROGRAM_SKIN"], record,
                    str(w), str(h), out, "--state", state],
                   check=True, capture_output=True, timeout=60)
    try:
        return read_bmp(out)
    finally:
        os.remove(out)


def button_problem(x0, y0, want, caption_box):
    """None when the screen at (x0, y0) shows `want` outside the caption box."""
    h, w = len(want), len(want[0])
    shot = screen_area(x0, y0, w, h)
    l, t, r, b = caption_box
    for y in range(h):
        for x in range(w):
            if l <= x < r and t <= y < b:
                continue
            if shot[y][x] != want[y][x]:
                return "pixel (%d,%d) is %s, skinpack renders %s" % (x, y, shot[y][x], want[y][x])
    return None


def wait_for_picture(x0, y0, want, caption_box, what, program):
    deadline, problem = time.monotonic() + 10, "not checked"
    while problem and time.monotonic() < deadline:
        problem = button_problem(x0, y0, want, caption_box)
        if problem:
            time.sleep(0.2)
    if problem:
        fail("%s: %s" % (what, problem), program)


def wait_for_look(origin, top, state, program):
    want = skinpack_render("button", BUTTON_WIDTH, BUTTON_HEIGHT, state)
    if len(want) != BUTTON_HEIGHT or len(want[0]) != BUTTON_WIDTH:
        fail("skinpack rendered the button %dx%d" % (len(want[0]), len(want)), program)
    wait_for_picture(origin[0], origin[1] + SEARCH_BAR_HEIGHT + top, want, CAPTION_BOX,
                     "%s look of the category button at %d" % (state, top), program)


def check_search_button(origin, program):
    """The search button is 26 high and drawn from the "toolbutton" record."""
    x, y, w, _ = SEARCH_BUTTON
    subprocess.run(["xdotool", "mousemove", "--sync", str(origin[0] + 400), str(origin[1] + 400)], check=True,
                   timeout=30)
    want = skinpack_render("toolbutton", w, TOOL_BUTTON_HEIGHT, "normal")
    if len(want) != TOOL_BUTTON_HEIGHT:
        fail("skinpack rendered the tool button %d high" % len(want), program)
    wait_for_picture(origin[0] + x, origin[1] + y, want, SEARCH_CAPTION_BOX, "the search button", program)
    print("ok: search button look", flush=True)


def check_category_button(origin, program):
    """Looks of one button against skinpack, a press dragged off, and Tab + Space."""
    xdo = lambda *a: subprocess.run(["xdotool"] + [str(v) for v in a], check=True, timeout=30)
    top = BUTTON_HEIGHT  # "/new/", tab order 0; the last clicked button has the focus
    away = (origin[0] + 400, origin[1] + 400)  # the page area
    inside = (origin[0] + BUTTON_WIDTH // 2, origin[1] + SEARCH_BAR_HEIGHT + top + BUTTON_HEIGHT // 2)
    xdo("mousemove", "--sync", *away)
    wait_for_look(origin, top, "normal", program)
    xdo("mousemove", "--sync", *inside)
    wait_for_look(origin, top, "hot", program)
    before = len(category_requests())
    xdo("mousedown", 1)
    wait_for_look(origin, top, "down", program)
    xdo("mousemove", "--sync", *away)
    xdo("mouseup", 1)
    # An absent request cannot be polled for: give a wrong one time to arrive.
    got = wait_for(before + 1, 3)
    if len(got) != before:
        fail("pressing, dragging off and releasing requested %s" % got[before:], program)
    print("ok: button looks and press-drag-off", flush=True)
    # The press gave the button the focus; Tab goes on to tab order 1, the
    # first button ("/"), and Space clicks it on key up.
    xdo("key", "Tab")
    xdo("key", "space")
    got = wait_for(before + 1, 30)
    if got[before:] != ["/"]:
        fail("Tab and Space requested %s, expected ['/']" % got[before:], program)
    print("ok: Tab and Space", flush=True)


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

    # The first paint may still be on its way: look until the panels match.
    deadline, problem = time.monotonic() + 20, "not checked"
    while problem and time.monotonic() < deadline:
        problem = check_panels((cx, cy))
        if problem:
            time.sleep(0.5)
    if problem:
        fail(problem, program)

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

    check_category_button((cx, cy), program)
    check_search_button((cx, cy), program)

    search(wine, window_exe, program, port, labels, (cx, cy))
    hostile(wine, window_exe, program)

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


def hostile(wine, window_exe, program):
    """Another process sends the program's windows notifications whose pointers
    point nowhere, control notifications naming its controls, and the toolkit's
    and the skin's private messages with meaningless parameters: the program
    keeps running and answering, and nothing it shows changes."""
    tabs, keyword = tab_captions(wine, window_exe), edit_text(wine, window_exe)
    with arrived:
        before = len(requests)
    out = subprocess.run([wine, window_exe, "hostile", TITLE], capture_output=True, text=True, timeout=300)
    if out.returncode != 0 or program.poll() is not None:
        fail("after messages with meaningless parameters from another process: rc %d %s %s"
             % (out.returncode, out.stdout.strip(), out.stderr.strip()), program)
    if tab_captions(wine, window_exe) != tabs:
        fail("the tabs changed under messages from another process", program)
    if edit_text(wine, window_exe) != keyword:
        fail("the keyword box changed under messages from another process", program)
    with arrived:
        if len(requests) != before:
            fail("messages from another process sent requests: %s" % requests[before:], program)
    print("ok:", out.stdout.strip(), flush=True)


if __name__ == "__main__":
    main()
