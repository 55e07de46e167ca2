// The search hosts of this program's site configuration.
#include "SearchSites.h"
#include "kinopod/site_config.h"

namespace kinopod {

const SearchHosts& ConfiguredSearchHosts() {
  static const SearchHosts hosts{site::kPortalHost,      site::kSite2Host,   site::kSite3Host,
                                 site::kSite4Host,       site::kSite5Host,   site::kSearchEngineHost,
                                 site::kSite7Host,       site::kRestrictedHost, site::kRestrictedDomain};
  return hosts;
}

}  // namespace kinopod
