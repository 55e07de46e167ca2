#!/usr/bin/env bash
# The frame rules on the skin built into the program, as `skinpack frame` and
# `skinpack hittest` show them: the main window and the dialog at their design
# sizes, the caption bar, and the hit-test codes around the main window.
#
# Usage: program_skin_frame_test.sh SKINPACK PACKED_SKIN
set -u
skinpack=$1
skin=$2
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
expect_line() {  # expect_line TEXT LINE
  grep -qxF -- "$2" <<<"$1" || fail "missing line: $2"
}

form1=$("$skinpack" frame "$skin" 883 708) || { echo "skinpack frame failed"; exit 1; }
for line in "client 3,26,880,705" "caption 5,3,878,20" "min 200x29" \
    "object closebutton 861,3,878,18 visible=1 enabled=1" "object minbutton 839,3,856,18 visible=1 enabled=1" \
    "object caption 5,4,839,20 visible=1 enabled=1"; do
  expect_line "$form1" "$line"
done
grep -q "^object maxbutton .* visible=0 enabled=0$" <<<"$form1" || fail "maximize button shown"
grep -q "^object sysmenubutton .* visible=0 enabled=0$" <<<"$form1" || fail "system-menu button shown"

form4=$("$skinpack" frame "$skin" 540 329)
expect_line "$form4" "client 3,26,537,326"
expect_line "$form4" "object closebutton 518,3,535,18 visible=1 enabled=1"
expect_line "$form4" "object minbutton 496,3,513,18 visible=1 enabled=1"

# The caption bar of a minimized dialog: no client height left.
bar=$("$skinpack" frame "$skin" 200 29)
expect_line "$bar" "client 3,26,197,26"
expect_line "$bar" "object closebutton 178,3,195,18 visible=1 enabled=1"

# With maximize allowed the buttons close up to the left.
icons=$("$skinpack" frame "$skin" 883 708 --icons minimize,maximize)
expect_line "$icons" "object maxbutton 839,3,856,18 visible=1 enabled=1"
expect_line "$icons" "object minbutton 817,3,834,18 visible=1 enabled=1"

while read -r x y code; do
  got=$("$skinpack" hittest "$skin" 883 708 "$x" "$y")
  [ "$got" = "$code" ] || fail "hittest $x,$y: $got, expected $code"
done <<'POINTS'
0 300 HTLEFT
2 300 HTLEFT
3 300 HTCLIENT
882 300 HTRIGHT
400 0 HTTOP
400 706 HTBOTTOM
1 1 HTTOPLEFT
881 1 HTTOPRIGHT
1 706 HTBOTTOMLEFT
881 706 HTBOTTOMRIGHT
400 10 HTCAPTION
870 10 HTOBJECT
845 10 HTOBJECT
400 300 HTCLIENT
POINTS

# The window region: the mask's rounded top corners, the body, the bottom row.
region=$("$skinpack" region "$skin" 883 708)
want_region="rect 4,0,879,1
rect 2,1,881,2
rect 1,2,882,4
rect 0,4,883,707
rect 1,707,882,708"
[ "$region" = "$want_region" ] || fail "region at 883x708: $region"
[ "$("$skinpack" region "$skin" 540 329 | tail -1)" = "rect 1,328,539,329" ] || fail "region at 540x329"

# The rendered frame: a 24-bit picture of the window's size, active and
# inactive differing (the caption buttons' inactive images).
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
"$skinpack" frame "$skin" 883 708 --render "$tmp/a.bmp" >/dev/null || fail "frame --render failed"
"$skinpack" frame "$skin" 883 708 --render "$tmp/i.bmp" --inactive >/dev/null || fail "frame --render --inactive failed"
size=$(stat -c %s "$tmp/a.bmp" 2>/dev/null || echo 0)
[ "$size" = $((54 + (883 * 3 + 3) / 4 * 4 * 708)) ] || fail "rendered frame is $size bytes"
cmp -s "$tmp/a.bmp" "$tmp/i.bmp" && fail "the inactive frame looks like the active one"
"$skinpack" frame "$skin" 883 708 --inactive >/dev/null 2>&1 && fail "--inactive without --render was accepted"
"$skinpack" frame "$skin" 883 708 --render >/dev/null 2>&1 && fail "--render without a file was accepted"

