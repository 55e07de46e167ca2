# The hosts and labels of the movie portal and the search sites.
#
# They are build configuration, never read at run time. A distributor sets them
# with -D on the cmake command line; the defaults are placeholders under the
# reserved .example domain. A host may carry a port ("127.0.0.1:8765").
set(KINOPOD_PORTAL_HOST        "portal.example"      CACHE STRING "Host of the movie portal: category pages and search row 1")
set(KINOPOD_SITE2_HOST         "search.site2.example" CACHE STRING "Search host of row 2")
set(KINOPOD_SITE3_HOST         "site3.example"       CACHE STRING "Host of row 3")
set(KINOPOD_SITE4_HOST         "site4.example"       CACHE STRING "Host of row 4")
set(KINOPOD_SITE5_HOST         "site5.example"       CACHE STRING "Host of row 5")
set(KINOPOD_SEARCH_ENGINE_HOST "engine.example"      CACHE STRING "Host of the web search engine of row 6")
set(KINOPOD_SITE7_HOST         "site7.example"       CACHE STRING "Host of row 7")
set(KINOPOD_RESTRICTED_HOST    "www.psp-movies.example" CACHE STRING "Row 6: host of the one movie site the search is restricted to")
set(KINOPOD_RESTRICTED_DOMAIN  "psp-movies.example"  CACHE STRING "Row 6: domain of that movie site")
set(KINOPOD_LABEL1 "portal.example"    CACHE STRING "Label of row 1 (check box and tab caption)")
set(KINOPOD_LABEL2 "site2.example"     CACHE STRING "Label of row 2")
set(KINOPOD_LABEL3 "site3.example"     CACHE STRING "Label of row 3")
set(KINOPOD_LABEL4 "site4.example"     CACHE STRING "Label of row 4")
set(KINOPOD_LABEL5 "mirror5.example"   CACHE STRING "Label of row 5 (names a domain other than row 5's host)")
set(KINOPOD_LABEL7 "site7.example"     CACHE STRING "Label of row 7")

# Values end up inside C++ string literals: refuse what would break them.
foreach(var PORTAL_HOST SITE2_HOST SITE3_HOST SITE4_HOST SITE5_HOST SEARCH_ENGINE_HOST
            SITE7_HOST RESTRICTED_HOST RESTRICTED_DOMAIN LABEL1 LABEL2 LABEL3 LABEL4 LABEL5 LABEL7)
  if(KINOPOD_${var} MATCHES "[\"\\\\]" OR KINOPOD_${var} MATCHES "[\r\n]")
    message(FATAL_ERROR "KINOPOD_${var} must not contain quotes, backslashes or line breaks")
  endif()
endforeach()
foreach(var PORTAL_HOST SITE2_HOST SITE3_HOST SITE4_HOST SITE5_HOST SEARCH_ENGINE_HOST SITE7_HOST RESTRICTED_HOST)
  if(NOT KINOPOD_${var} MATCHES "^[A-Za-z0-9.:_-]+$")
    message(FATAL_ERROR "KINOPOD_${var} (\"${KINOPOD_${var}}\") is not a host name with an optional port")
  endif()
endforeach()

set(KINOPOD_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
configure_file(${CMAKE_SOURCE_DIR}/config/site_config.h.in
               ${KINOPOD_GENERATED_DIR}/kinopod/site_config.h @ONLY)

add_library(kinopod_site_config INTERFACE)
target_include_directories(kinopod_site_config INTERFACE ${KINOPOD_GENERATED_DIR})

# The same header with every host on the loopback interface, for the
# end-to-end test's copy of the program (podreel_e2e): its requests reach a
# server the test starts on KINOPOD_E2E_PORT. The shipped program never uses it.
set(KINOPOD_E2E_PORT 47651 CACHE STRING "Loopback port of the end-to-end test's HTTP server")
function(kinopod_configure_e2e_site_config)
  set(loopback "127.0.0.1:${KINOPOD_E2E_PORT}")
  foreach(var PORTAL_HOST SITE2_HOST SITE3_HOST SITE4_HOST SITE5_HOST SEARCH_ENGINE_HOST SITE7_HOST
              RESTRICTED_HOST)
    set(KINOPOD_${var} ${loopback})
  endforeach()
  set(KINOPOD_RESTRICTED_DOMAIN "127.0.0.1")
  configure_file(${CMAKE_SOURCE_DIR}/config/site_config.h.in
                 ${KINOPOD_GENERATED_DIR}/e2e/kinopod/site_config.h @ONLY)
endfunction()
kinopod_configure_e2e_site_config()
add_library(kinopod_site_config_e2e INTERFACE)
target_include_directories(kinopod_site_config_e2e INTERFACE ${KINOPOD_GENERATED_DIR}/e2e)
