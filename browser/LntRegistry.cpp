// The host's two registry changes: the user-agent token and the navigation
// sound. Both touch only what this program put there and both are undone at
// exit; registry failures are silent (a key that cannot be opened is skipped).
#include <windows.h>
#include <shlwapi.h>

#include <vector>

#include "LntOptions.h"
#include "LntProcess.h"

namespace kinopod::lnt {

const wchar_t kPostPlatformKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\User Agent\\Post Platform";
const wchar_t kNavigatingSoundKey[] = L"AppEvents\\Schemes\\Apps\\Explorer\\Navigating";

void WriteUserAgentToken(const std::wstring& token) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, kPostPlatformKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS)
    return;
  const wchar_t empty[] = L"";
  if (RegSetValueExW(key, token.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(empty), sizeof empty) ==
      ERROR_SUCCESS)
    Process().userAgentWritten = true;
  RegCloseKey(key);
}

void RemoveOwnUserAgentTokens() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kPostPlatformKey, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, &key) != ERROR_SUCCESS)
    return;
  std::vector<std::wstring> ours;
  for (DWORD i = 0;; ++i) {
    wchar_t name[16384];
    DWORD length = 16384;
    LONG rc = RegEnumValueW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr);
    if (rc == ERROR_NO_MORE_ITEMS) break;
    if (rc != ERROR_SUCCESS) continue;
    std::wstring value(name, length);
    if (IsOwnUserAgentToken(value)) ours.push_back(value);
  }
  for (const auto& name : ours) RegDeleteValueW(key, name.c_str());
  RegCloseKey(key);
  Process().userAgentWritten = false;
}

namespace {

bool SubKeyExists(HKEY parent, const wchar_t* name) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(parent, name, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

// Renames a sub-key by copying its tree and deleting the original; the copy is
// complete before anything is deleted.
bool MoveSubKey(HKEY parent, const wchar_t* from, const wchar_t* to) {
  HKEY source = nullptr, target = nullptr;
  if (RegOpenKeyExW(parent, from, 0, KEY_READ, &source) != ERROR_SUCCESS) return false;
  bool ok = RegCreateKeyExW(parent, to, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &target, nullptr) == ERROR_SUCCESS &&
            SHCopyKeyW(source, nullptr, target, 0) == ERROR_SUCCESS;
  if (target) RegCloseKey(target);
  RegCloseKey(source);
  if (!ok) {
    SHDeleteKeyW(parent, to);
    return false;
  }
  return SHDeleteKeyW(parent, from) == ERROR_SUCCESS;
}

}  // namespace

void DisableNavigationSound() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kNavigatingSoundKey, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
  bool current = SubKeyExists(key, L".Current");
  bool saved = SubKeyExists(key, L"Old_Current");
  if (current && !saved) {
    if (MoveSubKey(key, L".Current", L"Old_Current")) Process().soundDisabled = true;
  } else if (!current && saved) {
    // An earlier run disabled the sound and did not get to restore it.
    Process().soundDisabled = true;
  }
  // Both present: the user's scheme is in ".Current" and must not be overwritten.
  RegCloseKey(key);
}

void RestoreNavigationSound() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kNavigatingSoundKey, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
  if (SubKeyExists(key, L"Old_Current") && !SubKeyExists(key, L".Current")) MoveSubKey(key, L"Old_Current", L".Current");
  RegCloseKey(key);
  Process().soundDisabled = false;
}

}  // namespace kinopod::lnt
