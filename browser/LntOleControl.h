// TOleControl: a windowed toolkit control that embeds an OLE control object.
//
// It creates the object from its class identifier, is its client site,
// in-place site, in-place frame, control site and ambient-property dispatcher
// (through one reference-counted LntSite whose answers the derived classes
// give as LntSiteHost), and in-place activates the object inside the
// control's own toolkit window, which follows the control's bounds, alignment
// and parent like any other windowed control.
//
// Window re-creation. The toolkit re-creates windows (a form docked into a
// panel, an ancestor's style changed). The embedded object's window holds
// state that must survive this (a browser's page, history and scripts), so
// DestroyWnd does not destroy the window unless the control itself is being
// destroyed: it parks the window, hidden, under a hidden top-level window,
// and CreateWnd adopts it again. The same holds for a control taken out of a
// foreign window (ParentWindow) and put into one again. A parked window goes
// with its control.
//
// Teardown order: the derived classes disconnect what they connected (event
// sinks) in their own destructors through DestroyControl, which detaches the
// site before anything is released, so the object's late calls into the site
// find no control and get harmless answers.
#pragma once

#include <windows.h>
#include <ole2.h>

#include "LntCom.h"
#include "LntSite.h"
#include "tkControls.h"

namespace kinopod::lnt {

class TOleControl : public tk::TWinControl, public LntSiteHost {
 public:
  ~TOleControl() override;

  IOleObject* OleObject() const { return oleObject_.Get(); }
  LntSite* Site() const { return site_; }

  // Places the control in a window that is not a toolkit control's (when it
  // has no parent control). The control's window is made at once, which
  // in-place activates the object; null takes the control out of the window
  // (its window is parked until it gets a parent again).
  void SetParentWindow(HWND window) override;
  HWND ParkedWindow() const { return parked_; }
  // Whether the object took the property-change sink (not every object
  // offers property-change notifications).
  bool PropertySinkConnected() const { return propertyCookie_ != 0; }

  // Lets the in-place object translate keys (Tab, its accelerators) before
  // the message loop dispatches them; true when the message was consumed.
  static bool PreTranslateMessage(MSG& msg);

 protected:
  explicit TOleControl(tk::TComponent* owner);

  // Creates the object, asks its miscellaneous status, sets the client site
  // at once when the object wants that, and gets its persistence interface.
  void CreateControl(const CLSID& classId);
  // Client site (if not yet), empty persisted state, the property-change
  // sink, ConnectEvents, "all ambient properties changed". Runs once, on
  // first use.
  void InitializeControl();
  bool ControlInitialized() const { return initialized_; }
  // Detaches the site, disconnects the events and the property-change sink,
  // deactivates, closes and releases the object. Idempotent.
  void DestroyControl();
  virtual void ConnectEvents() {}
  virtual void DisconnectEvents() {}
  ComPtr<IOleInPlaceObject> InPlaceObject() const {
    return oleObject_.template As<IOleInPlaceObject>(IID_IOleInPlaceObject);
  }
  IOleInPlaceActiveObject* ActiveObject() const { return activeObject_.Get(); }
  bool DestroyingControl() const { return destroying_; }

  // --- the toolkit window ---
  void CreateParams(tk::TCreateParams& params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void WndProc(tk::TMessage& m) override;
  void BeforeDestruction() override;
  // Fits the in-place object to the client area.
  void ResizeControl();

  // --- LntSiteHost: the window side ---
  HWND SiteWindow() override;
  RECT SiteRect() override;
  void SiteActiveObject(IOleInPlaceActiveObject* active) override;
  void SitePosRectChanged(const RECT& rect) override;

 private:
  void DestroyParked();
  void ConnectPropertySink();
  void DisconnectPropertySink();

  ComPtr<IOleObject> oleObject_;
  ComPtr<IPersistStreamInit> persist_;
  ComPtr<IOleInPlaceActiveObject> activeObject_;
  LntSite* site_ = nullptr;
  IPropertyNotifySink* propertySink_ = nullptr;
  ComPtr<IConnectionPoint> propertyPoint_;
  DWORD propertyCookie_ = 0;
  HWND parked_ = nullptr;
  bool clientSiteSet_ = false;
  bool initialized_ = false;
  bool destroying_ = false;
};

// The hidden top-level window parked windows wait under: the application's
// hidden main window when there is an application, else one of our own
// (created on first use, destroyed by DestroyParkingWindow).
HWND ParkingWindow();
void DestroyParkingWindow();

}  // namespace kinopod::lnt
