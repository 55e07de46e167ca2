// The filtered context menu: when a filter is present the control shows the
// browser's own menu itself, taken from the browser's resource library, so
// the filter can take items out. Without the library (or the interfaces it
// needs) the browser is left to show its menu: S_FALSE.
#include <docobj.h>

#include "CustomLantern.h"

namespace kinopod::lnt {
namespace {

constexpr UINT kContextMenuResource = 24641;
constexpr UINT kEncodingCommand = 2292;
constexpr DWORD kGetMimeCharsetMenu = 27;  // SHDVID_GETMIMECSETMENU
// {000214D1-0000-0000-C000-000000000046}
const GUID kCgidShellDocView = {0x000214d1, 0x0000, 0x0000, {0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

}  // namespace

HRESULT TCustomLantern::ShowFilteredContextMenu(DWORD id, POINT* pt, IUnknown* target) {
  if (!pt || !target) return S_FALSE;
  auto commandTarget = ComPtr<IUnknown>::Share(target).As<IOleCommandTarget>(IID_IOleCommandTarget);
  auto window = ComPtr<IUnknown>::Share(target).As<IOleWindow>(IID_IOleWindow);
  HWND hwnd = nullptr;
  if (!commandTarget || !window || FAILED(window->GetWindow(&hwnd)) || !hwnd) return S_FALSE;

  static HMODULE library = LoadLibraryExW(L"SHDOCLC.DLL", nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!library) return S_FALSE;
  HMENU menus = LoadMenuW(library, MAKEINTRESOURCEW(kContextMenuResource));
  if (!menus) return S_FALSE;
  HMENU menu = GetSubMenu(menus, static_cast<int>(id));
  if (!menu) {
    DestroyMenu(menus);
    return S_FALSE;
  }

  VARIANT encoding;
  VariantInit(&encoding);
  if (SUCCEEDED(commandTarget->Exec(&kCgidShellDocView, kGetMimeCharsetMenu, 0, nullptr, &encoding)) &&
      encoding.vt == VT_INT_PTR) {
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_SUBMENU;
    item.hSubMenu = reinterpret_cast<HMENU>(encoding.byref);
    SetMenuItemInfoW(menu, kEncodingCommand, FALSE, &item);
  }

  FilterContextMenu(id, menu);
  int command = TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, pt->x, pt->y, 0, hwnd, nullptr);
  if (command) SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(command, 0), 0);

  // The encoding menu belongs to the browser: detach it before the menu goes.
  MENUITEMINFOW detach{};
  detach.cbSize = sizeof detach;
  detach.fMask = MIIM_SUBMENU;
  SetMenuItemInfoW(menu, kEncodingCommand, FALSE, &detach);
  DestroyMenu(menus);
  return S_OK;
}

}  // namespace kinopod::lnt
