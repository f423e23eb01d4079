# Runs Doxygen on DOXYFILE and prints how many warnings it wrote to LOG; fails when Doxygen fails (which,
# with WARN_AS_ERROR, it does on any warning), removing STAMP so that the next build runs it again.
execute_process(COMMAND ${DOXYGEN} ${DOXYFILE} RESULT_VARIABLE result)
set(count 0)
if(EXISTS ${LOG})
  file(STRINGS ${LOG} warnings REGEX "(warning|error):")
  list(LENGTH warnings count)
endif()
message(STATUS "Doxygen: ${count} warnings (${LOG})")
if(NOT result EQUAL 0)
  file(REMOVE ${STAMP})
  list(JOIN warnings "\n" warnings)
  message(FATAL_ERROR "Doxygen failed (${result}); its warnings, in ${LOG}:\n${warnings}")
endif()
