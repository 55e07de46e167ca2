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
adds five tabs behind the first seven. The keyword box is 121 x 21 at
(232,16) with the frame `skinpack render` draws for its record; typing and
deleting leave exactly the empty box; a pasted two-line text keeps its first
line, which a search then sends to every site. Messages with meaningless parameters
sent from another process to the program's windows change nothing and leave it
answering. Closing the window ends the program with exit code 0.

Usage: podreel_e2e_test.py PORT PODREEL_EXE E2E_WINDOW_EXE LABELS
(LABELS: the seven sites' labels in search order, separated by "|")
(run with the environment of cmake/wine-env.sh: WINEPREFIX, DISPLAY, KINOPOD_WINE)
"""
import http.server
import os
import re
import subprocess
import sys
import threading
import time
import traceback

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
# All seven boxes (left, top, width; 25 high), the free spot of the dialog
# that shows its background, and the "checkbox" record's check images in
# controls.bmp (15 x 15; the bottom-left pixel is transparent).
ALL_SITE_BOXES = [(55, 24, 113), (55, 80, 113), (55, 136, 113), (303, 24, 113), (303, 80, 162), (303, 144, 146),
                  (55, 192, 146)]
DIALOG_FREE_SPOT = (4, 4)
CHECK_IMAGE, UNCHECK_IMAGE = (232, 311), (232, 296)
# Inside a box: the check image at (3, 5); the caption from x = 22 (glyphs
# differ between Wine's fonts and Windows').
BOX_CHECK_AT, BOX_CAPTION_LEFT, BOX_CAPTION_ROWS = (3, 5), 22, (2, 23)
OK_BUTTON = (224, 248, 73, 25)
# Blanks inside, and the characters that would break a query.
KEYWORD = " c++ & 50% off"
SAFE = set(b"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789!$'()*-.@_")

# The panels' free areas (client rectangles, panel origin) and the panel
# record's client piece: 55 x 48 pixels at (143,6) of the skin's controls.bmp.
PANEL_AREAS = [((0, 0, 232, 49), (0, 0)), ((617, 0, 877, 49), (0, 0)),
               ((0, 49 + 7 * BUTTON_HEIGHT, 97, 679), (0, 49))]
PANEL_TILE = (143, 6, 55, 48)

# The frame: both forms' window sizes, the caption text's glow around the
# caption object, and the hit-test grid over the main window (window
# coordinates: the frame's edges, corners, caption, buttons and client).
FRAME_SIZE = (883, 708)
DIALOG_SIZE = (540, 329)
CAPTION_GLOW = 3
GRID_X = [0, 1, 2, 3, 4, 8, 100, 440, 838, 842, 860, 870, 878, 879, 880, 881, 882]
GRID_Y = [0, 1, 2, 3, 4, 6, 10, 19, 25, 26, 300, 702, 703, 704, 705, 706, 707]
# The dialog's client areas no control covers, and the client tile: the
# 279 x 181 client part of the skin's main picture at (3,26).
DIALOG_FREE = [(0, 0, 534, 24), (0, 217, 224, 300), (297, 273, 534, 300)]
CLIENT_TILE = (3, 26, 279, 181)

# The caption buttons (window coordinates) and their images in the skin's
# captionbuttons.bmp: normal, hot, down (17 x 15 each, stacked) in the
# button's column.
CLOSE_BUTTON = (861, 3, 878, 18, 0)
MIN_BUTTON = (839, 3, 856, 18, 70)
DIALOG_CLOSE_BUTTON = (518, 3, 535, 18)
DIALOG_MIN_BUTTON = (496, 3, 513, 18)
BUTTON_LOOKS = {"normal": 0, "hot": 15, "down": 30}
CAPTION_BAR = (200, 29)
BAR_MIN_BUTTON = (156, 3, 173, 18)

requests = []
# The program, once started: whatever stops the test ends it.
started = []
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
    xdotool("mousemove", "--sync", x, y)
    time.sleep(0.3)
    xdotool("click", "1")
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
    xdotool("mousemove", "--sync", origin[0] + 400, origin[1] + 400)
    want = skinpack_render("toolbutton", w, TOOL_BUTTON_HEIGHT, "normal")
    if len(want) != TOOL_BUTTON_HEIGHT:
        fail("skinpack rendered the tool button %d high" % len(want), program)
    wait_for_picture(origin[0] + x, origin[1] + y, want, SEARCH_CAPTION_BOX, "the search button", program)
    print("ok: search button look", flush=True)


def check_category_button(origin, program):
    """Looks of one button against skinpack, a press dragged off, and Tab + Space."""
    top = BUTTON_HEIGHT  # "/new/", tab order 0; the last clicked button has the focus
    away = (origin[0] + 400, origin[1] + 400)  # the page area
    inside = (origin[0] + BUTTON_WIDTH // 2, origin[1] + SEARCH_BAR_HEIGHT + top + BUTTON_HEIGHT // 2)
    xdotool("mousemove", "--sync", *away)
    wait_for_look(origin, top, "normal", program)
    xdotool("mousemove", "--sync", *inside)
    wait_for_look(origin, top, "hot", program)
    before = len(category_requests())
    xdotool("mousedown", 1)
    wait_for_look(origin, top, "down", program)
    xdotool("mousemove", "--sync", *away)
    xdotool("mouseup", 1)
    # An absent request cannot be polled for: give a wrong one time to arrive.
    got = wait_for(before + 1, 3)
    if len(got) != before:
        fail("pressing, dragging off and releasing requested %s" % got[before:], program)
    print("ok: button looks and press-drag-off", flush=True)
    # The press gave the button the focus; Tab goes on to tab order 1, the
    # first button ("/"), and Space clicks it on key up.
    xdotool("key", "Tab")
    xdotool("key", "space")
    got = wait_for(before + 1, 30)
    if got[before:] != ["/"]:
        fail("Tab and Space requested %s, expected ['/']" % got[before:], program)
    print("ok: Tab and Space", flush=True)


def skinpack(*args):
    """The host build of skinpack on the program's skin; its output's lines."""
    out = subprocess.run([os.environ["KINOPOD_SKINPACK"], args[0], os.environ["KINOPOD_PROGRAM_SKIN"]] +
                         [str(a) for a in args[1:]], capture_output=True, text=True, check=True, timeout=60)
    return out.stdout.splitlines()


def window_lines(wine, window_exe, command, title, *args):
    out = subprocess.run([wine, window_exe, command, title] + [str(a) for a in args], capture_output=True,
                         text=True, timeout=120)
    return out.stdout.splitlines() if out.returncode == 0 else None


def window_rect(wine, window_exe, title, tries=2):
    """The window's screen rectangle, or None when no visible window has that
    caption. A helper that fails is run once more (a loaded machine can stall
    its start), and what it said is printed."""
    for attempt in range(tries):
        geo = subprocess.run([wine, window_exe, "geometry", title, "5000"], capture_output=True, text=True,
                             timeout=60)
        if geo.returncode == 0:
            return tuple(map(int, geo.stdout.split()[4:8]))
        print("note: no rectangle for %s (try %d, exit %d): %s" % (title, attempt + 1, geo.returncode,
                                                                  geo.stderr.strip()), flush=True)
    return None


def parse_rects(lines, prefix):
    return [tuple(map(int, line.split()[1].split(","))) for line in lines if line.startswith(prefix)]


def frame_problem(wine, window_exe, title, size, inactive, over_root, covered):
    """The window's region against `skinpack region`, and its frame's pixels
    against `skinpack frame --render` (caption text left out); outside the
    region a window over the bare screen shows the root window (black)."""
    w, h = size
    rect = window_rect(wine, window_exe, title)
    if not rect or (rect[2] - rect[0], rect[3] - rect[1]) != size:
        return "%s is not %dx%d: %s" % (title, w, h, rect)
    got_region = window_lines(wine, window_exe, "region", title)
    want_region = skinpack("region", w, h)
    if got_region != want_region:
        return "%s's region is %s, skinpack gives %s" % (title, got_region, want_region)
    region = parse_rects(want_region, "rect")
    layout = skinpack("frame", w, h)
    client = parse_rects(layout, "client")[0]
    caption = [line for line in layout if line.startswith("object caption ")][0]
    cl, ct, cr, cb = map(int, caption.split()[2].split(","))
    text_box = (cl - CAPTION_GLOW, ct - CAPTION_GLOW, cr + CAPTION_GLOW, cb + CAPTION_GLOW)
    out = os.path.join(os.environ.get("TMPDIR", "/tmp"), "kinopod-e2e-frame-%d.bmp" % os.getpid())
    skinpack("frame", w, h, "--render", out, *(["--inactive"] if inactive else []))
    want = read_bmp(out)
    shot = screen_area(rect[0], rect[1], w, h)

    def inside(x, y, r):
        return r[0] <= x < r[2] and r[1] <= y < r[3]

    # Another window over this one (screen coordinates), left out.
    over = (covered[0] - rect[0], covered[1] - rect[1], covered[2] - rect[0], covered[3] - rect[1]) if covered \
        else (0, 0, 0, 0)
    for y in range(h):
        for x in range(w):
            if inside(x, y, client) or inside(x, y, text_box) or inside(x, y, over):
                continue
            if not any(inside(x, y, r) for r in region):
                if over_root and shot[y][x] != (0, 0, 0):
                    return "%s: pixel (%d,%d) outside the region is %s" % (title, x, y, shot[y][x])
            elif shot[y][x] != want[y][x]:
                return "%s: frame pixel (%d,%d) is %s, skinpack renders %s%s" % (
                    title, x, y, shot[y][x], want[y][x], " (inactive)" if inactive else "")
    return None


def wait_for_frame(wine, window_exe, title, size, inactive, program, over_root=True, covered=None):
    deadline, problem = time.monotonic() + 20, "not checked"
    while problem and time.monotonic() < deadline:
        problem = frame_problem(wine, window_exe, title, size, inactive, over_root, covered)
        if problem:
            time.sleep(0.5)
    if problem:
        fail(problem, program)


def check_hit_tests(wine, window_exe, size, program):
    """WM_NCHITTEST sent from outside agrees with `skinpack hittest`."""
    w, h = size
    points = [(x * w // FRAME_SIZE[0] if x < 440 else w - (FRAME_SIZE[0] - x),
               y * h // FRAME_SIZE[1] if y < 300 else h - (FRAME_SIZE[1] - y)) for x in GRID_X for y in GRID_Y]
    got = window_lines(wine, window_exe, "hittest", TITLE, *[v for p in points for v in p])
    if not got or len(got) != len(points):
        fail("hit tests at %dx%d: %s" % (w, h, got), program)
    for (x, y), answer in zip(points, got):
        want = skinpack("hittest", w, h, x, y)[0]
        if answer != want:
            fail("WM_NCHITTEST at (%d,%d) of %dx%d gives %s, skinpack %s" % (x, y, w, h, answer, want), program)


def check_dialog_client(dialog, program):
    """The dialog's free client area is the main picture's client part, tiled."""
    picture = read_bmp(os.path.join(os.environ["KINOPOD_SKIN_DIR"], "main.bmp"))
    tx, ty, tw, th = CLIENT_TILE
    for left, top, right, bottom in DIALOG_FREE:
        shot = screen_area(dialog[0] + left, dialog[1] + top, right - left, bottom - top)
        for y in range(bottom - top):
            for x in range(right - left):
                want = picture[ty + (top + y) % th][tx + (left + x) % tw]
                if shot[y][x] != want:
                    fail("dialog client pixel (%d,%d) is %s, the tile %s" % (left + x, top + y, shot[y][x], want),
                         program)


# Buttons pressed and not yet released. A test that stops midway lets go of
# them: a button left down holds the display's pointer for every later test.
held_buttons = set()


def pointer():
    out = subprocess.run(["xdotool", "getmouselocation", "--shell"], capture_output=True, text=True, check=True,
                         timeout=30)
    where = dict(line.split("=", 1) for line in out.stdout.split())
    return int(where["X"]), int(where["Y"])


def xdotool(*args, timeout=30):
    args = [str(a) for a in args]
    # "mousemove --sync" waits for the pointer to move: to where it already
    # is, it would wait out xdotool's own 15 s time-out.
    if args[:2] == ["mousemove", "--sync"] and pointer() == (int(args[2]), int(args[3])):
        return
    subprocess.run(["xdotool"] + args, check=True, timeout=timeout)
    if args[0] == "mousedown":
        held_buttons.add(args[-1])
    elif args[0] == "mouseup":
        held_buttons.discard(args[-1])


def let_go(program):
    """Releases held buttons and ends the program if it still runs."""
    for button in sorted(held_buttons):
        subprocess.run(["xdotool", "mouseup", button], timeout=30)
    held_buttons.clear()
    if program and program.poll() is None:
        program.kill()
        program.wait(timeout=60)


def wait_for_button_look(wine, window_exe, title, button, look, program):
    """The caption button shows the skin's image of that look."""
    picture = read_bmp(os.path.join(os.environ["KINOPOD_SKIN_DIR"], "captionbuttons.bmp"))
    top = BUTTON_LOOKS[look]
    deadline, problem = time.monotonic() + 10, "not checked"
    while problem and time.monotonic() < deadline:
        rect = window_rect(wine, window_exe, title)
        if not rect:
            problem = "%s is not on the screen (the program %s)" % (title, program_state(program))
            time.sleep(0.3)
            continue
        shot = screen_area(rect[0] + button[0], rect[1] + button[1], 17, 15)
        problem = None
        left = button[4]
        for y in range(15):
            for x in range(17):
                if shot[y][x] != picture[top + y][left + x]:
                    problem = "%s's button at %s is not its %s image: (%d,%d) is %s, the skin's %s" % (
                        title, button[:2], look, x, y, shot[y][x], picture[top + y][left + x])
                    break
            if problem:
                break
        if problem:
            time.sleep(0.3)
    if problem:
        fail(problem, program)


def wait_for_rect(wine, window_exe, title, test, what, program, timeout=15):
    deadline = time.monotonic() + timeout
    rect = None
    while time.monotonic() < deadline:
        rect = window_rect(wine, window_exe, title)
        if rect and test(rect):
            return rect
        time.sleep(0.3)
    fail("%s: %s (window %s)" % (title, what, rect), program)


def window_style(wine, window_exe, title):
    lines = window_lines(wine, window_exe, "style", title)
    return lines[0].split() if lines else []


def check_caption_buttons(wine, window_exe, program):
    """Hover, press, drag off: the looks; the minimize button minimizes the
    program and a restore brings the window back where it was."""
    rect = window_rect(wine, window_exe, TITLE)
    cx, cy = rect[0] + (CLOSE_BUTTON[0] + CLOSE_BUTTON[2]) // 2, rect[1] + (CLOSE_BUTTON[1] + CLOSE_BUTTON[3]) // 2
    wait_for_button_look(wine, window_exe, TITLE, CLOSE_BUTTON, "normal", program)
    xdotool("mousemove", "--sync", cx, cy)
    wait_for_button_look(wine, window_exe, TITLE, CLOSE_BUTTON, "hot", program)
    xdotool("mousedown", "1")
    wait_for_button_look(wine, window_exe, TITLE, CLOSE_BUTTON, "down", program)
    # Dragged off and released: nothing happens.
    xdotool("mousemove", "--sync", rect[0] + 400, rect[1] + 300)
    wait_for_button_look(wine, window_exe, TITLE, CLOSE_BUTTON, "normal", program)
    xdotool("mouseup", "1")
    time.sleep(0.5)
    if not window_rect(wine, window_exe, TITLE):
        fail("a press on close dragged off closed the window", program)

    mx, my = rect[0] + (MIN_BUTTON[0] + MIN_BUTTON[2]) // 2, rect[1] + (MIN_BUTTON[1] + MIN_BUTTON[3]) // 2
    xdotool("mousemove", "--sync", mx, my)
    wait_for_button_look(wine, window_exe, TITLE, MIN_BUTTON, "hot", program)
    xdotool("click", "1")
    deadline = time.monotonic() + 15
    style = []
    while time.monotonic() < deadline:
        style = window_style(wine, window_exe, TITLE)
        if style[-1:] == ["1"]:
            break
        time.sleep(0.3)
    if style[-1:] != ["1"]:
        fail("minimize left the main window %s" % style, program)
    subprocess.run([wine, window_exe, "restore", TITLE], check=True, timeout=60)
    wait_for_rect(wine, window_exe, TITLE, lambda r: r == rect, "not back at its rectangle after a restore",
                  program)
    xdotool("mousemove", "--sync", rect[0] + 400, rect[1] + 300)


def check_system_maximize(wine, window_exe, program, origin):
    """ShowWindow(SW_MAXIMIZE) from another process, as a taskbar's menu sends
    it: the main window has no maximize button, so it keeps its place, size
    and shape, its panels stay where they were, and no menu opens."""
    rect = window_rect(wine, window_exe, TITLE)
    subprocess.run([wine, window_exe, "showwindow", TITLE, "3"], check=True, timeout=60)
    style = (window_lines(wine, window_exe, "style", TITLE) or ["?"])[0].split()
    if len(style) < 6 or int(style[1], 16) & 0x01000000 or style[5] != "0":
        fail("after a maximize from outside the window's style is %s" % style, program)
    wait_for_rect(wine, window_exe, TITLE, lambda r: r == rect, "not kept at its place and size", program)
    wait_for_frame(wine, window_exe, TITLE, FRAME_SIZE, False, program)
    problem = check_panels(origin)
    if problem:
        fail("after a maximize from outside: " + problem, program)
    popups, _ = menu_windows(wine, window_exe)
    if popups:
        fail("a maximize from outside opened %d menu windows" % len(popups), program)


def check_roll_up_and_sizing(wine, window_exe, program):
    """A caption double-click rolls up and down; a corner dragged inward stops
    at the minimum size, and the region follows."""
    rect = window_rect(wine, window_exe, TITLE)
    xdotool("mousemove", "--sync", rect[0] + 400, rect[1] + 12)
    xdotool("click", "--repeat", "2", "--delay", "80", "1")
    wait_for_rect(wine, window_exe, TITLE, lambda r: r[3] - r[1] == CAPTION_BAR[1], "not rolled up to its caption",
                  program)
    wait_for_frame(wine, window_exe, TITLE, (FRAME_SIZE[0], CAPTION_BAR[1]), False, program)
    xdotool("click", "--repeat", "2", "--delay", "80", "1")
    wait_for_rect(wine, window_exe, TITLE, lambda r: r == rect, "not rolled down to its height", program)
    # The bottom-right corner, dragged far up and left.
    xdotool("mousemove", "--sync", rect[2] - 2, rect[3] - 2)
    xdotool("mousedown", "1")
    for step in range(1, 11):
        xdotool("mousemove", "--sync", rect[2] - 2 - step * 100, rect[3] - 2 - step * 80)
    xdotool("mouseup", "1")
    small = wait_for_rect(wine, window_exe, TITLE, lambda r: (r[2] - r[0], r[3] - r[1]) == CAPTION_BAR,
                          "a corner dragged inward did not stop at the minimum size", program)
    if small[:2] != rect[:2]:
        fail("sizing by the corner moved the window to %s" % (small,), program)
    wait_for_frame(wine, window_exe, TITLE, CAPTION_BAR, False, program)
    subprocess.run([wine, window_exe, "resize", TITLE, str(FRAME_SIZE[0]), str(FRAME_SIZE[1])], check=True, timeout=60)
    wait_for_frame(wine, window_exe, TITLE, FRAME_SIZE, False, program)
    xdotool("mousemove", "--sync", rect[0] + 400, rect[1] + 300)


def check_dialog_minimize(wine, window_exe, dialog, program):
    """The dialog minimizes to a caption bar at the work area's bottom left
    and its minimize button brings it back."""
    rect = window_rect(wine, window_exe, DIALOG)
    xdotool("mousemove", "--sync", rect[0] + (DIALOG_MIN_BUTTON[0] + DIALOG_MIN_BUTTON[2]) // 2,
            rect[1] + (DIALOG_MIN_BUTTON[1] + DIALOG_MIN_BUTTON[3]) // 2)
    xdotool("click", "1")
    geo = subprocess.run([wine, window_exe, "geometry", TITLE], capture_output=True, text=True, timeout=60)
    screen_h = int(geo.stdout.split()[2])
    bar = wait_for_rect(wine, window_exe, DIALOG, lambda r: (r[2] - r[0], r[3] - r[1]) == CAPTION_BAR,
                        "not minimized to a %dx%d caption bar" % CAPTION_BAR, program)
    if bar[0] != 0 or bar[3] != screen_h:
        fail("the dialog's caption bar is at %s, not the work area's bottom left" % (bar,), program)
    # Its minimize button (now a restore button) sits at the bar's right end.
    xdotool("mousemove", "--sync", bar[0] + (BAR_MIN_BUTTON[0] + BAR_MIN_BUTTON[2]) // 2, bar[1] + 10)
    xdotool("click", "1")
    wait_for_rect(wine, window_exe, DIALOG, lambda r: r == rect, "not restored from its caption bar", program)


def site_box_problem(dialog, box, image):
    """None when the box shows `image` at (3, 5) and the dialog's background
    tile everywhere else outside its caption."""
    picture = read_bmp(os.path.join(os.environ["KINOPOD_SKIN_DIR"], "controls.bmp"))
    main = read_bmp(os.path.join(os.environ["KINOPOD_SKIN_DIR"], "main.bmp"))
    tx, ty, tw, th = CLIENT_TILE
    left, top, width = box

    def tile(x, y):
        return main[ty + (top + y) % th][tx + (left + x) % tw]

    shot = screen_area(dialog[0] + left, dialog[1] + top, width, 25)
    ix, iy = image
    key = picture[iy + 14][ix]
    cx, cy = BOX_CHECK_AT
    for y in range(25):
        for x in range(width):
            if cx <= x < cx + 15 and cy <= y < cy + 15:
                src = picture[iy + y - cy][ix + x - cx]
                want = tile(x, y) if src == key else src
            elif BOX_CAPTION_LEFT <= x < width - 2 and BOX_CAPTION_ROWS[0] <= y < BOX_CAPTION_ROWS[1]:
                continue
            else:
                want = tile(x, y)
            if shot[y][x] != want:
                return "pixel (%d,%d) of the box at %s is %s, expected %s" % (x, y, box[:2], shot[y][x], want)
    return None


def wait_for_site_box(dialog, box, image, what, program):
    deadline, problem = time.monotonic() + 10, "not checked"
    while problem and time.monotonic() < deadline:
        problem = site_box_problem(dialog, box, image)
        if problem:
            time.sleep(0.2)
    if problem:
        fail("%s: %s" % (what, problem), program)


# The "tab" record's pictures in controls.bmp: tab, selected tab (unfocused
# and focused), close button and lit close button; its close key colour.
TAB_RECT, ACTIVE_TAB_RECTS = (67, 105, 51, 22), [(4, 110, 51, 23), (4, 159, 51, 23)]
CLOSE_RECT, CLOSE_HOT_RECT, CLOSE_KEY = (423, 114), (438, 114), (255, 0, 255)
ARROWS_SIZE = (32, 15)


def tab_rects(wine, window_exe):
    """The tab row as e2e_window reports it: a dict with count, cur, first,
    origin, size, items (drawn rectangles), platform arrows and skinned arrows."""
    out = subprocess.run([wine, window_exe, "tabrects", TITLE], capture_output=True, text=True, timeout=60)
    if out.returncode != 0:
        return None
    info = {"items": []}
    for line in out.stdout.splitlines():
        f = line.split()
        if f[0] == "tabs":
            info.update(count=int(f[1]), cur=int(f[3]), first=int(f[5]), origin=(int(f[7]), int(f[8])),
                        size=(int(f[10]), int(f[11])))
        elif f[0] == "item":
            l, t, r, b = map(int, f[2:6])
            # As drawn: two pixels up and left, the first tab one in from the left.
            info["items"].append((l - 2 + (1 if int(f[1]) == 0 else 0), t - 2, r - 2, b - 2))
        elif f[0] == "platformarrows":
            info["platform"] = f[1]
        elif f[0] == "arrows":
            info["arrows"] = None if f[1] == "none" else tuple(map(int, f[1:5]))
    return info


def picture_problem(x0, y0, picture, src, w, h, key=None):
    shot = screen_area(x0, y0, w, h)
    sx, sy = src
    for y in range(h):
        for x in range(w):
            want = picture[sy + y][sx + x]
            if want == key:
                continue
            if shot[y][x] != want:
                return "pixel (%d,%d) is %s, the skin has %s" % (x, y, shot[y][x], want)
    return None


def poll(check, timeout=10):
    deadline, problem = time.monotonic() + timeout, "not checked"
    while problem and time.monotonic() < deadline:
        problem = check()
        if problem:
            time.sleep(0.2)
    return problem


def check_tab_row(wine, window_exe, program):
    """Tabs drawn from the record, a lit close button that closes its tab,
    the skinned arrows of the overflowing row, and wheel paging."""
    picture = read_bmp(os.path.join(os.environ["KINOPOD_SKIN_DIR"], "controls.bmp"))
    info = tab_rects(wine, window_exe)
    if not info or info["count"] < 2:
        fail("no tab row to check: %s" % info, program)
    ox, oy = info["origin"]
    cur = info["cur"]
    l, t, r, b = info["items"][cur]
    if b - t != 22:
        fail("tabs are %d high, the record's are 22" % (b - t), program)
    # The selected tab is drawn a pixel taller, over the frame; its last row
    # lies under the page (the sheet's window covers it on screen).
    problems = [poll(lambda rect=rect: picture_problem(ox + l, oy + t, picture, rect[:2], 5, rect[3] - 1), 5)
                for rect in ACTIVE_TAB_RECTS]
    if all(problems):
        fail("the selected tab's left end: %s" % problems, program)
    other = next(i for i in range(info["first"], info["count"]) if i != cur)
    l, t, r, b = info["items"][other]
    problem = poll(lambda: picture_problem(ox + l, oy + t, picture, TAB_RECT[:2], 5, 18))
    if problem:
        fail("tab %d's left end: %s" % (other, problem), program)
    # Its close button 18 pixels before its right end, centred below the
    # 2-pixel shift of a tab that is not selected; lit under the pointer.
    cx, cy = ox + r - 18, oy + t + 2 + (22 - 2 - 13) // 2
    problem = poll(lambda: picture_problem(cx, cy, picture, CLOSE_RECT, 13, 13, CLOSE_KEY))
    if problem:
        fail("close button of tab %d: %s" % (other, problem), program)
    xdotool("mousemove", "--sync", cx + 6, cy + 6)
    problem = poll(lambda: picture_problem(cx, cy, picture, CLOSE_HOT_RECT, 13, 13, CLOSE_KEY))
    if problem:
        fail("lit close button of tab %d: %s" % (other, problem), program)
    before = tab_captions(wine, window_exe)
    xdotool("click", "1")
    want = before[:other] + before[other + 1:]
    if poll(lambda: None if tab_captions(wine, window_exe) == want else "not yet", 10):
        fail("closing tab %d left %s, expected %s" % (other, tab_captions(wine, window_exe), want), program)
    print("ok: tabs drawn from the skin, a tab closed by its button", flush=True)

    info = tab_rects(wine, window_exe)
    w, _ = info["size"]
    if info["platform"] == "visible":
        fail("the platform's tab-row arrows are visible", program)
    if info["arrows"] != (w - ARROWS_SIZE[0], 0, w, ARROWS_SIZE[1]):
        fail("skinned arrows at %s, expected %s" % (info["arrows"], (w - 32, 0, w, 15)), program)
    first = info["first"]
    click(ox + w - 8, oy + 7)
    if poll(lambda: None if tab_rects(wine, window_exe)["first"] == first + 1 else "not yet"):
        fail("the right arrow scrolled the row to tab %d from %d" % (tab_rects(wine, window_exe)["first"], first),
             program)
    print("ok: skinned arrows scroll the row", flush=True)

    info = tab_rects(wine, window_exe)
    cur = info["cur"]
    if cur + 1 >= info["count"]:
        fail("no tab after the selected one to wheel to", program)
    l, t, r, b = info["items"][cur]
    if r <= 0:
        fail("the selected tab %d is scrolled out of sight" % cur, program)
    click(ox + max(l, 0) + 8, oy + t + 8)
    xdotool("click", "5")
    if poll(lambda: None if tab_rects(wine, window_exe)["cur"] == cur + 1 else "not yet"):
        fail("the wheel left tab %d selected, expected %d" % (tab_rects(wine, window_exe)["cur"], cur + 1), program)
    print("ok: the wheel selects the next tab", flush=True)


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


# Wine prints this for every unhandled exception, whatever exit code follows.
CRASH_LINE = re.compile(r"^(wine: Unhandled|Unhandled exception:).*$", re.M)


def program_log_path():
    logs = os.path.join(os.path.dirname(os.environ["WINEPREFIX"]), "harness", "logs")
    os.makedirs(logs, exist_ok=True)
    return os.path.join(logs, "podreel_e2e.program.log")


def crash_report():
    """The program's crash line from its own output, or None."""
    try:
        with open(program_log_path(), encoding="utf-8", errors="replace") as f:
            m = CRASH_LINE.search(f.read())
    except OSError:
        return None
    return m.group(0) if m else None


def program_state(program):
    code = program.poll() if program else None
    return "is running" if code is None else "ended with exit code %d" % code


def fail(message, program=None):
    print("FAIL:", message, "| requests seen:", requests, flush=True)
    crash = crash_report()
    if crash:
        print("FAIL: the program crashed:", crash, flush=True)
    let_go(program or (started[0] if started else None))
    sys.exit(1)


def main():
    port, exe, window_exe = int(sys.argv[1]), sys.argv[2], sys.argv[3]
    labels = sys.argv[4].split("|")
    wine = os.environ["KINOPOD_WINE"]
    server = http.server.ThreadingHTTPServer(("127.0.0.1", port), Handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()

    # The program's own output is kept and judged: a crash fails the test
    # whatever exit code reaches us.
    with open(program_log_path(), "wb") as log:
        program = subprocess.Popen([wine, exe], stdout=log, stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL)
    started.append(program)
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
    if (cx - wl, cy - wt) != (3, 26) or (wr - wl, wb - wt) != FRAME_SIZE:
        fail("window %s with its client at %s: not the skin's frame" % (f[4:8], (cx - wl, cy - wt)), program)
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
        xdotool("mousemove", "--sync", x, y)
        time.sleep(0.3)
        xdotool("click", "1")
        got = wait_for(n, 30)
        if len(got) < n:
            fail("no request for %s after clicking its button" % path, program)
        if got[n - 1] != path:
            fail("expected %s as request %d, got %s" % (path, n, got), program)

    # The frame: region, pixels and hit tests, also at another size.
    xdotool("mousemove", "--sync", cx + 400, cy + 300)
    wait_for_frame(wine, window_exe, TITLE, FRAME_SIZE, False, program)
    check_hit_tests(wine, window_exe, FRAME_SIZE, program)
    other = (FRAME_SIZE[0] + 37, FRAME_SIZE[1] - 51)
    subprocess.run([wine, window_exe, "resize", TITLE, str(other[0]), str(other[1])], check=True, timeout=60)
    wait_for_frame(wine, window_exe, TITLE, other, False, program)
    check_hit_tests(wine, window_exe, other, program)
    subprocess.run([wine, window_exe, "resize", TITLE, str(FRAME_SIZE[0]), str(FRAME_SIZE[1])], check=True,
                   timeout=60)
    wait_for_frame(wine, window_exe, TITLE, FRAME_SIZE, False, program)
    print("ok: frame", flush=True)
    check_caption_buttons(wine, window_exe, program)
    check_roll_up_and_sizing(wine, window_exe, program)
    print("ok: caption buttons, minimize, roll-up, sizing", flush=True)
    check_system_maximize(wine, window_exe, program, (cx, cy))
    print("ok: a maximize from outside is refused", flush=True)

    check_category_button((cx, cy), program)
    check_search_button((cx, cy), program)

    search(wine, window_exe, program, port, labels, (cx, cy))
    keyword_box(wine, window_exe, program, port, (cx, cy))
    hostile(wine, window_exe, program)

    # Skinned menus: the system menu and the keyboard menu mode.
    check_system_menu(wine, window_exe, program, (cx, cy))
    check_alt_keeps_the_keyword_box(wine, window_exe, program, (cx, cy))
    check_keyword_box_menu(wine, window_exe, program, (cx, cy))
    check_menu_cycles_leave_nothing(wine, window_exe, program, (cx, cy))

    # The close button ends the program.
    rect = window_rect(wine, window_exe, TITLE)
    xdotool("mousemove", "--sync", rect[0] + (CLOSE_BUTTON[0] + CLOSE_BUTTON[2]) // 2,
            rect[1] + (CLOSE_BUTTON[1] + CLOSE_BUTTON[3]) // 2)
    xdotool("click", "1")
    try:
        code = program.wait(timeout=60)
    except subprocess.TimeoutExpired:
        fail("the program did not end after its window was closed", program)
    if code != 0:
        fail("the program ended with exit code %d" % code)
    if crash_report():
        fail("the program's output shows a crash")
    print("ok: requests", category_requests(), flush=True)
    server.shutdown()


def search(wine, window_exe, program, port, labels, origin):
    click_rect(origin, EDIT)
    xdotool("type", "--delay", "60", KEYWORD, timeout=60)
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
    # The dialog wears the frame too; the main window's frame goes inactive.
    wait_for_frame(wine, window_exe, DIALOG, DIALOG_SIZE, False, program, over_root=False)
    wait_for_frame(wine, window_exe, TITLE, FRAME_SIZE, True, program,
                   covered=window_rect(wine, window_exe, DIALOG))
    check_dialog_client(dialog, program)
    check_dialog_minimize(wine, window_exe, dialog, program)
    print("ok: dialog frame", flush=True)
    xdotool("mousemove", "--sync", dialog[0] + DIALOG_FREE_SPOT[0], dialog[1] + DIALOG_FREE_SPOT[1])
    for box in ALL_SITE_BOXES:
        wait_for_site_box(dialog, box, CHECK_IMAGE, "ticked site box", program)
    print("ok: site boxes drawn from the skin", flush=True)
    for x, y in SITE_BOXES.values():
        click(dialog[0] + x + 8, dialog[1] + y + 12)
    # The first box clicked, with the pointer on the other one now.
    first = next(b for b in ALL_SITE_BOXES if b[:2] == SITE_BOXES[2])
    wait_for_site_box(dialog, first, UNCHECK_IMAGE, "unticked site box", program)
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
    check_tab_row(wine, window_exe, program)


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


# ---- the keyword box ----

# With the skin's "edit" record the box is 21 high; its text box (the
# platform control's client area) is inset 3 on every side.
EDIT_SKINNED = (232, 16, 121, 21)
EDIT_TEXT_BOX = (3, 3, 118, 18)
NO_BOX = (0, 0, 0, 0)


def park_pointer(origin):
    """Away from every control: the panel's free area left of the box."""
    xdotool("mousemove", "--sync", origin[0] + 100, origin[1] + 8)


def edit_window_rect(wine, window_exe):
    out = subprocess.run([wine, window_exe, "editrect", TITLE], capture_output=True, text=True, timeout=60)
    f = out.stdout.split()
    return tuple(map(int, f[1:5])) if out.returncode == 0 and f[:1] == ["edit"] else None


def keyword_box(wine, window_exe, program, port, origin):
    """The box's size, place and frame; typing and deleting leave exactly the
    empty look; a pasted two-line text keeps its first line, and a search
    then asks every site for it."""
    rect = edit_window_rect(wine, window_exe)
    if rect != EDIT_SKINNED:
        fail("the keyword box is at %s, expected %s" % (rect, EDIT_SKINNED), program)
    x, y, w, h = EDIT_SKINNED
    empty = skinpack_render("edit", w, h, "normal")
    if (len(empty), len(empty[0])) != (h, w):
        fail("skinpack rendered the edit %dx%d" % (len(empty[0]), len(empty)), program)
    park_pointer(origin)
    # It still holds the last search's keyword: the frame round it.
    wait_for_picture(origin[0] + x, origin[1] + y, empty, EDIT_TEXT_BOX, "the keyword box's frame", program)
    print("ok: keyword box 121 x 21 at (232,16), its frame as skinpack renders it", flush=True)

    click_rect(origin, EDIT_SKINNED)
    subprocess.run([wine, window_exe, "editselect", TITLE], check=True, timeout=60)
    xdotool("key", "BackSpace")
    if not wait_for_edit(wine, window_exe, "", 30):
        fail("the keyword box holds %r after deleting it" % edit_text(wine, window_exe), program)
    xdotool("type", "--delay", "60", "abc")
    if not wait_for_edit(wine, window_exe, "abc", 30):
        fail("the keyword box holds %r after typing abc" % edit_text(wine, window_exe), program)
    for _ in range(3):
        xdotool("key", "BackSpace")
    if not wait_for_edit(wine, window_exe, "", 30):
        fail("the keyword box holds %r after three backspaces" % edit_text(wine, window_exe), program)
    park_pointer(origin)
    # The whole box, text box included (the caret blinks: looked at until it is off).
    wait_for_picture(origin[0] + x, origin[1] + y, empty, NO_BOX, "the box after abc and three backspaces", program)
    print("ok: typing abc and three backspaces leave the empty box", flush=True)

    subprocess.run([wine, window_exe, "clipboard", TITLE, "abc\\r\\ndef"], check=True, timeout=60)
    click_rect(origin, EDIT_SKINNED)
    subprocess.run([wine, window_exe, "editselect", TITLE], check=True, timeout=60)
    xdotool("key", "ctrl+v")
    if not wait_for_edit(wine, window_exe, "abc", 30):
        fail("pasting abc CR LF def left %r in the keyword box" % edit_text(wine, window_exe), program)

    # Every site again (the dialog still has two unticked), then search.
    click_rect(origin, SITES_BUTTON)
    dialog = client_origin(wine, window_exe, DIALOG)
    if not dialog:
        fail("the search-site dialog did not show", program)
    for bx, by in SITE_BOXES.values():
        click(dialog[0] + bx + 8, dialog[1] + by + 12)
    first = next(b for b in ALL_SITE_BOXES if b[:2] == SITE_BOXES[2])
    wait_for_site_box(dialog, first, CHECK_IMAGE, "ticked site box", program)
    click_rect(dialog, OK_BUTTON)
    with arrived:
        before = len(search_requests())
    click_rect(origin, SEARCH_BUTTON)
    got = wait_for_searches(before + 7, 120)[before:]
    want = sorted(expected_search(row, "abc", port) for row in range(1, 8))
    if sorted(got) != want:
        fail("the search for the pasted keyword sent %s, expected %s" % (sorted(got), want), program)
    print("ok: a pasted two-line keyword searches its first line", got, flush=True)


# ---- skinned menus ----

SYSTEM_MENU = ["Mi&nimize", "Ro&llUp", "-", "&Close\tAlt+F4"]
SYSTEM_MENU_ROLLED = ["Mi&nimize", "&Restore", "-", "&Close\tAlt+F4"]


def menu_windows(wine, window_exe):
    """(skinned popups [(rect, items)], platform menu windows) of the program."""
    lines = window_lines(wine, window_exe, "menus", TITLE) or []
    popups, platform = [], -1
    for line in lines:
        if line.startswith("popups "):
            platform = int(line.split()[3])
        elif line.startswith("popup "):
            popups.append((tuple(map(int, line.split()[1:5])), []))
        elif line.startswith("item ") and popups:
            popups[-1][1].append(line[5:].rstrip("\r"))
    return popups, platform


def wait_for_menus(wine, window_exe, count, what, program, timeout=15):
    found = {}

    def check():
        popups, platform = menu_windows(wine, window_exe)
        found["popups"], found["platform"] = popups, platform
        if platform != 0:
            return "%d platform menu windows" % platform
        return None if len(popups) == count else "%d skinned menu windows" % len(popups)
    problem = poll(check, timeout)
    if problem:
        fail("%s: %s" % (what, problem), program)
    return found["popups"]


def open_system_menu(wine, window_exe, program, items, rolled, what):
    rect = window_rect(wine, window_exe, TITLE)
    at = (rect[0] + 420, rect[1] + 12)
    xdotool("mousemove", "--sync", at[0], at[1])
    xdotool("click", "3")
    popups = wait_for_menus(wine, window_exe, 1, "a right click on the caption " + what, program)
    (l, t, r, b), shown = popups[0]
    if shown != items:
        fail("the system menu shows %s, expected %s" % (shown, items), program)
    size = window_lines(wine, window_exe, "sysmenusize", TITLE, *(["rolled"] if rolled else []))
    want = tuple(map(int, size[0].split()[1:3])) if size else None
    if (r - l, b - t) != want:
        fail("the system menu is %dx%d, the layout rules give %s" % (r - l, b - t, want), program)
    if (l, t) != at:
        fail("the system menu opened at %s, not at the pointer %s" % ((l, t), at), program)
    return rect


def check_system_menu(wine, window_exe, program, origin):
    """A right click on the caption opens exactly one skinned menu window
    (never the platform's) of the layout rules' size with the four items;
    "l" rolls the window up, "r" rolls it down; Escape and a click in the
    client close the menu."""
    wait_for_menus(wine, window_exe, 0, "before the system menu", program)
    rect = open_system_menu(wine, window_exe, program, SYSTEM_MENU, False, "(first)")
    xdotool("mousemove", "--sync", rect[0] + 400, rect[1] + 300)
    xdotool("key", "l")
    wait_for_rect(wine, window_exe, TITLE, lambda r: r[3] - r[1] == CAPTION_BAR[1], "\"l\" did not roll up",
                  program)
    wait_for_menus(wine, window_exe, 0, "after \"l\"", program)
    open_system_menu(wine, window_exe, program, SYSTEM_MENU_ROLLED, True, "(rolled up)")
    xdotool("key", "Escape")
    wait_for_menus(wine, window_exe, 0, "after Escape", program)
    open_system_menu(wine, window_exe, program, SYSTEM_MENU_ROLLED, True, "(after Escape)")
    xdotool("key", "r")
    wait_for_rect(wine, window_exe, TITLE, lambda r: r == rect, "\"r\" did not roll down", program)
    wait_for_menus(wine, window_exe, 0, "after \"r\"", program)
    open_system_menu(wine, window_exe, program, SYSTEM_MENU, False, "(rolled down)")
    # A click in the client area, away from every control.
    click(origin[0] + 600, origin[1] + 400)
    wait_for_menus(wine, window_exe, 0, "after a click in the client area", program)
    print("ok: system menu", flush=True)


def check_alt_keeps_the_keyword_box(wine, window_exe, program, origin):
    """Alt pressed and released, and Alt+Space, open nothing and leave the
    keys with the keyword box."""
    before = edit_text(wine, window_exe)
    click_rect(origin, EDIT)
    xdotool("key", "End")
    xdotool("key", "alt")
    xdotool("type", "--delay", "60", "xy")
    if not wait_for_edit(wine, window_exe, before + "xy", 15):
        fail("after Alt the keyword box holds %r" % edit_text(wine, window_exe), program)
    xdotool("key", "alt+space")
    xdotool("type", "--delay", "60", "z")
    if not wait_for_edit(wine, window_exe, before + "xyz", 15):
        fail("after Alt+Space the keyword box holds %r" % edit_text(wine, window_exe), program)
    wait_for_menus(wine, window_exe, 0, "after Alt and Alt+Space", program)
    xdotool("key", "BackSpace", "BackSpace", "BackSpace")
    if not wait_for_edit(wine, window_exe, before, 15):
        fail("the keyword box holds %r after removing the typed keys" % edit_text(wine, window_exe), program)
    print("ok: Alt and Alt+Space keep the keyword box", flush=True)


EDIT_MENU = ["Undo", "-", "Cut", "Copy", "Paste", "Delete", "-", "Select All"]
# Item places in the skinned popup: the items start 2 pixels down, commands
# are 22 high and lines 7.
EDIT_MENU_COPY_Y, EDIT_MENU_SELECT_ALL_FROM_BOTTOM = 2 + 22 + 7 + 22 + 11, 2 + 11


def clipboard_text(wine, window_exe):
    lines = window_lines(wine, window_exe, "clipboard", TITLE) or []
    return lines[0][len("clipboard "):].rstrip("\r") if lines and lines[0].startswith("clipboard ") else None


def open_edit_menu(wine, window_exe, program, origin):
    x, y, w, h = EDIT_SKINNED
    xdotool("mousemove", "--sync", origin[0] + x + w // 2, origin[1] + y + h // 2)
    xdotool("click", "3")
    popups = wait_for_menus(wine, window_exe, 1, "a right click on the keyword box", program)
    rect, shown = popups[0]
    if shown != EDIT_MENU:
        fail("the keyword box's menu shows %s, expected %s" % (shown, EDIT_MENU), program)
    return rect


def check_keyword_box_menu(wine, window_exe, program, origin):
    """A right click on the keyword box opens its eight-entry menu in one
    skinned window (never the platform's); Select All and then Copy put the
    box's text on the clipboard."""
    text = edit_text(wine, window_exe)
    if not text:
        fail("the keyword box is empty before its menu is tried", program)
    subprocess.run([wine, window_exe, "clipboard", TITLE, "before the copy"], check=True, timeout=60)
    l, t, r, b = open_edit_menu(wine, window_exe, program, origin)
    click(l + 40, b - EDIT_MENU_SELECT_ALL_FROM_BOTTOM)
    wait_for_menus(wine, window_exe, 0, "after Select All", program)
    l, t, r, b = open_edit_menu(wine, window_exe, program, origin)
    click(l + 40, t + EDIT_MENU_COPY_Y)
    wait_for_menus(wine, window_exe, 0, "after Copy", program)
    got = {}

    def copied():
        got["text"] = clipboard_text(wine, window_exe)
        return None if got["text"] == text else "the clipboard holds %r" % got["text"]
    problem = poll(copied, 15)
    if problem:
        fail("Select All and Copy from the keyword box's menu: %s, expected %r" % (problem, text), program)
    park_pointer(origin)
    print("ok: the keyword box's skinned menu: Select All, Copy", flush=True)


def program_windows(wine, window_exe):
    lines = window_lines(wine, window_exe, "count", TITLE) or []
    return int(lines[0].split()[1]) if lines and lines[0].startswith("windows ") else None


def check_menu_cycles_leave_nothing(wine, window_exe, program, origin):
    """A hundred openings and closings of the system menu leave the program
    with the windows it had."""
    wait_for_menus(wine, window_exe, 0, "before the menu cycles", program)
    before = program_windows(wine, window_exe)
    rect = window_rect(wine, window_exe, TITLE)
    xdotool("mousemove", "--sync", rect[0] + 420, rect[1] + 12)
    xdotool("click", "3")
    wait_for_menus(wine, window_exe, 1, "the first of the menu cycles", program)
    if program_windows(wine, window_exe) != before + 1:
        fail("an open system menu is not one more window of the program", program)
    xdotool("key", "Escape")
    for _ in range(99):
        xdotool("click", "3")
        xdotool("key", "Escape")
    wait_for_menus(wine, window_exe, 0, "after 100 menu cycles", program)
    problem = poll(lambda: None if program_windows(wine, window_exe) == before else "not back", 15)
    if problem:
        fail("after 100 menu cycles the program has %s windows, it had %s"
             % (program_windows(wine, window_exe), before), program)
    park_pointer(origin)
    print("ok: 100 system menu cycles leave %d windows" % before, flush=True)


if __name__ == "__main__":
    try:
        main()
    except Exception:
        # Never leave the program running: it would hold this test's output
        # open until the time-out and stay on the display for the next tests.
        traceback.print_exc()
        fail("the test stopped on an error (above)")
