// Standard controls: the platform's edit control wrapped as the toolkit's
// (masked) edit, and a plain panel.
#pragma once

#include "tkControls.h"

namespace tk {

// The platform edit control. Text, selection and limits go to the window when
// it exists and are kept until it does. A subclass may take over the
// non-client area (WM_NCCALCSIZE / WM_NCPAINT in its WndProc) to draw its own
// frame; everything it passes on reaches the platform's edit procedure.
class TCustomEdit : public TWinControl {
 public:
  explicit TCustomEdit(TComponent* owner);

  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool v);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment v);
  // 0: no limit of ours.
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int v);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle v);
  bool AutoSelect = true;

  int SelStart() const;
  void SetSelStart(int v);
  int SelLength() const;
  void SetSelLength(int v);
  std::wstring SelText() const;
  void SetSelText(const std::wstring& text);
  void SelectAll();
  void Clear() { SetText(L""); }
  bool Modified() const;

  // The text changed (by the user or by the program), not while loading.
  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleDone() override;
  void WndProc(TMessage& m) override;
  virtual void Change();

 private:
  bool readOnly_ = false;
  TAlignment alignment_ = taLeftJustify;
  int maxLength_ = 0;
  TBorderStyle borderStyle_ = bsSingleBorder;
  int selStart_ = 0, selLength_ = 0;
};

// The base the masked edit of the skinned controls derives from. Input masks
// are not supported: every text is accepted as typed.
class TCustomMaskEdit : public TCustomEdit {
 public:
  explicit TCustomMaskEdit(TComponent* owner) : TCustomEdit(owner) {}
};

class TEdit : public TCustomMaskEdit {
 public:
  explicit TEdit(TComponent* owner) : TCustomMaskEdit(owner) {}
};

enum class TPanelBevel { bvNone, bvLowered, bvRaised };
using enum TPanelBevel;

// A container with an optional bevel and a centred caption.
class TCustomPanel : public TCustomControl {
 public:
  explicit TCustomPanel(TComponent* owner);
  TPanelBevel BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TPanelBevel v);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment v);

 protected:
  void Paint() override;
  void AdjustClientRect(TRect& rect) const override;

 private:
  TPanelBevel bevelOuter_ = bvRaised;
  TAlignment alignment_ = taCenter;
};

class TPanel : public TCustomPanel {
 public:
  explicit TPanel(TComponent* owner) : TCustomPanel(owner) {}
};

}  // namespace tk
