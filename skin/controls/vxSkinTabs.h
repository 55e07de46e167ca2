// The skinned page control. It holds the published settings the search
// results form gives it; pages and the tab row arrive with the toolkit's page
// control. Until then it is an empty face-coloured area.
#pragma once

#include "vxSkinCtrls.h"

namespace vx {

class TvxSkinPageControl : public TvxSkinControl {
 public:
  explicit TvxSkinPageControl(tk::TComponent* owner);
  bool FreeOnClose = false;
  bool ShowCloseButtons = false;
  bool MouseWheelSupport = false;
  bool TabExtededDraw = false;
  int TabsOffset = 0;
  int TabSpacing = 1;
  bool TextInHorizontal = false;
  bool TabsInCenter = false;
  bool TabsBGTransparent = false;
  int DefaultItemHeight = 20;
  int PageCount() const { return 0; }

 protected:
  void Paint() override;
};

}  // namespace vx
