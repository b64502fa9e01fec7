# Runs PROGRAM with ARGS ("|" between arguments) and fails unless it exits with EXPECTED.
string(REPLACE "|" ";" args "${ARGS}")
execute_process(COMMAND "${PROGRAM}" ${args} RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
if(NOT status STREQUAL EXPECTED)
  message(FATAL_ERROR "${PROGRAM} ${args}: exit status ${status}, expected ${EXPECTED}")
endif()
