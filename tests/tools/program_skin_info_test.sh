#!/usr/bin/env bash
# The skin built into the program, as skin authors inspect it: `skinpack info`
# shows the container layout and both lists in order, `skinpack dump` the
# values the program's frame and controls are drawn with.
#
# Usage: program_skin_info_test.sh SKINPACK PACKED_SKIN
set -u
skinpack=$1
skin=$2
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

info=$("$skinpack" info "$skin") || { echo "skinpack info failed"; exit 1; }

expect_line() {  # expect_line TEXT LINE
  grep -qxF -- "$2" <<<"$1" || fail "missing line: $2"
}

for line in "version: 3" "main-picture: 285x210" "inactive-picture: 0x0" "mask: 285x210" "pictures: 18" \
    "picture[1]: 44x44 24" "picture[2]: 93x55 24" "picture[5]: 173x133 24" "picture[6]: 93x55 4" \
    "picture[7]: 44x44 4" "picture[8]: 173x133 24" "picture[16]: 173x133 1" "sections: 93" \
    "objects: 11" "controls: 73"; do
  expect_line "$info" "$line"
done
[ "$(grep -c '^picture\[[0-9]*\]: .* 24$' <<<"$info")" = 15 ] || fail "not 15 pictures of 24 bits"
p0=$(sed -n 's/^picture\[0\]: \([0-9x]*\) .*/\1/p' <<<"$info")
for i in 12 13 14 15; do
  grep -q "^picture\[$i\]: $p0 " <<<"$info" || fail "picture $i is not the size of picture 0 ($p0)"
done
p4=$(sed -n 's/^picture\[4\]: \([0-9]*\)x\([0-9]*\) .*/\1 \2/p' <<<"$info")
read -r w h <<<"$p4"
[ "${w:-0}" -ge 645 ] && [ "${h:-0}" -ge 376 ] || fail "picture 4 is $p4, smaller than 645x376"

objects="closebutton stdbutton
maxbutton stdbutton
minbutton stdbutton
sysmenubutton stdbutton
caption caption
menuitem menuitem
mainmenubaritem mainmenubaritem
menubarsysmenubutton mainmenubarbutton
menubarclosebutton mainmenubarbutton
menubarmaxbutton mainmenubarbutton
menubarminbutton mainmenubarbutton"
[ "$(sed -n 's/^object: //p' <<<"$info")" = "$objects" ] || fail "objects differ: $(sed -n 's/^object: //p' <<<"$info" | tr '\n' ';')"

controls="button:button toolpanel:panel toolbutton:button checkbox:checkradio gauge:gauge vgauge:gauge
radiobox:checkradio panel:panel label:label trackbar:trackbar htrackbar:trackbar grid:grid tab:tab edit:edit
memo:memo hscrollbar:scrollbar vscrollbar:scrollbar listbox:listbox combobox:combobox checklistbox:checklistbox
spinedit:spinedit groupbox:panel stdlabel:stdlabel statuspanel:label statusbar:panel buttonedit:edit
vupdown:updown hupdown:updown captionlistbox:listbox captionchecklistbox:checklistbox captioncombobox:combobox
controlbar:controlbar mainmenubar:mainmenubar vsplitter:splitter hsplitter:splitter resizebutton:button
bothhscrollbar:scrollbar bigtoolpanel:panel bigtoolbutton:button toolmenubutton:menubutton
toolmenutrackbutton:menubutton bigtoolmenubutton:menubutton bigtoolmenutrackbutton:menubutton
scrollbox:scrollbox listview:listview treeview:treeview statusgauge:gauge richedit:richedit expanel:expanel
slider:slider bevel:bevel statusedit:edit statusbuttonedit:edit statusspinedit:spinedit
statuscombobox:combobox resizetoolpanel:panel resizetoolbutton:button combobutton:button
vtracktoolbutton:button htracktoolbutton:button menuheader:label officetab:tab officegroup:panel
officemenubutton:button officegroupbutton:button officetoolbar:panel appmenu:appmenu menupagepanel:panel
menupagedivider:bevel officegroupdivider:bevel appmenuheader:label appmenustdlabel:stdlabel
officequickbutton:button"
got=$(sed -n 's/^control: \(.*\) \(.*\)$/\1:\2/p' <<<"$info" | tr '\n' ' ')
[ "$got" = "$(tr '\n' ' ' <<<"$controls")" ] || fail "controls differ: $got"

dump_expect() {  # dump_expect RECORD key=value ...
  local record=$1
  shift
  local text
  text=$("$skinpack" dump "$skin" "$record" | tr -d '\r') || { fail "skinpack dump $record failed"; return; }
  for kv in "$@"; do
    expect_line "$text" "$kv"
  done
}

dump_expect button pictureindex=4 skinrect=567,299,645,321 lefttoppoint=3,9 righttoppoint=73,13 \
  leftbottompoint=0,0 rightbottompoint=0,0 clientrect=2,2,76,20 activeskinrect=567,271,645,293 \
  downskinrect=567,327,645,349 disabledskinrect=567,354,645,376 focusedskinrect=0,0,0,0 \
  disabledfontcolor=13156537 morphing=1 animateinterval=20 glowlayerpictureindex=-1
dump_expect toolbutton skinrect=55,31,80,57 lefttoppoint=5,11 righttoppoint=20,12 rightbottompoint=0,0 \
  activeskinrect=80,31,105,57 downskinrect=105,31,130,57
dump_expect checkbox skinrect=58,62,91,81 checkimagearea=2,1,18,18 textarea=21,1,33,17 \
  checkimagerect=232,311,247,326 uncheckimagerect=232,296,247,311 activecheckimagerect=247,311,262,326 \
  activeuncheckimagerect=247,296,262,311 unenabledfontcolor=15851471
