#include "ClientInActivePanel.h"

#include "vxInactiveClient.h"
#include "vxPixmapDib.h"

namespace vx {

TvxClientInActivePanel::TvxClientInActivePanel(tk::TComponent* owner) : tk::TCustomControl(owner) {
  // The picture covers every pixel: no erase underneath it.
  ControlStyle |= tk::csOpaque;
}

TvxClientInActivePanel::~TvxClientInActivePanel() { TearDown(); }

bool TvxClientInActivePanel::Cover(tk::TCustomForm* form, TvxClientInActiveEffect effect) {
  if (!form || !form->HandleAllocated() || !IsWindowVisible(form->Handle())) return false;
  HWND h = form->Handle();
  RECT cr{};
  GetClientRect(h, &cr);
  const int w = cr.right, hgt = cr.bottom;
  if (w <= 0 || hgt <= 0) return false;
  if (!picture_.SetSize(w, hgt)) return false;
  HDC target = PixmapDC(picture_);
  if (!target) return false;
  // What the area shows, the form's child controls included.
  if (HDC screen = GetDC(h)) {
    BitBlt(target, 0, 0, w, hgt, screen, 0, 0, SRCCOPY);
    ReleaseDC(h, screen);
  }
  GdiFlush();
  if (effect == vxieBlur) {
    BlurInactiveClient(picture_);
  } else {
    TvxPixmap background(w, hgt);
    if (HDC dc = PixmapDC(background)) {
      SendMessageW(h, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
      GdiFlush();
      DimInactiveClient(picture_, background);
    }
  }
  SetParent(form);
  SetBounds(0, 0, w, hgt);
  SetVisible(true);
  if (HandleAllocated()) {
    SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    InvalidateRect(Handle(), nullptr, FALSE);
  }
  return true;
}

void TvxClientInActivePanel::Paint() {
  HDC src = PixmapDC(picture_);
  HDC dc = Canvas().Handle();
  if (src && dc) BitBlt(dc, 0, 0, picture_.Width(), picture_.Height(), src, 0, 0, SRCCOPY);
}

}  // namespace vx
