# Installs Coilwise as a desktop program (bin, help, desktop entry, MIME type, icons, AppStream
# metadata, manual page) and packages it for Debian with `cpack -G DEB` from the release build.
include(GNUInstallDirs)
include(${CMAKE_CURRENT_LIST_DIR}/package_documents.cmake)

set(coilwise_resources ${PROJECT_SOURCE_DIR}/resources)

install(TARGETS coilwise RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The program looks for its help in ../share/coilwise/help from its own folder.
install(DIRECTORY ${coilwise_resources}/help/ DESTINATION ${CMAKE_INSTALL_DATADIR}/coilwise/help)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/ DESTINATION ${CMAKE_INSTALL_DATADIR}/coilwise/examples)
install(FILES ${coilwise_resources}/desktop/coilwise.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${coilwise_resources}/desktop/coilwise-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME coilwise.xml)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${coilwise_resources}/icons/coilwise-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME coilwise.png)
endforeach()
install(FILES ${coilwise_resources}/icons/coilwise.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${coilwise_resources}/coilwise.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${coilwise_doc_dir}/copyright ${coilwise_doc_dir}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/coilwise)
if(coilwise_man_page)
  install(FILES ${coilwise_man_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

set(CPACK_PACKAGE_NAME coilwise)
set(CPACK_PACKAGE_VENDOR "Coilwise")
set(CPACK_PACKAGE_CONTACT "${COILWISE_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# No Homepage field until the program has a real home page.
# The extended description keeps its lines under 80 characters, as Debian asks.
set(CPACK_PACKAGE_DESCRIPTION
    "Designs small single-phase mains power transformers on stacked E-I laminations:
lamination and stack, every winding's wire, turns and resistance, no-load
voltages, weights, losses, efficiency and material cost.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, fonts-liberation2")
include(CPack)
