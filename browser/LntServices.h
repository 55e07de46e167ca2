// The services the control hands out through QueryService, each only when it
// is wanted: the new-window manager, the download manager and the window
// services that let page scripts move or size the window. Each is a COM object
// of its own that keeps the site alive and asks the control through it, so a
// service that outlives its control answers with the default.
#pragma once

#include <windows.h>

#include "LntSite.h"

namespace kinopod::lnt {

// Made with one reference, which the caller owns; null when out of memory.
IUnknown* CreateNewWindowManager(LntSite* site);
IUnknown* CreateDownloadManager(LntSite* site);
IUnknown* CreateWindowServices(LntSite* site);

}  // namespace kinopod::lnt
