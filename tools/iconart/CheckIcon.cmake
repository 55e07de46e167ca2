# Redraws the icon into a scratch file and fails when it differs from the
# committed resources/icon/podreel.ico.
file(REMOVE ${OUT})
execute_process(COMMAND ${ICONART} ${OUT} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "iconart failed (${rc})")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT} ${ICON} RESULT_VARIABLE diff)
if(NOT diff EQUAL 0)
  message(FATAL_ERROR "resources/icon/podreel.ico differs from what iconart draws")
endif()
