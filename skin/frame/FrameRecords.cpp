#include "FrameRecords.h"

#include "vxSkinDataControls.h"
#include "vxSkinDataObjects.h"
#include "vxSkinDataWindows.h"

namespace vx::frame {
namespace {

// Every skin value enters the rules through these, clamped.
Point P(const TvxPoint& p) { return ClampFrameCoords(Point{p.X, p.Y}); }
Rect R(const TvxRect& r) { return ClampFrameCoords(Rect{r.Left, r.Top, r.Right, r.Bottom}); }
int N(int v) { return ClampFrameCoord(v); }
TvxStdCommand Command(vx::TvxStdCommand c) { return static_cast<TvxStdCommand>(static_cast<int>(c)); }

ObjectRecordKind KindOf(const TvxSkinRecord* r) {
  // Most derived first: a menu-bar button is a std button, a std button a button.
  if (dynamic_cast<const TvxDataSkinMainMenuBarButton*>(r)) return ObjectRecordKind::MainMenuBarButton;
  if (dynamic_cast<const TvxDataSkinStdButton*>(r)) return ObjectRecordKind::StdButton;
  if (dynamic_cast<const TvxDataSkinButton*>(r)) return ObjectRecordKind::Button;
  if (dynamic_cast<const TvxDataSkinCaption*>(r)) return ObjectRecordKind::Caption;
  if (dynamic_cast<const TvxDataSkinAnimate*>(r)) return ObjectRecordKind::Animate;
  if (dynamic_cast<const TvxDataUserObject*>(r)) return ObjectRecordKind::UserObject;
  if (dynamic_cast<const TvxDataSkinMenuItem*>(r)) return ObjectRecordKind::MenuItem;
  if (dynamic_cast<const TvxDataSkinMainMenuBarItem*>(r)) return ObjectRecordKind::MainMenuBarItem;
  if (dynamic_cast<const TvxDataSkinMainMenuItem*>(r)) return ObjectRecordKind::MainMenuItem;
  return ObjectRecordKind::Other;
}

}  // namespace

FrameSkin FrameSkinFromSkinData(const TvxSkinData& data) {
  FrameSkin s;
  const auto* f = dynamic_cast<const TvxDataSkinFormInfo*>(&data.FormInfo());
  if (data.Empty() || !f) return s;
  s.present = true;
  s.pictureWidth = data.MainPicture.Width();
  s.pictureHeight = data.MainPicture.Height();
  s.hasMask = !data.MaskPicture.Empty();
  FormInfo& i = s.info;
  i.lefttoppoint = P(f->lefttoppoint);
  i.righttoppoint = P(f->righttoppoint);
  i.leftbottompoint = P(f->leftbottompoint);
  i.rightbottompoint = P(f->rightbottompoint);
  i.clientrect = R(f->clientrect);
  i.maskrectarea = R(f->maskrectarea);
  i.hittestlefttoppoint = P(f->hittestlefttoppoint);
  i.hittestrighttoppoint = P(f->hittestrighttoppoint);
  i.hittestleftbottompoint = P(f->hittestleftbottompoint);
  i.hittestrightbottompoint = P(f->hittestrightbottompoint);
  i.buttonsrect = R(f->buttonsrect);
  i.captionrect = R(f->captionrect);
  i.buttonsoffset = N(f->buttonsoffset);
  i.buttonsinleft = f->buttonsinleft;
  i.borderwidth = N(f->borderwidth);
  i.formminwidth = N(f->formminwidth);
  i.formminheight = N(f->formminheight);
  i.stretcheffect = f->stretcheffect;
  return s;
}

std::vector<FrameObjectRecord> ObjectRecordsFromSkinData(const TvxSkinData& data) {
  std::vector<FrameObjectRecord> out;
  if (data.Empty()) return out;
  for (const auto& rec : data.ObjectRecords) {
    const auto* o = dynamic_cast<const TvxDataSkinObject*>(rec.get());
    if (!o) continue;
    FrameObjectRecord r;
    r.name = o->Name;
    r.kind = KindOf(o);
    r.hint = o->hint;
    r.skinrectinapicture = o->skinrectinapicture;
    r.skinrect = R(o->skinrect);
    r.activeskinrect = R(o->activeskinrect);
    r.inactiveskinrect = R(o->inactiveskinrect);
    r.morphing = o->morphing;
    r.morphkind = o->morphkind;
    if (const TvxPixmap* mask = data.Picture(o->activemaskpictureindex))
      r.activeMask = std::shared_ptr<const TvxPixmap>(mask, [](const TvxPixmap*) {});
    if (const TvxPixmap* picture = data.Picture(o->activepictureindex))
      r.picture = std::shared_ptr<const TvxPixmap>(picture, [](const TvxPixmap*) {});
    if (const auto* b = dynamic_cast<const TvxDataSkinButton*>(o)) {
      r.downrect = R(b->downrect);
      r.disabledrect = R(b->disableskinrsect);
    }
    auto restoreSet = [&](const TvxRestoreFields& f) {
      r.restorehint = f.restorehint;
      r.restorerect = R(f.restorerect);
      r.restoreactiverect = R(f.restoreactiverect);
      r.restoredownrect = R(f.restoredownrect);
      r.restoreinactiverect = R(f.restoreinactiverect);
    };
    if (const auto* b = dynamic_cast<const TvxDataSkinStdButton*>(o)) {
      r.command = Command(b->command);
      restoreSet(*b);
    } else if (const auto* a = dynamic_cast<const TvxDataSkinAnimate*>(o)) {
      r.command = Command(a->command);
      restoreSet(*a);
      r.buttonstyle = a->buttonstyle;
      r.downrect = R(a->downskinrect);
      r.countframes = N(a->countframes);
      r.cycle = a->cycle;
      r.timerinterval = N(a->timerinterval);
    } else if (const auto* c = dynamic_cast<const TvxDataSkinCaption*>(o)) {
      r.animateskinrect = R(c->animateskinrect);
      r.framecount = N(c->framecount);
      r.animateinterval = N(c->animateinterval);
      r.inactiveanimation = c->inactiveanimation;
      r.dividerrect = R(c->dividerrect);
      r.dividertransparent = c->dividertransparent;
      r.dividertransparentcolor = static_cast<uint32_t>(c->dividertransparentcolor) & 0xFFFFFFu;
    }
    out.push_back(std::move(r));
  }
  return out;
}

PopupSkin PopupSkinFromSkinData(const TvxSkinData& data) {
  PopupSkin s;
  const auto* w = dynamic_cast<const TvxDataSkinPopupWindow*>(&data.PopupWindow());
  const TvxPixmap* picture = w ? data.Picture(w->windowpictureindex) : nullptr;
  if (data.Empty() || !picture) return s;
  const TvxDataSkinMenuItem* item = nullptr;
  for (const auto& rec : data.ObjectRecords)
    if ((item = dynamic_cast<const TvxDataSkinMenuItem*>(rec.get()))) break;
  // The window keeps its skinned look without an item record; its items
  // take the default item look.
  s.skinned = true;
  s.itemDefault = !item;
  s.pictureWidth = picture->Width();
  s.pictureHeight = picture->Height();
  s.itemsrect = R(w->itemsrect);
  s.lefttoppoint = P(w->lefttoppoint);
  s.righttoppoint = P(w->righttoppoint);
  s.leftbottompoint = P(w->leftbottompoint);
  s.rightbottompoint = P(w->rightbottompoint);
  if (!item) return s;
  s.textrect = R(item->textrect);
  s.skinrect = R(item->skinrect);
  s.dividerrect = R(item->dividerrect);
  return s;
}

std::optional<UpDownRecord> UpDownRecordFromSkinData(const TvxSkinData& data, std::string_view name) {
  const auto* r = dynamic_cast<const TvxDataSkinUpDownControl*>(data.FindControl(name));
  if (!r) return std::nullopt;
  UpDownRecord u;
  u.upbuttonrect = R(r->upbuttonrect);
  u.activeupbuttonrect = R(r->activeupbuttonrect);
  u.downupbuttonrect = R(r->downupbuttonrect);
  u.downbuttonrect = R(r->downbuttonrect);
  u.activedownbuttonrect = R(r->activedownbuttonrect);
  u.downdownbuttonrect = R(r->downdownbuttonrect);
  return u;
}

}  // namespace vx::frame
