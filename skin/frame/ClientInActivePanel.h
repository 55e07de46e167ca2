// TvxClientInActivePanel: the picture laid over an inactive form's client
// area while the frame's inactive client effect is on. It is made from a
// snapshot of what the area showed at deactivation, either blurred or dimmed
// under the form's own background, and it lives only until the form is
// active again.
#pragma once

#include <windows.h>

#include "tkControls.h"
#include "tkForms.h"
#include "vxPixmap.h"

namespace vx {

enum class TvxClientInActiveEffect { vxieSemiTransparent, vxieBlur };
using enum TvxClientInActiveEffect;

class TvxClientInActivePanel : public tk::TCustomControl {
 public:
  explicit TvxClientInActivePanel(tk::TComponent* owner);
  ~TvxClientInActivePanel() override;

  // Takes the form's client area as it shows now, composes the picture and
  // shows it over the area. False (and nothing shown) when the form is not
  // visible or its client area is empty.
  bool Cover(tk::TCustomForm* form, TvxClientInActiveEffect effect);

  const TvxPixmap& Picture() const { return picture_; }

 protected:
  void Paint() override;

 private:
  TvxPixmap picture_;
};

}  // namespace vx
