#!/usr/bin/env bash
# `skinpack hint` on the skin built into the program: the hint's size for a
# given text extent, the line count, the picture it writes (corners cut by
# the mask, the record's background inside) and its answers to bad input.
#
# Usage: program_skin_hint_test.sh SKINPACK PACKED_SKIN WORKDIR
set -u
skinpack=$1
skin=$2
work=$3
failures=0
mkdir -p "$work"

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

out=$("$skinpack" hint "$skin" "Close" "$work/one.bmp" --text-size 50 14) || fail "hint failed"
[[ $out == "rendered a hint of 1 line at 59x18, text box 4,2,54,16" ]] || fail "one line: $out"
out=$("$skinpack" hint "$skin" "Minimize@to the tray" "$work/two.bmp" --text-size 77 32) || fail "hint failed"
[[ $out == "rendered a hint of 2 lines at 86x36, text box 5,2,82,34" ]] || fail "two lines: $out"
# Too small a text still gives a hint whose corner points keep their order.
out=$("$skinpack" hint "$skin" "" "$work/empty.bmp" --text-size 0 0) || fail "empty hint failed"
[[ $out == "rendered a hint of 1 line at 9x6, text box 4,3,4,3" ]] || fail "empty: $out"

# The picture: its size, a black corner outside the region, the background
# (not black) in the middle of the border.
python3 - "$work/two.bmp" <<'PY' || fail "picture"
import struct, sys
data = open(sys.argv[1], "rb").read()
w, h = struct.unpack_from("<ii", data, 18)
bpp = struct.unpack_from("<H", data, 28)[0]
off = struct.unpack_from("<I", data, 10)[0]
assert (w, abs(h), bpp) == (86, 36, 24), (w, h, bpp)
stride = (w * 3 + 3) & ~3
def px(x, y):
    row = y if h < 0 else abs(h) - 1 - y
    b, g, r = data[off + row * stride + x * 3: off + row * stride + x * 3 + 3]
    return (r, g, b)
assert px(0, 0) == (0, 0, 0), px(0, 0)
assert px(85, 35) == (0, 0, 0), px(85, 35)
assert px(43, 0) != (0, 0, 0), px(43, 0)
assert px(2, 18) != (0, 0, 0), px(2, 18)
PY

"$skinpack" hint "$skin" "x" 2>/dev/null; [[ $? == 2 ]] || fail "missing output file is not a usage error"
"$skinpack" hint "$skin" "x" "$work/bad.bmp" --text-size -1 5 2>/dev/null; [[ $? == 2 ]] || fail "negative text size accepted"
"$skinpack" hint "$skin" "x" "$work/bad.bmp" --text-size 5 2>/dev/null; [[ $? == 2 ]] || fail "half a text size accepted"
"$skinpack" hint "$work/missing.skin" "x" "$work/bad.bmp" 2>/dev/null; [[ $? == 1 ]] || fail "missing skin not reported"

if ((failures)); then
  echo "$failures failure(s)"
  exit 1
fi
echo "skinpack hint: all checks passed"
