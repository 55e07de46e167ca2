// The browser's event sink (see LntEventSink.h).
#include "LntEventSink.h"

#include <exdisp.h>

#include "LntCom.h"
#include "LntGuard.h"
#include "LntWebBrowser.h"

namespace kinopod::lnt {

LntEventSink* LntEventSink::Create(TLntWebBrowser* owner) { return new LntEventSink(owner); }

HRESULT LntEventSink::QueryInterface(REFIID riid, void** out) {
  const QiEntry table[] = {
      {&IID_IDispatch, this},
      {&DIID_DWebBrowserEvents2, this},
  };
  return QueryFromTable(table, riid, out);
}

ULONG LntEventSink::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }

ULONG LntEventSink::Release() {
  LONG left = InterlockedDecrement(&refs_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

HRESULT LntEventSink::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT LntEventSink::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info) *info = nullptr;
  return E_NOTIMPL;
}

HRESULT LntEventSink::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }

HRESULT LntEventSink::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) {
  if (!owner_) return S_OK;  // the control is gone; late events are dropped
  DISPPARAMS none{};
  // The events run the user's handlers: a throwing one is reported, and the
  // browser hears that the event was handled.
  return GuardedCall(S_OK, [&] { return owner_->DispatchEvent(id, params ? params : &none); });
}

}  // namespace kinopod::lnt
