# The documents a Debian package must carry, made from the repository's own: the machine-readable
# copyright file from LICENSE, the changelog and the manual page, both gzipped as Debian wants them.
# Debian needs a maintainer with a mail address; whoever packages Coilwise names themselves here.
set(COILWISE_PACKAGE_MAINTAINER "Coilwise <coilwise@example.org>" CACHE STRING "Maintainer of the Debian package")
set(coilwise_doc_dir ${CMAKE_BINARY_DIR}/package-documents)
file(MAKE_DIRECTORY ${coilwise_doc_dir})

# The licence notice is the one LICENSE itself tells a program to carry; taking it from there keeps
# the copyright file and the licence from ever disagreeing.
set(coilwise_license ${PROJECT_SOURCE_DIR}/LICENSE)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${coilwise_license} ${PROJECT_SOURCE_DIR}/cmake/debian/copyright.in)
file(READ ${coilwise_license} license_text)
string(FIND "${license_text}" "GNU GENERAL PUBLIC LICENSE\n                       Version 3," gpl3_title)
string(FIND "${license_text}" "    This program is free software:" notice_begin)
set(notice_last_words "If not, see <https://www.gnu.org/licenses/>.")
string(FIND "${license_text}" "${notice_last_words}" notice_end)
if(gpl3_title EQUAL -1 OR notice_begin EQUAL -1 OR notice_end LESS notice_begin)
  message(FATAL_ERROR "LICENSE is not the GNU GPL version 3 text")
endif()
string(LENGTH "${notice_last_words}" last_words_length)
math(EXPR notice_length "${notice_end} + ${last_words_length} - ${notice_begin}")
string(SUBSTRING "${license_text}" ${notice_begin} ${notice_length} notice)
# Copyright-format continuation lines: one leading blank, an empty line written as " .".
string(REGEX REPLACE "(^|\n) +" "\\1" notice "${notice}")
string(REPLACE "\n\n" "\n.\n" notice "${notice}")
string(REPLACE "\n" "\n " notice "${notice}")
set(COILWISE_LICENSE_NOTICE " ${notice}")
string(TIMESTAMP COILWISE_COPYRIGHT_YEAR "%Y" UTC)
configure_file(${PROJECT_SOURCE_DIR}/cmake/debian/copyright.in ${coilwise_doc_dir}/copyright @ONLY)

find_program(GZIP gzip REQUIRED)
add_custom_command(OUTPUT ${coilwise_doc_dir}/changelog.gz
                   COMMAND ${CMAKE_COMMAND} -DINPUT=${PROJECT_SOURCE_DIR}/CHANGELOG.md
                           -DOUTPUT=${coilwise_doc_dir}/changelog -DPACKAGE=coilwise
                           "-DMAINTAINER=${COILWISE_PACKAGE_MAINTAINER}" -P ${PROJECT_SOURCE_DIR}/cmake/debian/changelog.cmake
                   COMMAND ${GZIP} -9 -n -f ${coilwise_doc_dir}/changelog
                   DEPENDS ${PROJECT_SOURCE_DIR}/CHANGELOG.md ${PROJECT_SOURCE_DIR}/cmake/debian/changelog.cmake VERBATIM)

# The manual page is the program's own --help, so the two never drift apart.
find_program(HELP2MAN help2man)
if(HELP2MAN)
  add_custom_command(OUTPUT ${coilwise_doc_dir}/coilwise.1.gz
                     COMMAND ${HELP2MAN} --no-info --section=1 --source=Coilwise
                             "--name=${PROJECT_DESCRIPTION}" --include=${PROJECT_SOURCE_DIR}/cmake/debian/coilwise.h2m
                             --output=${coilwise_doc_dir}/coilwise.1 $<TARGET_FILE:coilwise>
                     COMMAND ${GZIP} -9 -n -f ${coilwise_doc_dir}/coilwise.1
                     DEPENDS coilwise ${PROJECT_SOURCE_DIR}/cmake/debian/coilwise.h2m VERBATIM)
  set(coilwise_man_page ${coilwise_doc_dir}/coilwise.1.gz)
else()
  message(WARNING "help2man missing: no manual page is made")
endif()
add_custom_target(coilwise_package_documents ALL DEPENDS ${coilwise_doc_dir}/changelog.gz ${coilwise_man_page})
