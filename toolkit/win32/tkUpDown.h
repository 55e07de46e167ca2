// The platform's up-down arrows (msctls_updown32) as a control: a position
// between Min and Max that the arrows step by Increment.
//
// The control decides the new position itself (so Wrap and the limits act
// the same everywhere) and only then tells OnClick which arrow was used;
// OnChanging can refuse a step before it happens.
#pragma once

#include "tkControls.h"

namespace tk {

enum class TUDBtnType { btNext, btPrev };
using enum TUDBtnType;
enum class TUDOrientation { udHorizontal, udVertical };
using enum TUDOrientation;

using TUDClickEvent = std::function<void(TObject* sender, TUDBtnType button)>;
using TUDChangingEvent = std::function<void(TObject* sender, bool& allowChange)>;

class TCustomUpDown : public TWinControl {
 public:
  explicit TCustomUpDown(TComponent* owner);

  int Min() const { return min_; }
  void SetMin(int v);
  int Max() const { return max_; }
  void SetMax(int v);
  // Kept within Min..Max.
  int Position() const;
  void SetPosition(int v);
  int Increment() const { return increment_; }
  void SetIncrement(int v);
  // Horizontal arrows point left and right; the right one steps up.
  TUDOrientation Orientation() const { return orientation_; }
  void SetOrientation(TUDOrientation v);
  // Stepping past one end goes round to the other.
  bool Wrap() const { return wrap_; }
  void SetWrap(bool v) { wrap_ = v; }

  TUDClickEvent OnClick;
  TUDChangingEvent OnChanging;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;
  void WndProc(TMessage& m) override;
  virtual bool CanChange();
  virtual void Click(TUDBtnType button);
  // One step of the arrows: `delta` is +Increment or -Increment.
  void Step(int delta);

 private:
  void SendRange();
  int min_ = 0, max_ = 100, position_ = 0, increment_ = 1;
  TUDOrientation orientation_ = udVertical;
  bool wrap_ = false;
};

class TUpDown : public TCustomUpDown {
 public:
  explicit TUpDown(TComponent* owner) : TCustomUpDown(owner) {}
};

}  // namespace tk
