# Writes CHANGELOG.md in the form Debian wants for a package's changelog: one entry per version
# ("## VERSION - YYYY-MM-DD"), its "- " items as "  * " items, signed by the package's maintainer.
# What is listed under "## Unreleased" is not in any package yet and is left out.
# Usage: cmake -DINPUT=CHANGELOG.md -DOUTPUT=changelog -DPACKAGE=name -DMAINTAINER="Name <mail>" -P changelog.cmake
file(STRINGS "${INPUT}" lines ENCODING UTF-8)

set(out "")
set(signature "")
set(unreleased OFF)
foreach(line IN LISTS lines)
  if(line STREQUAL "## Unreleased")
    set(unreleased ON)
  elseif(unreleased AND NOT line MATCHES "^## ")
  elseif(line MATCHES "^## ([^ ]+) - ([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9])$")
    set(version "${CMAKE_MATCH_1}")
    set(unreleased OFF)
    execute_process(COMMAND date -u -R -d "${CMAKE_MATCH_2} 00:00:00" OUTPUT_VARIABLE date
                    OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    string(APPEND out "${signature}${PACKAGE} (${version}) unstable; urgency=medium\n\n")
    set(signature "\n -- ${MAINTAINER}  ${date}\n\n")
  elseif(line MATCHES "^- (.*)$")
    string(APPEND out "  * ${CMAKE_MATCH_1}\n")
  elseif(line MATCHES "^  +(.*)$" AND NOT signature STREQUAL "")
    string(APPEND out "    ${CMAKE_MATCH_1}\n")
  elseif(line MATCHES "^## ")
    message(FATAL_ERROR "${INPUT}: a version heading needs its date: ${line}")
  endif()
endforeach()
if(signature STREQUAL "")
  message(FATAL_ERROR "${INPUT}: no version entry")
endif()
string(REGEX REPLACE "\n\n$" "\n" signature "${signature}")
file(WRITE "${OUTPUT}" "${out}${signature}")
