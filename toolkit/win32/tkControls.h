// Controls: the visual components.
//
//   TControl         bounds, alignment, visibility, font, colour, hint, cursor,
//                    mouse events and the replaceable window procedure
//   TWinControl      a control with a window of its own (made when first
//                    needed, re-creatable), children, focus, keyboard
//   TGraphicControl  a window-less control painted on its parent's surface
//   TCustomControl   a windowed control with a canvas and a virtual Paint
//
// Every message a control receives goes through WindowProc, a chain that ends
// in the control's WndProc. A component that wants a control's messages adds
// a hook to it (WindowProc.Add) and calls `next` for what it passes on; it
// removes the hook by its token when it is done, which is safe whatever was
// added or removed in between. The window itself keeps one window procedure
// (the toolkit's), so re-creating the window keeps the chain.
//
// Class-specific handling lives in WndProc overrides: handle a message and
// return, or call the base class's WndProc. What no class handles ends in
// DefaultHandler (the platform's window procedure for windowed controls).
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "tkAlign.h"
#include "tkComponent.h"
#include "tkGraphics.h"
#include "tkHooks.h"
#include "tkMessages.h"
#include "tkTypes.h"

namespace tk {

class TWinControl;
class TCustomForm;

using TMouseEvent =
    std::function<void(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TObject* sender, TShiftState shift, int x, int y)>;
using TKeyEvent = std::function<void(TObject* sender, uint16_t& key, TShiftState shift)>;
using TKeyPressEvent = std::function<void(TObject* sender, wchar_t& key)>;

using TControlStyle = unsigned;
constexpr TControlStyle csAcceptsControls = 1, csCaptureMouse = 2, csClickEvents = 4,
                        csOpaque = 8, csSetCaption = 16, csDoubleClicks = 32, csParentBackground = 64;
using TControlState = unsigned;
// csPaintCopy: the control is being painted into another surface (a parent
// drawing what lies behind a child), not onto its own.
constexpr TControlState csLButtonDown = 1, csClicked = 2, csAlignmentNeeded = 4, csCreating = 8,
                        csPaintCopy = 16, csFocusing = 32, csDestroyingHandle = 64;

// The shift state of a mouse message's wParam, and of the keyboard now.
TShiftState MouseShiftState(uintptr_t wparam);
TShiftState KeyboardShiftState();

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
  void SetTop(int v) { SetBounds(left_, v, width_, height_); }
  void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
  void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
  // Bounds in the parent's client coordinates (the screen for a form).
  virtual void SetBounds(int left, int top, int width, int height);
  TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
  void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
  virtual TRect ClientRect() const { return {0, 0, width_, height_}; }
  int ClientWidth() const { return ClientRect().Width(); }
  int ClientHeight() const { return ClientRect().Height(); }
  void SetClientWidth(int w) { SetClientSize(w, ClientHeight()); }
  void SetClientHeight(int h) { SetClientSize(ClientWidth(), h); }
  virtual void SetClientSize(int width, int height);
  // The client origin in screen coordinates.
  virtual TPoint ClientOrigin() const;
  TPoint ClientToScreen(TPoint p) const;
  TPoint ScreenToClient(TPoint p) const;

  TAlign Align() const { return align_; }
  void SetAlign(TAlign align);

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible, and every parent up to a form showing too.
  virtual bool Showing() const;
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  // The caption of a control is its window text for windowed ones.
  virtual std::wstring Text() const { return text_; }
  virtual void SetText(const std::wstring& text);
  std::wstring Caption() const { return Text(); }
  void SetCaption(const std::wstring& caption) { SetText(caption); }

