// Small COM helpers of the browser host: an owning interface pointer, the
// QueryInterface table every host object answers from, and the error type
// that carries a failing HRESULT with the system's message for it.
#pragma once

#include <windows.h>
#include <ole2.h>

#include <cstddef>
#include <stdexcept>
#include <string>
#include <utility>

namespace kinopod::lnt {

template <class T>
class ComPtr {
 public:
  ComPtr() = default;
  ComPtr(std::nullptr_t) {}
  // Takes over a reference the caller already owns.
  static ComPtr Attach(T* p) { ComPtr c; c.p_ = p; return c; }
  // Takes a new reference of its own.
  static ComPtr Share(T* p) { if (p) p->AddRef(); return Attach(p); }
  ComPtr(const ComPtr& o) : p_(o.p_) { if (p_) p_->AddRef(); }
  ComPtr(ComPtr&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
  ComPtr& operator=(ComPtr o) noexcept { std::swap(p_, o.p_); return *this; }
  ~ComPtr() { Reset(); }
  void Reset() { if (T* p = std::exchange(p_, nullptr)) p->Release(); }
  T* Get() const { return p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }
  // For out-parameters: releases what is held and hands out the slot.
  T** Put() { Reset(); return &p_; }
  void** PutVoid() { return reinterpret_cast<void**>(Put()); }
  template <class U>
  ComPtr<U> As(REFIID iid) const {
    ComPtr<U> out;
    if (p_) p_->QueryInterface(iid, out.PutVoid());
    return out;
  }

 private:
  T* p_ = nullptr;
};

// One row of a QueryInterface table: an interface identifier and the
// interface pointer that answers it.
struct QiEntry {
  const IID* iid;
  IUnknown* object;
};

// Answers QueryInterface from a table; the first row also answers IUnknown
// (the object's identity). AddRef's the pointer handed out.
HRESULT QueryFromTable(const QiEntry* table, std::size_t count, REFIID riid, void** out);
template <std::size_t N>
HRESULT QueryFromTable(const QiEntry (&table)[N], REFIID riid, void** out) {
  return QueryFromTable(table, N, riid, out);
}

// A failing OLE call of the host, raised with the system's text for the code.
class EOleError : public std::runtime_error {
 public:
  explicit EOleError(HRESULT hr);
  EOleError(HRESULT hr, const std::wstring& message);
  HRESULT Code() const { return hr_; }
  const std::wstring& Message() const { return message_; }

 private:
  HRESULT hr_;
  std::wstring message_;
};

// Raises EOleError when the result is a failure; returns it otherwise.
HRESULT OleCheck(HRESULT hr);
std::wstring SystemMessage(HRESULT hr);
std::string Utf8(const std::wstring& text);

// A BSTR that frees itself.
class Bstr {
 public:
  Bstr() = default;
  explicit Bstr(const std::wstring& s) : b_(SysAllocStringLen(s.data(), static_cast<UINT>(s.size()))) {}
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  ~Bstr() { SysFreeString(b_); }
  BSTR Get() const { return b_; }
  BSTR* Put() { SysFreeString(b_); b_ = nullptr; return &b_; }
  std::wstring Str() const { return b_ ? std::wstring(b_, SysStringLen(b_)) : std::wstring(); }

 private:
  BSTR b_ = nullptr;
};

// A task-memory copy of a string, for out-parameters the browser frees.
LPOLESTR TaskMemCopy(const std::wstring& s);

}  // namespace kinopod::lnt
