// The DWebBrowserEvents2 sink: a COM object of its own (its IDispatch must not
// be confused with the site's ambient-property IDispatch). It forwards each
// event to its control until the control disconnects it.
#pragma once

#include <windows.h>
#include <ole2.h>

namespace kinopod::lnt {

class TLntWebBrowser;

class LntEventSink : public IDispatch {
 public:
  // Made with one reference, which the caller owns.
  static LntEventSink* Create(TLntWebBrowser* owner);
  void Detach() { owner_ = nullptr; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* excep, UINT* argErr) override;

 private:
  explicit LntEventSink(TLntWebBrowser* owner) : owner_(owner) {}
  virtual ~LntEventSink() = default;
  LONG refs_ = 1;
  TLntWebBrowser* owner_;
};

}  // namespace kinopod::lnt
