// The on-demand services of the control (see LntServices.h).
#include "LntServices.h"

#include <downloadmgr.h>
#include <mshtmhst.h>
#include <shobjidl.h>

#include <new>

#include "CustomLantern.h"
#include "LntGuard.h"

namespace kinopod::lnt {
namespace {

template <class Interface>
class ServiceObject : public Interface {
 public:
  explicit ServiceObject(LntSite* site) : site_(site) { site_->AddRef(); }
  virtual ~ServiceObject() { site_->Release(); }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
    const QiEntry table[] = {{&Iid(), this}};
    return QueryFromTable(table, riid, out);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }
  ULONG STDMETHODCALLTYPE Release() override {
    LONG left = InterlockedDecrement(&refs_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

 protected:
  virtual const IID& Iid() const = 0;
  TCustomLantern* Control() const { return dynamic_cast<TCustomLantern*>(site_->Host()); }

 private:
  LntSite* site_;
  LONG refs_ = 1;
};

class NewWindowManager : public ServiceObject<INewWindowManager> {
 public:
  using ServiceObject::ServiceObject;
  HRESULT STDMETHODCALLTYPE EvaluateNewWindow(LPCWSTR url, LPCWSTR name, LPCWSTR urlContext, LPCWSTR features,
                                              BOOL replace, DWORD flags, DWORD userActionTime) override {
    TCustomLantern* c = Control();
    if (!c || !c->OnEvaluateNewWindow) return E_FAIL;
    return GuardedCall(E_FAIL, [&] {
      return c->OnEvaluateNewWindow(c, url, name, urlContext, features, replace, flags, userActionTime);
    });
  }

 protected:
  const IID& Iid() const override { return IID_INewWindowManager; }
};

class DownloadManager : public ServiceObject<IDownloadManager> {
 public:
  using ServiceObject::ServiceObject;
  HRESULT STDMETHODCALLTYPE Download(IMoniker* moniker, IBindCtx* context, DWORD verb, LONG bindFlags,
                                     BINDINFO* info, LPCOLESTR headers, LPCOLESTR redirect, UINT codePage) override {
    TCustomLantern* c = Control();
    if (!c || !c->OnFileDownload) return E_NOTIMPL;
    return GuardedCall(E_NOTIMPL, [&] {
      return c->OnFileDownload(c, moniker, context, verb, bindFlags, info, headers, redirect, codePage);
    });
  }

 protected:
  const IID& Iid() const override { return IID_IDownloadManager; }
};

class WindowServices : public ServiceObject<IHTMLOMWindowServices> {
 public:
  using ServiceObject::ServiceObject;
  HRESULT STDMETHODCALLTYPE moveTo(LONG x, LONG y) override {
    TCustomLantern* c = Control();
    return c ? GuardedCall(S_OK, [&] { return c->WindowServiceMove(false, x, y); }) : S_OK;
  }
  HRESULT STDMETHODCALLTYPE moveBy(LONG x, LONG y) override {
    TCustomLantern* c = Control();
    return c ? GuardedCall(S_OK, [&] { return c->WindowServiceMove(true, x, y); }) : S_OK;
  }
  HRESULT STDMETHODCALLTYPE resizeTo(LONG x, LONG y) override {
    TCustomLantern* c = Control();
    return c ? GuardedCall(S_OK, [&] { return c->WindowServiceSize(false, x, y); }) : S_OK;
  }
  HRESULT STDMETHODCALLTYPE resizeBy(LONG x, LONG y) override {
    TCustomLantern* c = Control();
    return c ? GuardedCall(S_OK, [&] { return c->WindowServiceSize(true, x, y); }) : S_OK;
  }

 protected:
  const IID& Iid() const override { return IID_IHTMLOMWindowServices; }
};

}  // namespace

IUnknown* CreateNewWindowManager(LntSite* site) { return new (std::nothrow) NewWindowManager(site); }
IUnknown* CreateDownloadManager(LntSite* site) { return new (std::nothrow) DownloadManager(site); }
IUnknown* CreateWindowServices(LntSite* site) { return new (std::nothrow) WindowServices(site); }

}  // namespace kinopod::lnt