dump_expect edit skinrect=225,98,282,119 lefttoppoint=4,10 righttoppoint=51,11 clientrect=3,3,54,18 \
  disabledfontcolor=14144205 activeskinrect=0,0,0,0 buttonrect=0,0,0,0
dump_expect tab skinrect=141,4,200,56 tabrect=67,105,118,127 activetabrect=4,110,55,133 \
  focustabrect=4,159,55,182 mouseintabrect=4,134,56,156 tableftoffset=5 tabrightoffset=5 \
  tabsbgrect=330,149,396,171 tabstretcheffect=1 updown=hupdown closebuttonrect=423,114,436,127 \
  closebuttonactiverect=438,114,451,127 closebuttondownrect=453,114,466,127
dump_expect hupdown skinrect=129,152,161,167 upbuttonrect=16,0,32,15 downbuttonrect=0,0,16,15 \
  activeupbuttonrect=129,134,145,149 downupbuttonrect=147,116,163,131 activedownbuttonrect=129,116,145,131 \
  downdownbuttonrect=147,134,163,149 lefttoppoint=0,0 clientrect=0,0,0,0
dump_expect FORMINFO lefttoppoint=9,27 righttoppoint=273,27 leftbottompoint=4,205 rightbottompoint=279,205 \
  clientrect=3,26,282,207 maskrectarea=3,3,282,207 hittestlefttoppoint=7,6 hittestrighttoppoint=279,8 \
  hittestleftbottompoint=5,205 hittestrightbottompoint=280,206 captionrect=5,3,280,20 buttonsrect=0,0,0,0 \
  buttonsoffset=5 borderwidth=3 formminwidth=200 formminheight=0 bgpictureindex=-1 stretchtype=stfull \
  inactiveeffect=iegrayscale
dump_expect caption skinrect=5,4,280,20 skinrectinapicture=0 textrect=5,0,269,16 fontname=Arial fontheight=14 \
  fontstyle=fsbold fontcolor=10060394 activefontcolor=5849125 alignment=taleftjustify light=0 shadow=0 \
  gloweffect=1 glowinactiveeffect=1 glowsize=3 glowcolor=16181724 glowactivecolor=16777215 glowoffset=0 \
  dividerrect=66,42,69,55
dump_expect closebutton activepictureindex=0 skinrectinapicture=1 alphamaskpictureindex=12 \
  alphamaskactivepictureindex=13 morphing=1 command=cmclose hint=Close
dump_expect POPUPWINDOW windowpictureindex=2 maskpictureindex=6 lefttoppoint=5,4 righttoppoint=88,4 \
  leftbottompoint=5,50 rightbottompoint=87,49 itemsrect=2,2,91,53 scrollmarkercolor=8421504 topstretch=1
dump_expect LAYERFRAME pictureindex=8 maskpictureindex=5 clientrect=18,46,155,115 borderrect=15,14,159,118 \
  blurmaskpictureindex=16 intersectblurmaskrect=15,15,158,118 excludeblurmaskrect=18,46,155,115
dump_expect HINTWINDOW windowpictureindex=1 maskpictureindex=7 clientrect=2,2,42,42 leftstretch=1 \
  stretcheffect=1

# Rendering follows the sizing rules: buttons keep their 22 and 26 pixel
# heights at any width, the panel takes any size, the tab is no custom control.
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
expect_render() {  # expect_render NAME W H "at WxH (sizing mode M)"
  local said
  said=$("$skinpack" render "$skin" "$1" "$2" "$3" "$out/$1.bmp") || { fail "render $1 failed"; return; }
  [ "$said" = "rendered $1 $4" ] || fail "render $1 $2x$3 said: $said"
  [ -s "$out/$1.bmp" ] || fail "render $1 wrote no picture"
}
expect_render button 97 40 "at 97x22 (sizing mode 2)"
expect_render toolbutton 60 10 "at 60x26 (sizing mode 2)"
expect_render edit 121 30 "at 121x21 (sizing mode 2)"
expect_render panel 300 200 "at 300x200 (sizing mode 1)"
"$skinpack" render "$skin" tab 100 100 "$out/tab.bmp" 2>/dev/null && fail "a tab record rendered as a custom control"
# The looks of a record: the button's hot, pressed and disabled images are
# its own pictures; a look the record lacks falls back (the focused button
# shows the hot image); an unknown look is a usage error (exit 2).
for state in normal hot down disabled focused; do
  "$skinpack" render "$skin" button 97 22 "$out/button-$state.bmp" --state "$state" >/dev/null ||
    fail "render button --state $state failed"
done
cmp -s "$out/button-normal.bmp" "$out/button-hot.bmp" && fail "the hot button looks like the normal one"
cmp -s "$out/button-hot.bmp" "$out/button-down.bmp" && fail "the pressed button looks like the hot one"
cmp -s "$out/button-normal.bmp" "$out/button-disabled.bmp" && fail "the disabled button looks like the normal one"
cmp -s "$out/button-hot.bmp" "$out/button-focused.bmp" || fail "the focused button is not drawn with the hot image"
"$skinpack" render "$skin" button 97 22 "$out/bogus.bmp" --state pressed 2>/dev/null
[ $? = 2 ] || fail "an unknown --state was not refused as a usage error"
"$skinpack" render "$skin" button 0 10 "$out/zero.bmp" 2>/dev/null && fail "a zero width rendered"

if [ "$failures" = 0 ]; then
  echo "program skin: all figures present"
else
  echo "program skin: $failures failures"
  exit 1
fi