  const std::wstring& Hint() const { return hint_; }
  void SetHint(const std::wstring& hint) { hint_ = hint; }
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool show);
  bool ParentShowHint() const { return parentShowHint_; }
  void SetParentShowHint(bool v);
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor cursor);

  TFont& Font() { return *font_; }
  void SetFont(const TFont& font) { font_->Assign(font); }
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool v);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool v);

  TControlStyle ControlStyle = csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
  TControlState ControlState = 0;

  // Moves the control to the end (top) of its parent's list, or the start.
  void BringToFront();
  void SendToBack();
  virtual void Invalidate();
  // Paints now what is invalid.
  virtual void Update();
  void Repaint() {
    Invalidate();
    Update();
  }
  intptr_t Perform(uint32_t msg, uintptr_t wparam = 0, intptr_t lparam = 0);
  // The outermost form the control sits on (itself for a top-level form), or null.
  TCustomForm* ParentForm() const;

  // The message chain (see the file comment): hooks added with
  // WindowProc.Add(...) see each message first and are taken out by token.
  TWndProcChain WindowProc;

  TNotifyEvent OnClick, OnDblClick, OnResize, OnMouseEnter, OnMouseLeave;
  TMouseEvent OnMouseDown, OnMouseUp;
  TMouseMoveEvent OnMouseMove;

  virtual void Click();
  virtual void DblClick();

 protected:
  virtual void WndProc(TMessage& m);
  virtual void DefaultHandler(TMessage& m);
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void Resize();
  virtual void VisibleChanged();
  virtual void EnabledChanged();
  virtual void FontChanged();
  virtual void ColorChanged();
  virtual void TextChanged() {}
  // Asks the parent to align its controls again (for aligned controls).
  void RequestAlign();
  void SetMouseCapture(bool capture);
  void BeforeDestruction() override;
  void Loaded() override;
  // Stores new bounds without telling anyone (windowed controls after the
  // window moved by itself).
  void StoreBounds(int left, int top, int width, int height);

  friend class TWinControl;

 private:
  void HandleMouse(TMessage& m);
  void TearDownControl();

  TWinControl* parent_ = nullptr;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  TAlign align_ = alNone;
  bool visible_ = true;
  bool enabled_ = true;
  std::wstring text_;
  std::wstring hint_;
  bool showHint_ = false;
  bool parentShowHint_ = true;
  TCursor cursor_ = crDefault;
  std::unique_ptr<TFont> font_;
  bool parentFont_ = true;
  TColor color_ = clWindow;
  bool parentColor_ = false;
  bool controlTornDown_ = false;
};

// What CreateWindowEx gets for a windowed control.
struct TCreateParams {
  std::wstring Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  int X = 0, Y = 0, Width = 0, Height = 0;
  HWND WndParent = nullptr;
  // The window class: the toolkit registers it on first use. With
  // SystemClassName set it is a copy of that platform class (an edit, a tab
  // control) whose own procedure becomes the default handler.
  std::wstring WinClassName;
  std::wstring SystemClassName;
  UINT ClassStyle = CS_DBLCLKS;
};

