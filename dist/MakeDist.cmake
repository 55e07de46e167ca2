# Lays out the dist folder (run by the `dist` target with cmake -P):
#   OUT/podreel.exe, OUT/README.txt, OUT/licences/*.txt   the portable program
#   OUT/BASE.zip                                          the same, in a folder BASE
#   OUT/BASE.msi                                          the installer (wixl)
foreach(var OUT BASE PROGRAM STRIP README LICENCES WIXL WIXL_ARGS MSI_STAGE WXS ICON VERSION PRODUCT_CODE)
  if(NOT DEFINED ${var} OR "${${var}}" STREQUAL "")
    message(FATAL_ERROR "MakeDist.cmake: ${var} is not set")
  endif()
endforeach()
if(NOT EXISTS "${WIXL}")
  message(FATAL_ERROR "wixl is not installed (Debian package wixl; scripts/setup.sh installs it)")
endif()

file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT}/licences)
# The shipped program carries no debugging information (a RelWithDebInfo
# build's is twenty times the program).
execute_process(COMMAND ${STRIP} --strip-debug -o ${OUT}/podreel.exe ${PROGRAM} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "stripping ${PROGRAM} failed")
endif()
file(COPY ${README} DESTINATION ${OUT})
file(COPY ${LICENCES} DESTINATION ${OUT}/licences)

# The zip holds one folder, so unpacking it never scatters files. The time
# stamps are the program's, not the moment of packing.
get_filename_component(stage ${MSI_STAGE} DIRECTORY)
set(stage ${stage}/zip)
file(REMOVE_RECURSE ${stage})
file(MAKE_DIRECTORY ${stage})
file(COPY ${OUT}/podreel.exe ${OUT}/README.txt ${OUT}/licences DESTINATION ${stage}/${BASE})
file(TIMESTAMP ${PROGRAM} mtime "%Y-%m-%d %H:%M:%S UTC" UTC)
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${OUT}/${BASE}.zip --format=zip "--mtime=${mtime}" ${BASE}
                WORKING_DIRECTORY ${stage} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "packing ${BASE}.zip failed")
endif()

# wixl reads the package's files relative to the .wxs: one folder holds all.
file(REMOVE_RECURSE ${MSI_STAGE})
file(MAKE_DIRECTORY ${MSI_STAGE})
file(COPY ${OUT}/podreel.exe ${OUT}/README.txt ${OUT}/licences ${WXS} ${ICON} DESTINATION ${MSI_STAGE})
file(STRINGS ${WIXL_ARGS} args)
execute_process(COMMAND ${WIXL} -D Version=${VERSION} -D ProductCode=${PRODUCT_CODE} ${args} -o ${OUT}/${BASE}.msi
                RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "wixl failed to build ${BASE}.msi")
endif()
