// Shared pieces of the skinned controls' and the frame's Wine tests: the
// program's stored skin loaded by a skin data component on a form, as the
// program's own forms have it, and a control's painting read back.
#pragma once

#include "ProgramSkin.h"
#include "tkForms.h"
#include "vxSkinDataComponents.h"

namespace vx::testing {

struct ProgramSkinOnForm {
  TvxCompressedStoredSkinComponent* stored = nullptr;
  TvxSkinDataComponent* skin = nullptr;
};

// The components belong to `owner`; the skin is loaded when this returns.
inline ProgramSkinOnForm AddProgramSkin(tk::TComponent* owner) {
  ProgramSkinOnForm p;
  p.stored = new TvxCompressedStoredSkinComponent(owner);
  auto packed = kinopod::ProgramSkinCompressedData();
  p.stored->SetCompressedData(Bytes(packed.begin(), packed.end()));
  p.skin = new TvxSkinDataComponent(owner);
  p.skin->SetCompressedStoredSkin(p.stored);
  return p;
}

// The control's client area as it paints it, read back through a DIB.
inline TvxPixmap CapturePaint(tk::TWinControl* c) {
  tk::TBitmap bitmap(c->Width(), c->Height());
  SendMessageW(c->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(bitmap.Canvas().Handle()), 0);
  GdiFlush();
  return bitmap.Pixmap();
}

}  // namespace vx::testing
