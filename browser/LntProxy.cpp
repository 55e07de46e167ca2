// The optional proxy of the browser (WinINet per-connection options).
//
// The proxy is set for the user's connection settings, which WinINet keeps in
// the registry; so before the first change the settings are remembered (both
// the options WinINet reports and the registry values it keeps them in) and at
// exit they are put back exactly, rather than forced to a direct connection
// that would wipe a proxy the user had configured.
#include <windows.h>
#include <wininet.h>

#include <optional>
#include <vector>

#include "LntOptions.h"
#include "LntProcess.h"

namespace kinopod::lnt {
namespace {

const wchar_t kInternetSettingsKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
const wchar_t* const kProxyValues[] = {L"ProxyEnable", L"ProxyServer", L"ProxyOverride", L"AutoConfigURL"};

struct SavedValue {
  std::wstring name;
  bool present = false;
  DWORD type = 0;
  std::vector<BYTE> data;
};

struct SavedProxy {
  DWORD flags = PROXY_TYPE_DIRECT;
  std::optional<std::wstring> server, bypass, autoConfig;
  std::vector<SavedValue> registry;
};

std::optional<SavedProxy>& Saved() {
  static std::optional<SavedProxy> saved;
  return saved;
}

std::optional<std::wstring> TakeString(LPWSTR s) {
  if (!s) return std::nullopt;
  std::wstring value(s);
  GlobalFree(s);
  return value;
}

SavedProxy Snapshot() {
  SavedProxy saved;
  INTERNET_PER_CONN_OPTIONW options[4] = {};
  options[0].dwOption = INTERNET_PER_CONN_FLAGS;
  options[1].dwOption = INTERNET_PER_CONN_PROXY_SERVER;
  options[2].dwOption = INTERNET_PER_CONN_PROXY_BYPASS;
  options[3].dwOption = INTERNET_PER_CONN_AUTOCONFIG_URL;
  INTERNET_PER_CONN_OPTION_LISTW list{};
  list.dwSize = sizeof list;
  list.dwOptionCount = 4;
  list.pOptions = options;
  DWORD size = sizeof list;
  if (InternetQueryOptionW(nullptr, INTERNET_OPTION_PER_CONNECTION_OPTION, &list, &size)) {
    saved.flags = options[0].Value.dwValue;
    saved.server = TakeString(options[1].Value.pszValue);
    saved.bypass = TakeString(options[2].Value.pszValue);
    saved.autoConfig = TakeString(options[3].Value.pszValue);
  }
  HKEY key = nullptr;
  RegOpenKeyExW(HKEY_CURRENT_USER, kInternetSettingsKey, 0, KEY_QUERY_VALUE, &key);
  for (const wchar_t* name : kProxyValues) {
    SavedValue v;
    v.name = name;
    DWORD bytes = 0;
    if (key && RegQueryValueExW(key, name, nullptr, &v.type, nullptr, &bytes) == ERROR_SUCCESS) {
      v.data.resize(bytes);
      v.present = RegQueryValueExW(key, name, nullptr, &v.type, v.data.data(), &bytes) == ERROR_SUCCESS;
      v.data.resize(bytes);
    }
    saved.registry.push_back(std::move(v));
  }
  if (key) RegCloseKey(key);
  return saved;
}

void SetOptions(HINTERNET handle, DWORD flags, const std::wstring* server, const std::wstring* bypass,
                const std::wstring* autoConfig) {
  INTERNET_PER_CONN_OPTIONW options[4] = {};
  DWORD count = 0;
  options[count].dwOption = INTERNET_PER_CONN_FLAGS;
  options[count++].Value.dwValue = flags;
  std::wstring s = server ? *server : L"", b = bypass ? *bypass : L"", a = autoConfig ? *autoConfig : L"";
  options[count].dwOption = INTERNET_PER_CONN_PROXY_SERVER;
  options[count++].Value.pszValue = s.data();
  options[count].dwOption = INTERNET_PER_CONN_PROXY_BYPASS;
  options[count++].Value.pszValue = b.data();
  if (autoConfig) {
    options[count].dwOption = INTERNET_PER_CONN_AUTOCONFIG_URL;
    options[count++].Value.pszValue = a.data();
  }
  INTERNET_PER_CONN_OPTION_LISTW list{};
  list.dwSize = sizeof list;
  list.dwOptionCount = count;
  list.pOptions = options;
  InternetSetOptionW(handle, INTERNET_OPTION_PER_CONNECTION_OPTION, &list, sizeof list);
}

void RefreshSettings() {
  InternetSetOptionW(nullptr, INTERNET_OPTION_SETTINGS_CHANGED, nullptr, 0);
  InternetSetOptionW(nullptr, INTERNET_OPTION_REFRESH, nullptr, 0);
}

}  // namespace

void ApplyProxy(const ProxyRequest& request) {
  if (request.address.empty()) return;
  if (!Saved()) Saved() = Snapshot();
  HINTERNET session = InternetOpenW(request.agent.c_str(), INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
  if (!session) return;
  bool withUser = !request.userName.empty();
  HINTERNET connection = nullptr;
  if (withUser)
    connection = InternetConnectW(session, request.address.c_str(), static_cast<INTERNET_PORT>(request.port),
                                  request.userName.c_str(), request.password.c_str(), INTERNET_SERVICE_HTTP, 0, 0);
  std::wstring server = ProxyServerString(request.address, request.port, withUser);
  std::wstring bypass = L"<local>";
  SetOptions(session, PROXY_TYPE_PROXY | PROXY_TYPE_DIRECT, &server, &bypass, nullptr);
  RefreshSettings();
  if (connection) InternetCloseHandle(connection);
  InternetCloseHandle(session);
  Process().proxyChanged = true;
}

void RestoreProxy() {
  auto& saved = Saved();
  if (saved) {
    SetOptions(nullptr, saved->flags, saved->server ? &*saved->server : nullptr,
               saved->bypass ? &*saved->bypass : nullptr, saved->autoConfig ? &*saved->autoConfig : nullptr);
    // WinINet may have written values that were absent before: the registry is
    // put back value by value.
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kInternetSettingsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) == ERROR_SUCCESS) {
      for (const SavedValue& v : saved->registry) {
        if (v.present)
          RegSetValueExW(key, v.name.c_str(), 0, v.type, v.data.data(), static_cast<DWORD>(v.data.size()));
        else
          RegDeleteValueW(key, v.name.c_str());
      }
      RegCloseKey(key);
    }
    saved.reset();
  } else {
    std::wstring empty, bypass = L"<local>";
    SetOptions(nullptr, PROXY_TYPE_DIRECT, &empty, &bypass, nullptr);
  }
  RefreshSettings();
  Process().proxyChanged = false;
}

}  // namespace kinopod::lnt