"$skinpack" frame "$skin" 0 708 >/dev/null 2>&1 && fail "a zero width was accepted"
"$skinpack" hittest "$skin" 883 708 1 >/dev/null 2>&1 && fail "a missing coordinate was accepted"
"$skinpack" frame "$skin" 883 708 --icons close >/dev/null 2>&1 && fail "an unknown icon was accepted"

# Sample quick buttons on the caption: the picture changes, a hot one changes
# it again; the options are checked.
"$skinpack" frame "$skin" 883 708 --render "$tmp/q.bmp" --quick 3 >/dev/null || fail "frame --quick failed"
"$skinpack" frame "$skin" 883 708 --render "$tmp/h.bmp" --quick 3 --quick-hot 1 >/dev/null ||
  fail "frame --quick-hot failed"
cmp -s "$tmp/a.bmp" "$tmp/q.bmp" && fail "the quick buttons drew nothing"
cmp -s "$tmp/q.bmp" "$tmp/h.bmp" && fail "the hot quick button looks like the others"
"$skinpack" frame "$skin" 883 708 --quick 3 >/dev/null 2>&1 && fail "--quick without --render was accepted"
"$skinpack" frame "$skin" 883 708 --render "$tmp/x.bmp" --quick 0 >/dev/null 2>&1 && fail "--quick 0 was accepted"
"$skinpack" frame "$skin" 883 708 --render "$tmp/x.bmp" --quick 2 --quick-hot 2 >/dev/null 2>&1 &&
  fail "--quick-hot past the buttons was accepted"

# The menu preview: the system menu by default, a picture of the printed
# size; texts take 7 pixels a character, so a longer item widens the window
# by exactly that, and a line adds the divider's height.
menu=$("$skinpack" menu "$skin" "$tmp/m.bmp") || fail "menu failed"
read -r mw mh <<<"$(sed -n 's/^rendered the menu at \([0-9]*\)x\([0-9]*\)$/\1 \2/p' <<<"$menu")"
[ -n "${mw:-}" ] || fail "menu printed: $menu"
size=$(stat -c %s "$tmp/m.bmp" 2>/dev/null || echo 0)
[ "$size" = $((54 + (${mw:-0} * 3 + 3) / 4 * 4 * ${mh:-0})) ] || fail "rendered menu is $size bytes for ${mw:-?}x${mh:-?}"
short=$("$skinpack" menu "$skin" "$tmp/s.bmp" "&Open" "Exit|Alt+X")
long=$("$skinpack" menu "$skin" "$tmp/l.bmp" "&Open" "Exit|Alt+XYZ")
lined=$("$skinpack" menu "$skin" "$tmp/d.bmp" "&Open" "-" "Exit|Alt+XYZ")
dims() { sed -n 's/^rendered the menu at //p' <<<"$1" | tr x ' '; }
read -r sw sh <<<"$(dims "$short")"
read -r lw lh <<<"$(dims "$long")"
read -r dw dh <<<"$(dims "$lined")"
[ "$((lw - sw))" = 14 ] || fail "two more shortcut characters widened the menu by $((lw - sw))"
[ "$lh" = "$sh" ] || fail "a longer text changed the height"
[ "$dw" = "$lw" ] && [ "$dh" -gt "$lh" ] || fail "a line gave ${dw}x${dh} from ${lw}x${lh}"
"$skinpack" menu "$skin" >/dev/null 2>&1 && fail "menu without an output file was accepted"

[ "$failures" = 0 ] && echo "program skin frame: all checks passed"
exit $((failures > 0))
