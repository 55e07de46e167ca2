// TLntWebBrowser: the wrapper of the system's WebBrowser control.
//
// An OLE control (TOleControl) for the browser's class: it connects the
// DWebBrowserEvents2 sink and turns the browser's 34 events into event
// properties (an empty property ignores its event), exposes the browser's own
// properties and Navigate. The control class above it (TCustomLantern) gives
// the site's answers.
//
// Visible and SetVisible here are the browser's own property; the control's
// visibility is the toolkit's (Show, Hide, tk::TControl::Visible).
#pragma once

#include <windows.h>
#include <exdisp.h>
#include <ole2.h>

#include <functional>
#include <string>

#include "LntCom.h"
#include "LntOleControl.h"

namespace kinopod::lnt {

class LntEventSink;
class TLntWebBrowser;

using TLNTNotifyEvent = std::function<void(TLntWebBrowser* sender)>;
using TLNTTextEvent = std::function<void(TLntWebBrowser* sender, const std::wstring& text)>;
using TLNTBoolEvent = std::function<void(TLntWebBrowser* sender, bool value)>;
using TLNTLongEvent = std::function<void(TLntWebBrowser* sender, long value)>;
using TLNTProgressChange = std::function<void(TLntWebBrowser* sender, long progress, long progressMax)>;
using TLNTCommandStateChange = std::function<void(TLntWebBrowser* sender, long command, bool enable)>;
using TLNTBeforeNavigate2 = std::function<void(TLntWebBrowser* sender, IDispatch* disp, VARIANT& url, VARIANT& flags,
                                               VARIANT& targetFrameName, VARIANT& postData, VARIANT& headers,
                                               VARIANT_BOOL& cancel)>;
using TLNTNewWindow2 = std::function<void(TLntWebBrowser* sender, IDispatch*& disp, VARIANT_BOOL& cancel)>;
using TLNTUrlEvent = std::function<void(TLntWebBrowser* sender, IDispatch* disp, VARIANT& url)>;
using TLNTWindowClosing = std::function<void(TLntWebBrowser* sender, bool isChildWindow, VARIANT_BOOL& cancel)>;
using TLNTClientToHostWindow = std::function<void(TLntWebBrowser* sender, long& cx, long& cy)>;
using TLNTFileDownload = std::function<void(TLntWebBrowser* sender, bool activeDocument, VARIANT_BOOL& cancel)>;
using TLNTNavigateError = std::function<void(TLntWebBrowser* sender, IDispatch* disp, VARIANT& url, VARIANT& frame,
                                             VARIANT& statusCode, VARIANT_BOOL& cancel)>;
using TLNTDispatchEvent = std::function<void(TLntWebBrowser* sender, IDispatch* disp)>;
using TLNTUpdatePageStatus = std::function<void(TLntWebBrowser* sender, IDispatch* disp, VARIANT& page, VARIANT& done)>;
using TLNTNewWindow3 = std::function<void(TLntWebBrowser* sender, IDispatch*& disp, VARIANT_BOOL& cancel, DWORD flags,
                                          const std::wstring& urlContext, const std::wstring& url)>;

class TLntWebBrowser : public TOleControl {
 public:
  static const CLSID& ControlClassId();   // {8856F961-340A-11D0-A96B-00C04FD705A2}
  static const IID& EventInterfaceId();   // DWebBrowserEvents2
  static constexpr int kEventCount = 34;

  TLntWebBrowser(const TLntWebBrowser&) = delete;
  TLntWebBrowser& operator=(const TLntWebBrowser&) = delete;
  ~TLntWebBrowser() override;

  // The browser's IWebBrowser2, obtained from the control object on first use and kept.
  IWebBrowser2* DefaultInterface();

  // Hands the URL (UTF-16) to IWebBrowser2::Navigate with the four optional
  // arguments missing; raises EOleError when the browser refuses it.
  void Navigate(const std::wstring& url);

