# One design through `coilwise --calc --json --locale C` with fixed prices, whatever the settings
# file holds. MODE check compares the output with RESULT and shows a diff, one key a line, when they
# differ; MODE write stores the output as RESULT.
set(config ${SCRATCH}/no-settings) # never created: the program falls back on its built-in defaults
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env XDG_CONFIG_HOME=${config}
          ${PROGRAM} --calc --json --locale C --iron-price 2.5 --copper-price 12 ${DESIGN}
  OUTPUT_VARIABLE actual ERROR_VARIABLE errors RESULT_VARIABLE status)
# 0 calculated or cleared, 1 refused: both print a result; anything else means there is none.
if(NOT (status STREQUAL "0" OR status STREQUAL "1") OR NOT errors STREQUAL "")
  message(FATAL_ERROR "${DESIGN}: exit status ${status}\n${errors}")
endif()

if(MODE STREQUAL "write")
  file(WRITE ${RESULT} "${actual}")
  return()
endif()

file(READ ${RESULT} expected)
if(actual STREQUAL expected)
  return()
endif()

# A result is one long line: break it before every key so that the diff points at the field.
function(one_key_a_line text path)
  string(REGEX REPLACE ", (\"[A-Za-z_]+\": )" ",\n\\1" broken "${text}")
  string(REPLACE "{\"" "{\n\"" broken "${broken}")
  file(WRITE ${path} "${broken}")
endfunction()
one_key_a_line("${expected}" ${SCRATCH}/expected.txt)
one_key_a_line("${actual}" ${SCRATCH}/actual.txt)
execute_process(COMMAND diff -u --label ${RESULT} --label actual ${SCRATCH}/expected.txt ${SCRATCH}/actual.txt)
message(FATAL_ERROR "${DESIGN}: the result differs from the stored one (diff above). If the change is "
                    "meant, store the new results with: cmake --build --preset release --target golden_files")
