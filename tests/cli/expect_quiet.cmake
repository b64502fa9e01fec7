# Runs PROGRAM with ARGS ("|" between arguments) without a session's runtime folder and fails
# unless it succeeds with nothing on standard error.
string(REPLACE "|" ";" args "${ARGS}")
unset(ENV{XDG_RUNTIME_DIR})
execute_process(COMMAND "${PROGRAM}" ${args} RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT status STREQUAL "0" OR NOT errors STREQUAL "")
  message(FATAL_ERROR "${PROGRAM} ${args}: exit status ${status}, standard error: ${errors}")
endif()