  // The browser's own properties (never stored in form data).
  bool Visible();
  void SetVisible(bool value);
  bool StatusBar();
  void SetStatusBar(bool value);
  bool MenuBar();
  void SetMenuBar(bool value);
  bool FullScreen();
  void SetFullScreen(bool value);
  bool Offline();
  void SetOffline(bool value);
  bool Silent();
  void SetSilent(bool value);
  bool RegisterAsBrowser();
  void SetRegisterAsBrowser(bool value);
  bool RegisterAsDropTarget();
  void SetRegisterAsDropTarget(bool value);
  bool TheaterMode();
  void SetTheaterMode(bool value);
  bool AddressBar();
  void SetAddressBar(bool value);
  bool Resizable();
  void SetResizable(bool value);
  int ToolBar();
  void SetToolBar(int value);
  std::wstring StatusText();
  void SetStatusText(const std::wstring& value);

  // Events, in the order of the control description.
  TLNTTextEvent OnStatusTextChange;
  TLNTProgressChange OnProgressChange;
  TLNTCommandStateChange OnCommandStateChange;
  TLNTNotifyEvent OnDownloadBegin;
  TLNTNotifyEvent OnDownloadComplete;
  TLNTTextEvent OnTitleChange;
  TLNTTextEvent OnPropertyChange;
  TLNTBeforeNavigate2 OnBeforeNavigate2;
  TLNTNewWindow2 OnNewWindow2;
  TLNTUrlEvent OnNavigateComplete2;
  TLNTUrlEvent OnDocumentComplete;
  TLNTNotifyEvent OnQuit;
  TLNTBoolEvent OnVisible;
  TLNTBoolEvent OnToolBar;
  TLNTBoolEvent OnMenuBar;
  TLNTBoolEvent OnStatusBar;
  TLNTBoolEvent OnFullScreen;
  TLNTBoolEvent OnTheaterMode;
  TLNTBoolEvent OnAddressBar;
  TLNTBoolEvent OnWindowSetResizable;
  TLNTLongEvent OnWindowSetLeft;
  TLNTLongEvent OnWindowSetTop;
  TLNTLongEvent OnWindowSetWidth;
  TLNTLongEvent OnWindowSetHeight;
  TLNTWindowClosing OnWindowClosing;
  TLNTClientToHostWindow OnClientToHostWindow;
  TLNTLongEvent OnSetSecureLockIcon;
  TLNTFileDownload OnFileDownload;
  TLNTNavigateError OnNavigateError;
  TLNTDispatchEvent OnPrintTemplateInstantiation;
  TLNTDispatchEvent OnPrintTemplateTeardown;
  TLNTUpdatePageStatus OnUpdatePageStatus;
  TLNTBoolEvent OnPrivacyImpactedStateChange;
  TLNTNewWindow3 OnNewWindow3;

  // Called by the event sink; turns one DWebBrowserEvents2 call into its event.
  HRESULT DispatchEvent(DISPID id, DISPPARAMS* params);

 protected:
  explicit TLntWebBrowser(tk::TComponent* owner);
  // Disconnects the events and closes and releases the browser.
  void DestroyBrowser();
  // Tells the browser's automation object that an ambient property changed.
  void AmbientPropertyChanged(DISPID id);
  void ConnectEvents() override;
  void DisconnectEvents() override;

 private:
  bool GetBool(HRESULT (STDMETHODCALLTYPE IWebBrowser2::*getter)(VARIANT_BOOL*));
  void PutBool(HRESULT (STDMETHODCALLTYPE IWebBrowser2::*setter)(VARIANT_BOOL), bool value);

  ComPtr<IWebBrowser2> browser_;
  LntEventSink* sink_ = nullptr;
  ComPtr<IConnectionPoint> eventPoint_;
  DWORD eventCookie_ = 0;
};

}  // namespace kinopod::lnt