class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  // The window, made on first use (with the parents' windows).
  HWND Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }
  void HandleNeeded() { Handle(); }
  // Destroys the window and makes it anew with the current settings (the
  // children's windows too); nothing happens while there is none.
  void RecreateWnd();
  // A window of someone else's that hosts this control (when it has no Parent).
  HWND ParentWindow() const { return parentWindow_; }
  virtual void SetParentWindow(HWND window);

  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const { return controls_.at(index); }
  int IndexOfControl(const TControl* control) const;
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  // The topmost visible (and, unless allowDisabled, enabled) graphic child at
  // a point of the client area.
  TControl* ControlAtPos(TPoint p, bool allowDisabled = false) const;

  int TabOrder() const;
  void SetTabOrder(int order);
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool v);
  bool Focused() const;
  virtual bool CanFocus() const;
  virtual void SetFocus();
  // The next (or previous) control in tab order inside this one, starting
  // after `current`; null when there is none.
  TWinControl* FindNextControl(TWinControl* current, bool forward, bool checkTabStop) const;
  void SelectNext(TWinControl* current, bool forward, bool checkTabStop);

  bool Showing() const override;
  std::wstring Text() const override;
  TRect ClientRect() const override;
  TPoint ClientOrigin() const override;
  void SetBounds(int left, int top, int width, int height) override;
  void Invalidate() override;
  void Update() override;

  void DisableAlign() { ++alignDisabled_; }
  void EnableAlign();
  void Realign();
  // Sends a message to every child control (windowed ones through the window).
  void Broadcast(TMessage& m);
  // Paints the graphic children into a DC of this window's client area.
  void PaintControls(HDC dc, TControl* first);
  // Paints the control's own content (no children) into a DC laid out like
  // its client area: for a child drawing what lies behind it.
  void PaintWindowTo(HDC dc) { PaintWindow(dc); }

  TKeyEvent OnKeyDown, OnKeyUp;
  TKeyPressEvent OnKeyPress;
  TNotifyEvent OnEnter, OnExit;

 protected:
  void WndProc(TMessage& m) override;
  void DefaultHandler(TMessage& m) override;
  virtual void CreateParams(TCreateParams& params);
  virtual void CreateWnd();
  virtual void DestroyWnd();
  // After the window exists (children made, z-order set).
  virtual void CreateHandleDone() {}
  // Draws the client area into a DC: by default the platform's painting.
  virtual void PaintWindow(HDC dc);
  void PaintHandler(TMessage& m);
  virtual void AlignControls(TRect& rect);
  // The part of the client area the aligned children share.
  virtual void AdjustClientRect(TRect& rect) const {}
  virtual bool DoKeyDown(TMessage& m);
  virtual bool DoKeyPress(TMessage& m);
  virtual bool DoKeyUp(TMessage& m);
  void VisibleChanged() override;
  void EnabledChanged() override;
  void ColorChanged() override;
  void FontChanged() override;
  void TextChanged() override;
  void BeforeDestruction() override;
  void Loaded() override;
  void UpdateZOrder();
  void DestroyHandle();
  // For controls whose window must outlive a re-creation (an embedded
  // object's window keeps its state): from DestroyWnd, DetachHandle hands the
  // window out of the control instead of destroying it (it then gets the
  // platform's default handling only); from CreateWnd, AdoptHandle takes such
  // a window back as the control's window.
  HWND DetachHandle();
  void AdoptHandle(HWND window);
  HBRUSH BrushHandle() { return brush_.Handle(); }
  bool AligningNow() const { return alignDisabled_ > 0; }

  // The procedure behind DefaultHandler.
  WNDPROC DefWndProc = DefWindowProcW;

  friend class TControl;
  friend LRESULT CALLBACK ControlWindowProc(HWND, UINT, WPARAM, LPARAM);

 private:
  void CreateHandle();
  void UpdateBoundsFromWindow();
  void ReflectNotification(TMessage& m);
  // The control of ours that `from` is the window of, when it is a child of
  // this one (in the toolkit and on the screen); null for anything else.
  TWinControl* NotifyingChild(HWND from) const;
  void TearDownWinControl();

  HWND handle_ = nullptr;
  HWND parentWindow_ = nullptr;
  std::vector<TControl*> controls_;
  TBrush brush_;
  bool tabStop_ = false;
  int alignDisabled_ = 0;
  bool alignPending_ = false;
  bool winTornDown_ = false;
  HFONT sentFont_ = nullptr;
};

class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TComponent* owner);
  TCanvas& Canvas() { return canvas_; }

 protected:
  void WndProc(TMessage& m) override;
  virtual void Paint() {}

 private:
  TCanvas canvas_;
};

class TCustomControl : public TWinControl {
 public:
  explicit TCustomControl(TComponent* owner);
  TCanvas& Canvas() { return canvas_; }

 protected:
  void PaintWindow(HDC dc) override;
  virtual void Paint() {}

 private:
  TCanvas canvas_;
};

// The control a window belongs to, or null for foreign windows and for
// windows of other threads.
TWinControl* FindControl(HWND window);
// The control (windowed or graphic) under a screen point, or null.
TControl* FindDragTarget(TPoint screen, bool allowDisabled);
// Where an exception escaping a message handler goes: the application's
// handler when there is an application, else it is dropped.
void HandleException(TObject* sender);

}  // namespace tk
