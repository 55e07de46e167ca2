// COM helpers of the browser host (see LntCom.h).
#include "LntCom.h"

namespace kinopod::lnt {

HRESULT QueryFromTable(const QiEntry* table, std::size_t count, REFIID riid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (count == 0) return E_NOINTERFACE;
  IUnknown* found = nullptr;
  if (IsEqualIID(riid, IID_IUnknown)) {
    found = table[0].object;
  } else {
    for (std::size_t i = 0; i < count; ++i) {
      if (IsEqualIID(riid, *table[i].iid)) { found = table[i].object; break; }
    }
  }
  if (!found) return E_NOINTERFACE;
  found->AddRef();
  *out = found;
  return S_OK;
}

std::wstring SystemMessage(HRESULT hr) {
  wchar_t* buffer = nullptr;
  DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                               FORMAT_MESSAGE_IGNORE_INSERTS,
                           nullptr, static_cast<DWORD>(hr), 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring text;
  if (n && buffer) text.assign(buffer, n);
  if (buffer) LocalFree(buffer);
  while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) text.pop_back();
  if (text.empty()) {
    wchar_t code[32];
    wsprintfW(code, L"OLE error %08X", static_cast<unsigned>(hr));
    text = code;
  }
  return text;
}

std::string Utf8(const std::wstring& text) {
  int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(n > 0 ? n : 0, '\0');
  if (n > 0)
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
  return out;
}

EOleError::EOleError(HRESULT hr) : EOleError(hr, SystemMessage(hr)) {}

EOleError::EOleError(HRESULT hr, const std::wstring& message)
    : std::runtime_error(Utf8(message)), hr_(hr), message_(message) {}

HRESULT OleCheck(HRESULT hr) {
  if (FAILED(hr)) throw EOleError(hr);
  return hr;
}

LPOLESTR TaskMemCopy(const std::wstring& s) {
  auto* p = static_cast<LPOLESTR>(CoTaskMemAlloc((s.size() + 1) * sizeof(wchar_t)));
  if (!p) return nullptr;
  s.copy(p, s.size());
  p[s.size()] = L'\0';
  return p;
}

}  // namespace kinopod::lnt
