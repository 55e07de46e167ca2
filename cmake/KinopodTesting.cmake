# Test harnesses.
#
# Native builds use the machine's GoogleTest and register every test case with
# CTest. Windows builds compile GoogleTest from Debian's source package and run
# each test program as one CTest entry under wine64 (through the cross-compiling
# emulator), inside a fixture that starts a private Xvfb display and a Wine
# prefix kept in the build tree, and stops both at the end.
enable_testing()
include(GoogleTest)

if(CMAKE_CROSSCOMPILING)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  add_library(kinopod_gtest_main INTERFACE)
  target_link_libraries(kinopod_gtest_main INTERFACE gtest_main gmock)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/cmake/wine-run.sh ${CMAKE_BINARY_DIR})

  add_test(NAME wine_harness_start
           COMMAND ${CMAKE_SOURCE_DIR}/cmake/wine-harness.sh start ${CMAKE_BINARY_DIR})
  add_test(NAME wine_harness_stop
           COMMAND ${CMAKE_SOURCE_DIR}/cmake/wine-harness.sh stop ${CMAKE_BINARY_DIR})
  set_tests_properties(wine_harness_start PROPERTIES FIXTURES_SETUP WINE TIMEOUT 180)
  set_tests_properties(wine_harness_stop PROPERTIES FIXTURES_CLEANUP WINE TIMEOUT 60)
else()
  find_package(GTest REQUIRED)
  add_library(kinopod_gtest_main INTERFACE)
  target_link_libraries(kinopod_gtest_main INTERFACE GTest::gtest_main GTest::gmock)
endif()

# kinopod_test(NAME SOURCES ... [LIBS ...] [NATIVE_ONLY | WINDOWS_ONLY] [TIMEOUT s])
#
# Portable tests build in every build; under Wine they run as one entry each.
# WINDOWS_ONLY tests exercise the Win32 binding; NATIVE_ONLY ones need Linux
# facilities (iconv, fork) that have no place in the Windows program.
function(kinopod_test name)
  cmake_parse_arguments(T "NATIVE_ONLY;WINDOWS_ONLY" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  if(T_NATIVE_ONLY AND CMAKE_CROSSCOMPILING)
    return()
  endif()
  if(T_WINDOWS_ONLY AND NOT KINOPOD_WINDOWS)
    return()
  endif()
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 240)
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} kinopod_gtest_main)
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED WINE TIMEOUT ${T_TIMEOUT}
                         RESOURCE_LOCK wine_display)
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT ${T_TIMEOUT})
  endif()
endfunction()

# A test that runs a script (end-to-end tests of the whole program).
function(kinopod_script_test name)
  cmake_parse_arguments(T "" "TIMEOUT" "COMMAND" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  add_test(NAME ${name} COMMAND ${T_COMMAND})
  set(props TIMEOUT ${T_TIMEOUT})
  if(CMAKE_CROSSCOMPILING)
    list(APPEND props FIXTURES_REQUIRED WINE RESOURCE_LOCK wine_display)
  endif()
  set_tests_properties(${name} PROPERTIES ${props})
endfunction()
