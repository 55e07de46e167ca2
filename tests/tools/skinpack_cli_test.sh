#!/bin/sh
# skinpack end to end: build a skin folder, inspect, dump and unpack it, and
# refuse every hostile file with one line on stderr, a non-zero exit, inside
# a 256 MiB address-space limit and without hanging.
# usage: skinpack_cli_test.sh SKINPACK SKIN_FIXTURES WORKDIR
set -u
skinpack=$1
fixtures=$2
work=$3
rm -rf "$work" && mkdir -p "$work" || exit 1
"$fixtures" "$work" || { echo "fixture generation failed"; exit 1; }
fail=0
# The address-space limit for one run (not under AddressSanitizer, which needs more).
limit() { [ -n "${KINOPOD_NO_ADDRESS_LIMIT:-}" ] || ulimit -v 262144; }
check() { if ! eval "$2"; then echo "FAIL: $1"; fail=1; fi; }

"$skinpack" build "$work/skin/definition.ini" -o "$work/test.skn" >"$work/build.out" 2>"$work/build.err"
check "build succeeds" '[ $? -eq 0 ]'
check "build reports progress" 'grep -q "reading mask.bmp" "$work/build.err"'

"$skinpack" info "$work/test.skn" >"$work/info.out" 2>&1
check "info succeeds" '[ $? -eq 0 ]'
for line in "version: 3" "main-picture: 285x210" "inactive-picture: 0x0" "mask: 285x210" "pictures: 2" \
            "picture\[0\]: 44x44 4" "picture\[1\]: 17x15 1" "sections: 14" "objects: 2" "controls: 7" \
            "control: button button" "control: hupdown updown" "object: caption caption"; do
  check "info prints '$line'" 'grep -q "^$line\$" "$work/info.out"'
done
check "controls listed in entry order" '[ "$(grep "^control:" "$work/info.out" | head -3 | cut -d" " -f2 | tr "\n" " ")" = "button toolpanel toolbutton " ]'

"$skinpack" dump "$work/test.skn" caption >"$work/dump.out" 2>&1
check "dump succeeds" '[ $? -eq 0 ]'
check "dump prints the section header" 'head -1 "$work/dump.out" | grep -q "^\[caption\]"'
check "dump writes keys back" 'grep -q "^skinrect=5,4,280,20" "$work/dump.out" && grep -q "^morphkind=mkpush" "$work/dump.out" && grep -q "^hint=Title" "$work/dump.out"'
"$skinpack" dump "$work/test.skn" nosuchrecord >/dev/null 2>"$work/dump.err"
check "dump of an unknown record fails" '[ $? -ne 0 ] && [ $(wc -l <"$work/dump.err") -eq 1 ]'

"$skinpack" unpack "$work/test.skn" "$work/unpacked" >/dev/null 2>&1
check "unpack succeeds" '[ $? -eq 0 ]'
check "unpack writes the definition" 'cmp -s "$work/unpacked/definition.ini" "$work/skin/definition.ini"'
check "unpack writes the pictures" '[ -f "$work/unpacked/main.bmp" ] && [ -f "$work/unpacked/mask.bmp" ] && [ -f "$work/unpacked/b.bmp" ]'
"$skinpack" build "$work/unpacked/definition.ini" -o "$work/again.skn" >/dev/null 2>&1
check "an unpacked skin builds to the same file" 'cmp -s "$work/test.skn" "$work/again.skn"'

# Names Windows cannot hold are written under names of our own, each with a reason.
"$skinpack" unpack "$work/odd/names.skn" "$work/names" >/dev/null 2>"$work/names.err"
check "unpack of awkward names succeeds" '[ $? -eq 0 ]'
check "awkward names get names of their own" '[ "$(cd "$work/names" && LC_ALL=C ls | tr "\n" " ")" = "definition.ini mask.bmp picture0-2.bmp picture0.bmp picture1.bmp " ]'
check "device names are refused with the reason" '[ $(grep -c "reserved device name on Windows: written as" "$work/names.err") -eq 2 ]'
check "a name differing only by case is refused" 'grep -q "^skinpack: picture \"Picture0.BMP\" is already taken .*: written as picture1.bmp$" "$work/names.err"'

"$skinpack" >/dev/null 2>&1
check "no arguments is a usage error" '[ $? -eq 2 ]'

for f in "$work"/hostile/*.skn; do
  name=$(basename "$f")
  ( limit; timeout 20 "$skinpack" info "$f" ) >"$work/$name.out" 2>"$work/$name.err"
  rc=$?
  # Refused means skinpack's own error exit with its one line: a crash, a
  # sanitizer report, a timeout or running out of memory is not a refusal.
  check "$name: refused (exit $rc)" '[ $rc -eq 1 ]'
  check "$name: one line on stderr" '[ $(wc -l <"$work/$name.err") -eq 1 ] && grep -q "^skinpack: " "$work/$name.err"'
  check "$name: refused by a check, not by memory" '! grep -q "^skinpack: out of memory" "$work/$name.err"'
  check "$name: nothing on stdout" '[ ! -s "$work/$name.out" ]'
done
check "the hostile files were found" '[ $(ls "$work"/hostile/*.skn | wc -l) -ge 13 ]'
check "many pictures are refused by the count limit" 'grep -q "picture count 1000000 is over the limit" "$work/many-pictures.skn.err"'
# Absurd list counts are cut to the entries that exist: the skin still loads.
( limit; timeout 20 "$skinpack" info "$work/odd/list-count.skn" ) >"$work/list-count.out" 2>&1
check "a list count of 2^31-1 loads the entries present" '[ $? -eq 0 ] && grep -q "^controls: 1$" "$work/list-count.out"'

# Frame values at the ends of the int range: the frame rules answer without
# overflowing (the sanitizer build aborts on any overflow) at small and large sizes.
for f in "$work"/odd/frame-int-*.skn; do
  name=$(basename "$f")
  for size in "1 1" "883 708" "8192 8192"; do
    "$skinpack" frame "$f" $size >"$work/$name.frame" 2>&1
    check "$name: frame at $size" '[ $? -eq 0 ] && grep -q "^client " "$work/$name.frame"'
    for point in "0 0" "-8192 -8192" "8192 8192" "5 8191"; do
      "$skinpack" hittest "$f" $size $point >"$work/$name.hit" 2>&1
      check "$name: hittest $point at $size" '[ $? -eq 0 ] && grep -q "^HT[A-Z]*$" "$work/$name.hit"'
    done
  done
done
check "the extreme frame skins were found" '[ $(ls "$work"/odd/frame-int-*.skn | wc -l) -eq 4 ]'

[ $fail -eq 0 ] && echo "skinpack end to end: all checks passed"
exit $fail
