# The release: the program's resources (icon, manifest, version information)
# and, in Windows builds, the `dist` target that lays out build/<preset>/dist/
# with the program, a portable zip and an MSI installer (dist/CMakeLists.txt).
#
# The version is the project's (project() in the top-level CMakeLists.txt):
# the version resource, the manifest, the file names and the installer all
# take it from there.
set(KINOPOD_PUBLISHER "Kinopod Project" CACHE STRING "Company and publisher named in the version resource and the installer")
set(KINOPOD_DESCRIPTION "Kinopod movie search")

if(NOT KINOPOD_WINDOWS)
  return()
endif()

enable_language(RC)
set(KINOPOD_VERSION_QUAD "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.0")
set(KINOPOD_VERSION_COMMAS "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},0")
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(KINOPOD_DIST_ARCH win64)
  set(KINOPOD_MANIFEST_ARCH amd64)
else()
  set(KINOPOD_DIST_ARCH win32)
  set(KINOPOD_MANIFEST_ARCH x86)
endif()

set(KINOPOD_ICON_FILE ${PROJECT_SOURCE_DIR}/resources/icon/podreel.ico)
set(KINOPOD_MANIFEST_FILE ${CMAKE_BINARY_DIR}/generated/kinopod/podreel.manifest)
set(KINOPOD_RC_FILE ${CMAKE_BINARY_DIR}/generated/kinopod/podreel.rc)
configure_file(${PROJECT_SOURCE_DIR}/dist/podreel.manifest.in ${KINOPOD_MANIFEST_FILE} @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/dist/podreel.rc.in ${KINOPOD_RC_FILE} @ONLY)

# Gives a program target the icon, the manifest and the version resource.
function(kinopod_add_program_resources target)
  target_sources(${target} PRIVATE ${KINOPOD_RC_FILE})
  set_source_files_properties(${KINOPOD_RC_FILE} TARGET_DIRECTORY ${target}
    PROPERTIES OBJECT_DEPENDS "${KINOPOD_ICON_FILE};${KINOPOD_MANIFEST_FILE}")
endfunction()

add_subdirectory(${PROJECT_SOURCE_DIR}/dist ${CMAKE_BINARY_DIR}/dist-build)
# The start-up benchmark runs the Windows programs under Wine.
add_subdirectory(${PROJECT_SOURCE_DIR}/bench/startup ${CMAKE_BINARY_DIR}/bench/startup)
