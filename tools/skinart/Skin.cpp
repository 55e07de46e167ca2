// skinart: draws the program's own skin and writes it as a skin folder
// (definition.ini and its BMP pictures), ready for `skinpack build`.
//
//   skinart OUTDIR
//
// The output is a pure function of this program: running it again gives the
// same bytes, so the committed folder can be checked against a fresh run.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "BmpFile.h"
#include "Definition.h"
#include "Pictures.h"
#include "Widgets.h"

using namespace skinart;

namespace {

using Values = Definition::Values;

std::string Num(int v) { return std::to_string(v); }
std::string Col(Rgb c) { return ColorText(c); }

struct Art {
  Canvas main{frame::W, frame::H};
  Canvas mask{frame::W, frame::H};
  std::vector<Sheet> pictures;
};

// The picture list: file name, colour depth, and its place in the list.
struct PictureFile {
  const char* file;
  int bits;
};
const PictureFile kPictures[18] = {
    {"captionbuttons.bmp", 24},  {"hint.bmp", 24},        {"popup.bmp", 24},           {"menuitems.bmp", 24},
    {"controls.bmp", 24},        {"layeralpha.bmp", 24},  {"popupmask.bmp", 4},        {"hintmask.bmp", 4},
    {"layer.bmp", 24},           {"extras.bmp", 24},      {"menubar.bmp", 24},         {"texture.bmp", 24},
    {"captionalpha.bmp", 24},    {"captionalphahot.bmp", 24}, {"sysmenualpha.bmp", 24}, {"sysmenualphahot.bmp", 24},
    {"layerblur.bmp", 1},        {"captionalphainactive.bmp", 24}};
enum Pic {
  kCaptionButtons, kHint, kPopup, kMenuItems, kControls, kLayerAlpha, kPopupMask, kHintMask, kLayer, kExtras,
  kMenuBar, kTexture, kCaptionAlpha, kCaptionAlphaHot, kSysMenuAlpha, kSysMenuAlphaHot, kLayerBlur,
  kCaptionAlphaInactive
};

Art Draw() {
  Art art;
  DrawFrame(art.main, art.mask);
  art.pictures.push_back(DrawCaptionButtons());
  art.pictures.push_back(DrawHint());
  art.pictures.push_back(DrawPopup());
  art.pictures.push_back(DrawMenuItems());
  art.pictures.push_back(DrawControls());
  art.pictures.push_back(DrawLayerAlpha());
  art.pictures.push_back(DrawPopupMask());
  art.pictures.push_back(DrawHintMask());
  art.pictures.push_back(DrawLayerFrame());
  art.pictures.push_back(DrawExtras());
  art.pictures.push_back(DrawMenuBar());
  art.pictures.push_back(DrawTexture());
  art.pictures.push_back(DrawCaptionButtonAlpha(false, 0.92));
  art.pictures.push_back(DrawCaptionButtonAlpha(false, 1.0));
  art.pictures.push_back(DrawCaptionButtonAlpha(true, 0.92));
  art.pictures.push_back(DrawCaptionButtonAlpha(true, 1.0));
  art.pictures.push_back(DrawLayerBlurMask());
  art.pictures.push_back(DrawCaptionButtonAlpha(false, 0.7));
  return art;
}

Values Font(Rgb colour, const char* style = "") {
  return {{"fontname", "Arial"}, {"fontheight", "14"}, {"fontstyle", style}, {"fontcolor", Col(colour)}};
}
Values operator+(Values a, const Values& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}
// A rectangle relative to the top-left corner of a record's skin image.
std::string Area(Box b) { return RectText(b); }

void WriteObjects(Definition& d, const Art& art) {
  const Sheet& cb = art.pictures[kCaptionButtons];
  auto stdButton = [&](const char* name, const char* column, const char* command, const char* hint, int alpha,
                 const char* restore) {
    std::string c = column;
    Values v = {{"hint", hint},
                {"activepictureindex", Num(kCaptionButtons)},
                {"skinrectinapicture", "1"},
                {"skinrect", RectText(cb[c + ".normal"])},
                {"activeskinrect", RectText(cb[c + ".hot"])},
                {"inactiveskinrect", RectText(cb[c + ".inactive"])},
                {"morphing", "1"},
                {"downrect", RectText(cb[c + ".down"])},
                {"alphamaskpictureindex", Num(alpha)},
                {"alphamaskactivepictureindex", Num(alpha + 1)},
                {"alphamaskinactivepictureindex", Num(alpha == kCaptionAlpha ? kCaptionAlphaInactive : alpha)},
                {"command", command}};
    if (restore) {
      std::string r = restore;
      v = v + Values{{"restorerect", RectText(cb[r + ".normal"])},
                     {"restoreactiverect", RectText(cb[r + ".hot"])},
                     {"restoredownrect", RectText(cb[r + ".down"])},
                     {"restoreinactiverect", RectText(cb[r + ".inactive"])}};
    }
    d.Record(name, "stdbutton", v);
  };
  stdButton("closebutton", "close", "cmclose", "Close", kCaptionAlpha, nullptr);
  stdButton("maxbutton", "max", "cmmaximize", "Maximize", kCaptionAlpha, "maxrestore");
  stdButton("minbutton", "min", "cmminimize", "Minimize", kCaptionAlpha, "minrestore");
  stdButton("sysmenubutton", "sysmenu", "cmsysmenu", "System menu", kSysMenuAlpha, nullptr);

  d.Record("caption", "caption",
           {{"activepictureindex", Num(kCaptionButtons)},
            {"skinrectinapicture", "0"},
            {"skinrect", "5,4,280,20"},
            {"textrect", "5,0,269,16"},
            {"fontname", "Arial"},
            {"fontheight", "14"},
            {"fontstyle", "fsbold"},
            {"fontcolor", "10060394"},
            {"activefontcolor", "5849125"},
            {"alignment", "taleftjustify"},
            {"gloweffect", "1"},
            {"glowinactiveeffect", "1"},
            {"glowsize", "3"},
            {"glowcolor", "16181724"},
            {"glowactivecolor", "16777215"},
            {"dividerrect", RectText(cb["divider"])}},
           {{"inactivedividerrect", RectText(cb["divider.inactive"])}, {"quickbuttonalphamaskpictureindex", "-1"}});

  const Sheet& mi = art.pictures[kMenuItems];
  d.Record("menuitem", "menuitem",
           {{"activepictureindex", Num(kMenuItems)},
            {"skinrectinapicture", "1"},
            {"skinrect", RectText(mi["item"])},
            {"activeskinrect", RectText(mi["item.active"])},
            {"itemleftoffset", "26"},
            {"itemrightoffset", "4"},
            {"dividerrect", RectText(mi["divider"])},
            {"dividerleftoffset", "28"},
            {"dividerrightoffset", "2"},
            {"textrect", "30,0,36,22"},
            {"imagerect", "3,3,21,19"},
            {"fontcolor", Col(pal::text)},
            {"activefontcolor", Col(pal::textHot)},
            {"unenabledfontcolor", Col(pal::disabledGlyph)},
            {"checkimagerect", RectText(mi["check"])},
            {"activecheckimagerect", RectText(mi["check.active"])},
            {"radioimagerect", RectText(mi["radio"])},
            {"activeradioimagerect", RectText(mi["radio.active"])},
            {"arrowimagerect", RectText(mi["arrow"])},
            {"activearrowimagerect", RectText(mi["arrow.active"])}});

  const Sheet& mb = art.pictures[kMenuBar];
  d.Record("mainmenubaritem", "mainmenubaritem",
           {{"activepictureindex", Num(kMenuBar)},
            {"skinrectinapicture", "1"},
            {"skinrect", RectText(mb["item"])},
            {"activeskinrect", RectText(mb["item.active"])},
            {"itemleftoffset", "4"},
            {"itemrightoffset", "4"},
            {"downrect", RectText(mb["item.down"])},
            {"textrect", "4,0,36,22"},
            {"fontcolor", Col(pal::text)},
            {"activefontcolor", Col(pal::textHot)},
            {"downfontcolor", Col(pal::text)},
            {"unenabledfontcolor", Col(pal::disabledGlyph)},
            {"stretcheffect", "1"}});
  auto barButton = [&](const char* name, const char* kind, const char* command, const char* hint, bool restore) {
    std::string k = std::string("button.") + kind;
    Values v = {{"hint", hint},
                {"activepictureindex", Num(kMenuBar)},
                {"skinrectinapicture", "1"},
                {"skinrect", RectText(mb[k])},
                {"activeskinrect", RectText(mb[k + ".active"])},
                {"downrect", RectText(mb[k + ".down"])},
                {"command", command}};
    if (restore)
      v = v + Values{{"restorerect", RectText(mb["button.restore"])},
                     {"restoreactiverect", RectText(mb["button.restore.active"])},
                     {"restoredownrect", RectText(mb["button.restore.down"])}};
    d.Record(name, "mainmenubarbutton", v);
  };
  barButton("menubarsysmenubutton", "sysmenu", "cmsysmenu", "System menu", false);
  barButton("menubarclosebutton", "close", "cmclose", "Close", false);
  barButton("menubarmaxbutton", "max", "cmmaximize", "Maximize", true);
  barButton("menubarminbutton", "min", "cmminimize", "Minimize", true);
}

// The up-down record's six button rectangles for a pair of halves.
Values UpDownRects(const Sheet& s, const std::string& name, Box up, Box down) {
  return {{"upbuttonrect", Area(up)},
          {"activeupbuttonrect", RectText(s[name + ".up.hot"])},
          {"downupbuttonrect", RectText(s[name + ".up.down"])},
          {"downbuttonrect", Area(down)},
          {"activedownbuttonrect", RectText(s[name + ".down.hot"])},
          {"downdownbuttonrect", RectText(s[name + ".down.down"])}};
}

void WriteControls(Definition& d, const Art& art, std::vector<std::string>& entries) {
  const Sheet& k = art.pictures[kControls];
  const Sheet& x = art.pictures[kExtras];
  const std::string pk = Num(kControls), px = Num(kExtras);
  auto add = [&](const char* name, const char* type, const Values& v) {
    entries.push_back(std::string(name) + ":" + type);
    d.Record(name, type, v);
  };
  // A field-like control (edit and its relatives) of the extras sheet.
  auto field = [&](const std::string& img, int w, int h) -> Values {
    return {{"pictureindex", px},
            {"skinrect", RectText(x[img])},
            {"lefttoppoint", PointText(3, h / 2)},
            {"righttoppoint", PointText(w - 3, h / 2 + 1)},
            {"leftbottompoint", PointText(3, h - 3)},
            {"rightbottompoint", PointText(w - 3, h - 3)},
            {"clientrect", RectText(Box{3, 3, w - 3, h - 3})}};
  };
  auto buttonKeys = [&](const std::string& pic, Box normal, Box hot, Box down, Box disabled, int end) -> Values {
    return {{"pictureindex", pic},
            {"skinrect", RectText(normal)},
            {"lefttoppoint", PointText(end, normal.h() / 2)},
            {"righttoppoint", PointText(normal.w() - end, normal.h() / 2 + 1)},
            {"clientrect", RectText(Box{2, 2, normal.w() - 2, normal.h() - 2})},
            {"fontname", "Arial"},
            {"fontheight", "14"},
            {"fontcolor", Col(pal::text)},
            {"activefontcolor", Col(pal::textHot)},
            {"downfontcolor", Col(pal::text)},
            {"disabledfontcolor", "13156537"},
            {"activeskinrect", RectText(hot)},
            {"downskinrect", RectText(down)},
            {"disabledskinrect", disabled.w() > 0 ? RectText(disabled) : "0,0,0,0"},
            {"morphing", "1"},
            {"animateinterval", "20"}};
  };
  auto xb = [&](const std::string& img, int end, bool disabled = true) {
    return buttonKeys(px, x[img], x[img + ".hot"], x[img + ".down"], disabled ? x[img + ".disabled"] : Box{}, end);
  };
  auto panel = [&](const std::string& pic, Box img, int corner) -> Values {
    int w = img.w(), h = img.h();
    return {{"pictureindex", pic},
            {"skinrect", RectText(img)},
            {"lefttoppoint", PointText(corner, corner)},
            {"righttoppoint", PointText(w - corner, corner)},
            {"leftbottompoint", PointText(corner, h - corner)},
            {"rightbottompoint", PointText(w - corner, h - corner)},
            {"clientrect", RectText(Box{corner, corner, w - corner, h - corner})},
            {"fontname", "Arial"},
            {"fontheight", "14"},
            {"fontcolor", Col(pal::text)}};
  };
  auto markers = [&]() -> Values {
    return {{"menumarkerflatrect", RectText(x["marker.flat"])},
            {"menumarkerrect", RectText(x["marker"])},
            {"menumarkeractiverect", RectText(x["marker.hot"])},
            {"menumarkerdownrect", RectText(x["marker.down"])},
            {"menumarkertransparentcolor", Col(pal::key)}};
  };
  auto check = [&](bool radio) -> Values {
    std::string m = radio ? "radio" : "check";
    return {{"pictureindex", pk},
            {"skinrect", RectText(k["checkbox.bg"])},
            {"clientrect", "0,0,33,19"},
            {"fontname", "Arial"},
            {"fontheight", "14"},
            {"fontcolor", Col(pal::text)},
            {"activefontcolor", Col(pal::textHot)},
            {"unenabledfontcolor", "15851471"},
            {"framefontcolor", Col(pal::text)},
            {"checkimagearea", "2,1,18,18"},
            {"textarea", "21,1,33,17"},
            {"checkimagerect", RectText(k[m + ".checked"])},
            {"uncheckimagerect", RectText(k[m + ".unchecked"])},
            {"activecheckimagerect", RectText(k[m + ".hot.checked"])},
            {"activeuncheckimagerect", RectText(k[m + ".hot.unchecked"])},
            {"unenabledcheckimagerect", RectText(k[m + ".disabled.checked"])},
            {"unenableduncheckimagerect", RectText(k[m + ".disabled.unchecked"])},
            {"grayedcheckimagerect", radio ? "0,0,0,0" : RectText(k["check.grayed"])},
            {"activegrayedcheckimagerect", radio ? "0,0,0,0" : RectText(k["check.hot.grayed"])}};
  };
  auto gauge = [&](bool vertical, bool small) -> Values {
    std::string g = vertical ? "vgauge" : "gauge";
    Box img = x[g];
    Values v = {{"pictureindex", px},
                {"skinrect", RectText(img)},
                {"lefttoppoint", vertical ? "9,4" : "4,9"},
                {"righttoppoint", vertical ? "0,0" : PointText(img.w() - 4, 10)},
                {"leftbottompoint", vertical ? PointText(9, img.h() - 4) : "0,0"},
                {"clientrect", RectText(Box{2, 2, img.w() - 2, img.h() - 2})},
                {"stretcheffect", "1"},
                {"progressarea", RectText(Box{2, 2, img.w() - 2, img.h() - 2})},
                {"progressrect", RectText(x[g + ".progress"])},
                {"beginoffset", "2"},
                {"endoffset", "2"},
                {"vertical", vertical ? "1" : "0"},
                {"fontname", "Arial"},
                {"fontheight", small ? "12" : "14"},
                {"fontcolor", Col(pal::text)},
                {"progressstretch", "1"}};
    return v;
  };
  auto scroll = [&](bool vertical) -> Values {
    std::string s = vertical ? "vscroll" : "hscroll";
    Box img = x[s];
    Box back = vertical ? Box{0, 0, 17, 17} : Box{0, 0, 17, 17};
    Box fwd = vertical ? Box{0, img.h() - 17, 17, img.h()} : Box{img.w() - 17, 0, img.w(), 17};
    std::string upName = vertical ? "vscroll.down" : "hscroll.right";  // forward
    std::string downName = vertical ? "vscroll.up" : "hscroll.left";  // back
    return {{"pictureindex", px},
            {"skinrect", RectText(img)},
            {"lefttoppoint", vertical ? "8,17" : "17,8"},
            {"righttoppoint", vertical ? "0,0" : PointText(img.w() - 17, 9)},
            {"leftbottompoint", vertical ? PointText(8, img.h() - 17) : "0,0"},
            {"clientrect", vertical ? RectText(Box{0, 17, 17, img.h() - 17}) : RectText(Box{17, 0, img.w() - 17, 17})},
            {"stretcheffect", "1"},
            {"trackarea", vertical ? RectText(Box{0, 17, 17, img.h() - 17}) : RectText(Box{17, 0, img.w() - 17, 17})},
            {"upbuttonrect", Area(fwd)},
            {"activeupbuttonrect", RectText(x[upName + ".hot"])},
            {"downupbuttonrect", RectText(x[upName + ".down"])},
            {"downbuttonrect", Area(back)},
            {"activedownbuttonrect", RectText(x[downName + ".hot"])},
            {"downdownbuttonrect", RectText(x[downName + ".down"])},
            {"thumbrect", RectText(x[s + ".thumb"])},
            {"activethumbrect", RectText(x[s + ".thumb.hot"])},
            {"downthumbrect", RectText(x[s + ".thumb.down"])},
            {"thumboffset1", "4"},
            {"thumboffset2", "4"},
            {"thumbstretcheffect", "1"},
            {"thumbminsize", "12"},
            {"thumbminpagesize", "6"},
            {"glyphrect", RectText(x[s + ".grip"])},
            {"activeglyphrect", RectText(x[s + ".grip.hot"])},
            {"downglyphrect", RectText(x[s + ".grip.down"])},
            {"glyphtransparent", "1"},
            {"glyphtransparentcolor", Col(pal::key)}};
  };
  auto list = [&](const std::string& img, bool caption) -> Values {
    Box b = x[img];
    int top = caption ? 20 : 2;
    Values v = {{"pictureindex", px},
                {"skinrect", RectText(b)},
                {"lefttoppoint", PointText(3, top + 1)},
                {"righttoppoint", PointText(b.w() - 3, top + 1)},
                {"leftbottompoint", PointText(3, b.h() - 3)},
                {"rightbottompoint", PointText(b.w() - 3, b.h() - 3)},
                {"clientrect", RectText(Box{2, top, b.w() - 2, b.h() - 2})},
                {"itemrect", RectText(x["item"])},
                {"activeitemrect", RectText(x["item.active"])},
                {"focusitemrect", RectText(x["item.focus"])},
                {"itemleftoffset", "3"},
                {"itemrightoffset", "3"},
                {"itemtextrect", "4,0,36,18"},
                {"fontname", "Arial"},
                {"fontheight", "14"},
                {"fontcolor", Col(pal::text)},
                {"activefontcolor", Col(pal::text)},
                {"focusfontcolor", Col(pal::text)}};
    if (caption)
      v = v + Values{{"captionrect", "2,2,58,19"},
                     {"captionfontname", "Arial"},
                     {"captionfontheight", "14"},
                     {"captionfontstyle", "fsbold"},
                     {"captionfontcolor", Col(pal::text)}};
    return v;
  };
  auto checkList = [&](const std::string& img, bool caption) {
    return list(img, caption) + Values{{"itemcheckrect", "3,2,16,15"},
                                       {"checkimagerect", RectText(x["clb.check"])},
                                       {"uncheckimagerect", RectText(x["clb.uncheck"])}};
  };
  auto combo = [&]() -> Values {
    Box b = x["combo"];
    return {{"pictureindex", px},
            {"skinrect", RectText(b)},
            {"lefttoppoint", "3,10"},
            {"righttoppoint", "60,11"},
            {"clientrect", "3,3,60,18"},
            {"activeskinrect", RectText(x["combo.hot"])},
            {"itemrect", RectText(x["item"])},
            {"activeitemrect", RectText(x["item.active"])},
            {"focusitemrect", RectText(x["item.focus"])},
            {"itemleftoffset", "3"},
            {"itemrightoffset", "3"},
            {"itemtextrect", "3,0,37,18"},
            {"fontname", "Arial"},
            {"fontheight", "14"},
            {"fontcolor", Col(pal::text)},
            {"focusfontcolor", Col(pal::text)},
            {"activefontcolor", Col(pal::text)},
            {"listboxname", "listbox"},
            {"buttonrect", "62,2,78,19"},
            {"activebuttonrect", RectText(x["combo.button.hot"])},
            {"downbuttonrect", RectText(x["combo.button.down"])},
            {"unenabledbuttonrect", RectText(x["combo.button.disabled"])},
            {"itemstretcheffect", "1"},
            {"focusitemstretcheffect", "1"}};
  };
  auto edit = [&](bool withButton) -> Values {
    if (!withButton)
      return {{"pictureindex", pk},
              {"skinrect", RectText(k["edit"])},
              {"lefttoppoint", "4,10"},
              {"righttoppoint", "51,11"},
              {"clientrect", "3,3,54,18"},
              {"fontname", "Arial"},
              {"fontheight", "14"},
              {"fontcolor", Col(pal::text)},
              {"disabledfontcolor", "14144205"},
              {"activefontcolor", Col(pal::text)}};
    return {{"pictureindex", px},
            {"skinrect", RectText(x["buttonedit"])},
            {"lefttoppoint", "3,10"},
            {"righttoppoint", "60,11"},
            {"clientrect", "3,3,60,18"},
            {"activeskinrect", RectText(x["buttonedit.hot"])},
            {"fontname", "Arial"},
            {"fontheight", "14"},
            {"fontcolor", Col(pal::text)},
            {"disabledfontcolor", "14144205"},
            {"activefontcolor", Col(pal::text)},
            {"buttonrect", "62,2,78,19"},
            {"activebuttonrect", RectText(x["buttonedit.button.hot"])},
            {"downbuttonrect", RectText(x["buttonedit.button.down"])},
            {"unenabledbuttonrect", RectText(x["buttonedit.button.disabled"])}};
  };
  auto spin = [&]() -> Values {
    return Values{{"pictureindex", px},
                  {"skinrect", RectText(x["spin"])},
                  {"lefttoppoint", "3,10"},
                  {"righttoppoint", "43,11"},
                  {"clientrect", "3,3,43,18"},
                  {"activeskinrect", RectText(x["spin.hot"])},
                  {"fontname", "Arial"},
                  {"fontheight", "14"},
                  {"fontcolor", Col(pal::text)},
                  {"activefontcolor", Col(pal::text)},
                  {"disabledfontcolor", "14144205"},
                  {"upbuttonrect", "44,2,58,10"},
                  {"activeupbuttonrect", RectText(x["spin.up.hot"])},
                  {"downupbuttonrect", RectText(x["spin.up.down"])},
                  {"downbuttonrect", "44,10,58,19"},
                  {"activedownbuttonrect", RectText(x["spin.down.hot"])},
                  {"downdownbuttonrect", RectText(x["spin.down.down"])}};
  };
  auto label = [&](const std::string& img, Rgb colour, const char* style = "") -> Values {
    Box b = x[img];
    return Values{{"pictureindex", px}, {"skinrect", RectText(b)}, {"clientrect", RectText(Box{0, 0, b.w(), b.h()})},
                  {"stretcheffect", "1"}} +
           Font(colour, style);
  };
  auto stdlabel = [&](Rgb active) { return Font(pal::text) + Values{{"activefontcolor", Col(active)}}; };
  auto bevel = [&]() -> Values { return {{"lightcolor", Col(pal::white)}, {"darkcolor", Col(pal::line)}}; };
  auto plainView = [&]() -> Values {
    return Values{{"pictureindex", px}, {"skinrect", RectText(x["memo"])}} + Font(pal::text) +
           Values{{"bgcolor", Col(pal::field)}};
  };
  auto toolPanel = [&](const std::string& img) {
    return panel(px, x[img], 3) + Values{{"stretcheffect", "1"}};
  };

  auto tab = [&](Rgb inactiveText) -> Values {
    return {{"pictureindex", pk},
            {"skinrect", RectText(k["tab.frame"])},
            {"tabrect", RectText(k["tab.normal"])},
            {"activetabrect", RectText(k["tab.active"])},
            {"focustabrect", RectText(k["tab.focus"])},
            {"mouseintabrect", RectText(k["tab.hot"])},
            {"clientrect", "2,2,57,50"},
            {"lefttoppoint", "2,2"},
            {"righttoppoint", "57,2"},
            {"leftbottompoint", "2,50"},
            {"rightbottompoint", "57,50"},
            {"tableftoffset", "5"},
            {"tabrightoffset", "5"},
            {"tabsbgrect", RectText(k["tab.bg"])},
            {"tabstretcheffect", "1"},
            {"fontname", "Arial"},
            {"fontheight", "14"},
            {"fontcolor", Col(inactiveText)},
            {"activefontcolor", Col(pal::text)},
            {"focusfontcolor", Col(pal::text)},
            {"mouseinfontcolor", Col(pal::textHot)},
            {"updown", "hupdown"},
            {"closebuttonrect", RectText(k["tab.close"])},
            {"closebuttonactiverect", RectText(k["tab.close.hot"])},
            {"closebuttondownrect", RectText(k["tab.close.down"])},
            {"buttontransparent", "1"},
            {"buttontransparentcolor", Col(pal::key)}};
  };

  // The button's images are quoted figures: the four states stacked at the right of picture 4.
  // Sets keys: replaces the value of a key already in the list, adds the others.
  auto set = [](Values v, const Values& changes) {
    for (const auto& [key, value] : changes) {
      bool found = false;
      for (auto& kv : v)
        if (kv.first == key) kv.second = value, found = true;
      if (!found) v.emplace_back(key, value);
    }
    return v;
  };
  auto toolButton = [&]() {
    return set(buttonKeys(pk, k["toolbutton.normal"], k["toolbutton.hot"], k["toolbutton.down"],
                          k["toolbutton.disabled"], 5),
               {{"lefttoppoint", "5,11"}, {"righttoppoint", "20,12"}, {"clientrect", "2,2,23,24"}});
  };
  // Ends of 3 and 5 pixels; the bottom points stay unset (three-part drawing).
  add("button", "button",
      set(buttonKeys(pk, k["button.normal"], k["button.hot"], k["button.down"], k["button.disabled"], 3),
          {{"lefttoppoint", "3,9"}, {"righttoppoint", "73,13"}}));
  add("toolpanel", "panel", toolPanel("toolpanel"));
  // Ends of 5 pixels; the caption is laid out in a client area 22 pixels high.
  add("toolbutton", "button",
      toolButton());
  add("checkbox", "checkradio", check(false));
  add("gauge", "gauge", gauge(false, false));
  add("vgauge", "gauge", gauge(true, false));
  add("radiobox", "checkradio", check(true));
  add("panel", "panel", panel(pk, k["tab.frame"], 2));
  add("label", "label", label("label", pal::text));
  auto track = [&](bool vertical) -> Values {
    std::string t = vertical ? "trackbar" : "htrackbar";
    Box b = x[t];
    return {{"pictureindex", px},
            {"skinrect", RectText(b)},
            {"lefttoppoint", vertical ? "12,6" : "6,12"},
            {"righttoppoint", vertical ? "0,0" : PointText(b.w() - 6, 13)},
            {"leftbottompoint", vertical ? PointText(12, b.h() - 6) : "0,0"},
            {"clientrect", vertical ? RectText(Box{0, 6, 24, b.h() - 6}) : RectText(Box{6, 0, b.w() - 6, 24})},
            {"stretcheffect", "1"},
            {"trackarea", vertical ? RectText(Box{0, 6, 24, b.h() - 6}) : RectText(Box{6, 0, b.w() - 6, 24})},
            {"buttonrect", RectText(x[t + ".thumb"])},
            {"activebuttonrect", RectText(x[t + ".thumb.hot"])},
            {"vertical", vertical ? "1" : "0"}};
  };
  add("trackbar", "trackbar", track(true));
  add("htrackbar", "trackbar", track(false));
  add("grid", "grid",
      {{"pictureindex", px},
       {"fixedcellrect", RectText(x["grid.fixed"])},
       {"selectcellrect", RectText(x["grid.select"])},
       {"focuscellrect", RectText(x["grid.focus"])},
       {"fixedcellleftoffset", "2"},
       {"fixedcellrightoffset", "2"},
       {"fixedcelltextrect", "4,0,36,20"},
       {"cellleftoffset", "2"},
       {"cellrightoffset", "2"},
       {"celltextrect", "4,0,36,20"},
       {"linescolor", Col(pal::lineSoft)},
       {"bgcolor", Col(pal::field)},
       {"fontname", "Arial"},
       {"fontheight", "14"},
       {"fontcolor", Col(pal::text)},
       {"selectfontcolor", Col(pal::text)},
       {"focusfontcolor", Col(pal::text)},
       {"fixedfontname", "Arial"},
       {"fixedfontheight", "14"},
       {"fixedfontstyle", "fsbold"},
       {"fixedfontcolor", Col(pal::text)},
       {"cellstretcheffect", "1"},
       {"fixedcellstretcheffect", "1"}});
  add("tab", "tab", tab(pal::textMuted));
  add("edit", "edit", edit(false));
  add("memo", "memo",
      field("memo", 60, 40) + Values{{"activeskinrect", RectText(x["memo.hot"])}} + Font(pal::text) +
          Values{{"disabledfontcolor", "14144205"}, {"activefontcolor", Col(pal::text)}, {"bgcolor", Col(pal::field)},
                 {"activebgcolor", Col(pal::field)}});
  add("hscrollbar", "scrollbar", scroll(false));
  add("vscrollbar", "scrollbar", scroll(true));
  add("listbox", "listbox", list("listbox", false));
  add("combobox", "combobox", combo());
  add("checklistbox", "checklistbox", checkList("listbox", false));
  add("spinedit", "spinedit", spin());
  add("groupbox", "panel",
      {{"pictureindex", px},
       {"skinrect", RectText(x["groupbox"])},
       {"lefttoppoint", "10,18"},
       {"righttoppoint", "70,18"},
       {"leftbottompoint", "10,44"},
       {"rightbottompoint", "70,44"},
       {"clientrect", "4,18,76,46"},
       {"captionrect", "8,0,72,17"},
       {"alignment", "taleftjustify"},
       {"fontname", "Arial"},
       {"fontheight", "14"},
       {"fontstyle", "fsbold"},
       {"fontcolor", Col(pal::text)}});
  add("stdlabel", "stdlabel", stdlabel(pal::textHot));
  add("statuspanel", "label",
      label("statuspanel", pal::text) + Values{});
  add("statusbar", "panel",
      set(panel(px, x["statusbar"], 2),
          {{"stretcheffect", "1"}, {"leftstretch", "1"}, {"rightstretch", "1"}}) + Values{{"gripperrect", RectText(x["statusbar.grip"])},
                                            {"grippertransparent", "1"},
                                            {"grippertransparentcolor", Col(pal::key)}});
  add("buttonedit", "edit", edit(true));
  {
    Box v = k["vupdown"];
    add("vupdown", "updown",
        Values{{"pictureindex", pk}, {"skinrect", RectText(v)}} +
            UpDownRects(k, "vupdown", Box{0, 0, 15, 16}, Box{0, 16, 15, 32}));
    add("hupdown", "updown",
        Values{{"pictureindex", pk}, {"skinrect", RectText(k["hupdown"])}} +
            UpDownRects(k, "hupdown", Box{16, 0, 32, 15}, Box{0, 0, 16, 15}));
  }
  add("captionlistbox", "listbox", list("listbox.caption", true));
  add("captionchecklistbox", "checklistbox", checkList("listbox.caption", true));
  add("captioncombobox", "combobox", combo());
  auto noFont = [](const Values& v) {
    Values out;
    for (const auto& kv : v)
      if (kv.first.rfind("font", 0) != 0) out.push_back(kv);
    return out;
  };
  add("controlbar", "controlbar",
      noFont(panel(px, x["controlbar"], 3)) + Values{{"stretcheffect", "1"},
                                                     {"itemrect", RectText(x["controlbar.item"])},
                                                     {"hgriprect", RectText(x["controlbar.hgrip"])},
                                                     {"vgriprect", RectText(x["controlbar.vgrip"])},
                                                     {"gripoffset1", "3"},
                                                     {"gripoffset2", "3"},
                                                     {"itemstretcheffect", "1"},
                                                     {"griptransparent", "1"},
                                                     {"griptransparentcolor", Col(pal::key)}});
  add("mainmenubar", "mainmenubar",
      {{"pictureindex", Num(kMenuBar)},
       {"skinrect", RectText(art.pictures[kMenuBar]["bar"])},
       {"itemsrect", "2,0,58,21"},
       {"menubaritem", "mainmenubaritem"},
       {"closebutton", "menubarclosebutton"},
       {"minbutton", "menubarminbutton"},
       {"maxbutton", "menubarmaxbutton"},
       {"sysmenubutton", "menubarsysmenubutton"},
       {"trackmarkcolor", Col(pal::line)},
       {"trackmarkactivecolor", Col(pal::accent)},
       {"stretcheffect", "1"}});
  auto splitter = [&](bool vertical) {
    std::string n = vertical ? "vsplitter" : "hsplitter";
    Box b = x[n];
    return Values{{"pictureindex", px},
                  {"skinrect", RectText(b)},
                  {"clientrect", RectText(Box{0, 0, b.w(), b.h()})},
                  {"stretcheffect", "1"},
                  {"gripperrect", RectText(x[n + ".grip"])},
                  {"grippertransparent", "1"},
                  {"grippertransparentcolor", Col(pal::key)}};
  };
  add("vsplitter", "splitter", splitter(true));
  add("hsplitter", "splitter", splitter(false));
  add("resizebutton", "button", xb("resize", 3, false));
  add("bothhscrollbar", "scrollbar", scroll(false));
  add("bigtoolpanel", "panel", toolPanel("bigtoolpanel"));
  add("bigtoolbutton", "button", xb("bigtool", 5));
  add("toolmenubutton", "menubutton", xb("toolmenu", 5) + markers());
  add("toolmenutrackbutton", "menubutton", xb("tooltrack", 5) + markers() + Values{{"trackbuttonrect", "25,0,37,26"}});
  add("bigtoolmenubutton", "menubutton", xb("bigtool", 5) + markers());
  add("bigtoolmenutrackbutton", "menubutton",
      xb("bigtrack", 5) + markers() + Values{{"trackbuttonrect", "0,52,44,64"}});
  add("scrollbox", "scrollbox", field("scrollbox", 40, 40) + Values{{"bgpictureindex", Num(kTexture)}});
  add("listview", "listview", plainView());
  add("treeview", "treeview", plainView());
  add("statusgauge", "gauge", gauge(false, true));
  add("richedit", "richedit", plainView());
  add("expanel", "expanel",
      panel(px, x["expanel"], 3) +
          Values{{"rollhskinrect", RectText(x["expanel.rollh"])},
                 {"rollvskinrect", RectText(x["expanel.rollv"])},
                 {"rollleftoffset", "4"},
                 {"rollrightoffset", "4"},
                 {"rolltopoffset", "4"},
                 {"rollbottomoffset", "4"},
                 {"rollvcaptionrect", "2,20,20,96"},
                 {"rollhcaptionrect", "20,2,96,20"},
                 {"closebuttonrect", RectText(x["expanel.close"])},
                 {"closebuttonactiverect", RectText(x["expanel.close.hot"])},
                 {"closebuttondownrect", RectText(x["expanel.close.down"])},
                 {"hrollbuttonrect", RectText(x["expanel.hroll"])},
                 {"hrollbuttonactiverect", RectText(x["expanel.hroll.hot"])},
                 {"hrollbuttondownrect", RectText(x["expanel.hroll.down"])},
                 {"hrestorebuttonrect", RectText(x["expanel.hrestore"])},
                 {"hrestorebuttonactiverect", RectText(x["expanel.hrestore.hot"])},
                 {"hrestorebuttondownrect", RectText(x["expanel.hrestore.down"])},
                 {"vrollbuttonrect", RectText(x["expanel.vroll"])},
                 {"vrollbuttonactiverect", RectText(x["expanel.vroll.hot"])},
                 {"vrollbuttondownrect", RectText(x["expanel.vroll.down"])},
                 {"vrestorebuttonrect", RectText(x["expanel.vrestore"])},
                 {"vrestorebuttonactiverect", RectText(x["expanel.vrestore.hot"])},
                 {"vrestorebuttondownrect", RectText(x["expanel.vrestore.down"])},
                 {"captionrect", "4,1,80,20"},
                 {"buttonstransparent", "1"},
                 {"buttonstransparentcolor", Col(pal::key)}});
  add("slider", "slider",
      {{"pictureindex", px},
       {"bgcolor", Col(pal::client)},
       {"hrulerrect", RectText(x["slider.hruler"])},
       {"hthumbrect", RectText(x["slider.hthumb"])},
       {"vrulerrect", RectText(x["slider.vruler"])},
       {"vthumbrect", RectText(x["slider.vthumb"])},
       {"edgesize", "3"},
       {"pointscolor", Col(pal::line)}});
  add("bevel", "bevel", bevel());
  add("statusedit", "edit", edit(false));
  add("statusbuttonedit", "edit", edit(true));
  add("statusspinedit", "spinedit", spin());
  add("statuscombobox", "combobox", combo());
  add("resizetoolpanel", "panel", toolPanel("toolpanel"));
  add("resizetoolbutton", "button", toolButton());  // the same images as the tool button
  add("combobutton", "button", xb("combobutton", 3));
  add("vtracktoolbutton", "button", xb("vtrack", 3, false));
  add("htracktoolbutton", "button", xb("htrack", 3, false));
  add("menuheader", "label", label("menuheader", pal::text, "fsbold"));
  add("officetab", "tab", tab(pal::textMuted));
  add("officegroup", "panel",
      panel(px, x["officegroup"], 3) + Values{{"framerect", RectText(x["officegroup.caption"])},
                                              {"frametextrect", "4,0,96,18"},
                                              {"frameleftoffset", "4"},
                                              {"framerightoffset", "4"}});
  add("officemenubutton", "button", xb("bigtool", 5));
  add("officegroupbutton", "button", xb("bigtool", 5));
  add("officetoolbar", "panel", toolPanel("toolpanel"));
  add("appmenu", "appmenu",
      noFont(panel(px, x["appmenu"], 4)) + Values{{"bgpictureindex", Num(kTexture)},
                                                  {"itemrect", RectText(x["appmenu.item"])},
                                                  {"pageitemrect", RectText(x["appmenu.page"])},
                                                  {"pageitemactiverect", RectText(x["appmenu.page.hot"])},
                                                  {"pageoffset", "4"}} +
          Font(pal::text) +
          Values{{"fontpageheight", "16"},
                 {"disabledfontcolor", Col(pal::disabledGlyph)},
                 {"activefontcolor", Col(pal::textHot)},
                 {"fontpagecolor", Col(pal::text)},
                 {"activefontpagecolor", Col(pal::textHot)},
                 {"gripperrect", RectText(x["appmenu.grip"])},
                 {"grippertransparentcolor", Col(pal::key)}});
  add("menupagepanel", "panel", panel(px, x["menupage"], 2));
  add("menupagedivider", "bevel", bevel());
  add("officegroupdivider", "bevel", bevel());
  add("appmenuheader", "label", label("appmenuheader", pal::text, "fsbold"));
  add("appmenustdlabel", "stdlabel", stdlabel(pal::textHot));
  add("officequickbutton", "button", xb("quick", 3, false));
}

void WriteDefinition(Definition& d, const Art& art) {
  d.Section("VERSION", {{"ver", "3"},
                        {"skinname", "Kinopod Light"},
                        {"skinauthor", "Kinopod"},
                        {"authoremail", ""},
                        {"authorurl", ""},
                        {"skincomments", "Drawn by tools/skinart"}});
  Values pictures = {{"picture", "main.bmp"},
                     {"inactivepicture", ""},
                     {"mask", "mask.bmp"},
                     {"activepicturescount", "18"}};
  for (int i = 0; i < 18; ++i) pictures.emplace_back(Num(i), kPictures[i].file);
  d.Section("PICTURES", pictures);
  d.Section("SKINCOLORS", {{"cbtnface", Col(pal::client)},
                           {"cbtntext", Col(pal::text)},
                           {"cwindow", Col(pal::field)},
                           {"cwindowtext", Col(pal::text)},
                           {"chighlight", Col(pal::accent)},
                           {"chighlighttext", Col(pal::white)},
                           {"cbtnhighlight", Col(pal::white)},
                           {"cbtnshadow", Col(pal::line)}});
  d.Record("FORMINFO", "FORMINFO",
           {{"lefttoppoint", "9,27"},
            {"righttoppoint", "273,27"},
            {"leftbottompoint", "4,205"},
            {"rightbottompoint", "279,205"},
            {"clientrect", RectText(frame::client)},
            {"maskrectarea", "3,3,282,207"},
            {"hittestlefttoppoint", "7,6"},
            {"hittestrighttoppoint", "279,8"},
            {"hittestleftbottompoint", "5,205"},
            {"hittestrightbottompoint", "280,206"},
            {"captionrect", "5,3,280,20"},
            {"buttonsoffset", "5"},
            {"borderwidth", "3"},
            {"formminwidth", "200"},
            {"inactiveeffect", "iegrayscale"}});
  d.Record("POPUPWINDOW", "POPUPWINDOW",
           {{"windowpictureindex", Num(kPopup)},
            {"maskpictureindex", Num(kPopupMask)},
            {"lefttoppoint", "5,4"},
            {"righttoppoint", "88,4"},
            {"leftbottompoint", "5,50"},
            {"rightbottompoint", "87,49"},
            {"itemsrect", "2,2,91,53"},
            {"scrollmarkercolor", "8421504"},
            {"scrollmarkeractivecolor", Col(pal::accent)},
            {"topstretch", "1"}});
  d.Record("LAYERFRAME", "LAYERFRAME",
           {{"pictureindex", Num(kLayer)},
            {"maskpictureindex", Num(kLayerAlpha)},
            {"lefttoppoint", "21,46"},
            {"righttoppoint", "151,46"},
            {"leftbottompoint", "21,113"},
            {"rightbottompoint", "151,113"},
            {"clientrect", "18,46,155,115"},
            {"borderrect", "15,14,159,118"},
            {"hittestenable", "1"},
            {"fullborder", "1"},
            {"hittestsize", "3"},
            {"captionrect", "21,19,152,38"},
            {"rollupformheight", "1"},
            {"buttonstopoffset", "21"},
            {"sysbuttontopoffset", "21"},
            {"blurmaskpictureindex", Num(kLayerBlur)},
            {"intersectblurmaskrect", "15,15,158,118"},
            {"excludeblurmaskrect", "18,46,155,115"}});
  d.Record("HINTWINDOW", "HINTWINDOW",
           {{"windowpictureindex", Num(kHint)},
            {"maskpictureindex", Num(kHintMask)},
            {"lefttoppoint", "2,2"},
            {"righttoppoint", "40,2"},
            {"leftbottompoint", "2,40"},
            {"rightbottompoint", "40,40"},
            {"clientrect", "2,2,42,42"},
            {"fontname", "Arial"},
            {"fontheight", "14"},
            {"fontcolor", Col(pal::text)},
            {"leftstretch", "1"},
            {"rightstretch", "1"},
            {"topstretch", "1"},
            {"bottomstretch", "1"},
            {"stretcheffect", "1"}});

  // The lists come before the record sections but name them: fill the
  // records into a second definition first, then append.
  Definition objects, controls;
  WriteObjects(objects, art);
  std::vector<std::string> controlEntries;
  WriteControls(controls, art, controlEntries);
  const char* objectEntries[11] = {"closebutton:stdbutton",
                                   "maxbutton:stdbutton",
                                   "minbutton:stdbutton",
                                   "sysmenubutton:stdbutton",
                                   "caption:caption",
                                   "menuitem:menuitem",
                                   "mainmenubaritem:mainmenubaritem",
                                   "menubarsysmenubutton:mainmenubarbutton",
                                   "menubarclosebutton:mainmenubarbutton",
                                   "menubarmaxbutton:mainmenubarbutton",
                                   "menubarminbutton:mainmenubarbutton"};
  Values list = {{"count", "11"}};
  for (int i = 0; i < 11; ++i) list.emplace_back(Num(i), objectEntries[i]);
  d.Section("SKINOBJECTS", list);
  list = {{"count", Num(int(controlEntries.size()))}};
  for (size_t i = 0; i < controlEntries.size(); ++i) list.emplace_back(Num(int(i)), controlEntries[i]);
  d.Section("SKINCONTROLS", list);
  d.Append(objects);
  d.Append(controls);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: skinart OUTDIR\n");
    return 1;
  }
  std::string dir = argv[1];
  Art art = Draw();
  Definition d;
  WriteDefinition(d, art);
  std::string text = d.Text();
  FILE* f = std::fopen((dir + "/definition.ini").c_str(), "wb");
  if (!f || std::fwrite(text.data(), 1, text.size(), f) != text.size() || std::fclose(f) != 0) {
    std::fprintf(stderr, "skinart: cannot write %s/definition.ini\n", dir.c_str());
    return 1;
  }
  WriteBmp24(art.main, dir + "/main.bmp");
  WriteBmpGrey(art.mask, 8, dir + "/mask.bmp");
  for (int i = 0; i < 18; ++i) {
    const Canvas& c = art.pictures[i].canvas;
    if (kPictures[i].bits == 24)
      WriteBmp24(c, dir + "/" + kPictures[i].file);
    else
      WriteBmpGrey(c, kPictures[i].bits, dir + "/" + kPictures[i].file);
  }
  std::printf("skinart: %zu sections, 20 pictures written to %s\n", d.SectionCount(), dir.c_str());
  return 0;
}
