# Installation and the Debian package.
#
# Component "program" is the program folder as the program expects it: the
# executables, language files, manuals, "Sorteos" with the default draw
# archive, "Boletos" and "Listados". `make install PREFIX=DIR` installs it
# into DIR (cmake --install build --prefix DIR --component program).
#
# Component "desktop" is the desktop integration of the Debian package, at
# fixed system places: the launchers in /usr/bin, the .desktop entry, the
# hicolor icons and the MIME types. `make package` builds the .deb of both,
# with the program folder at /opt/qor-euromillon.

set(QOR_DIST_DIR ${PROJECT_SOURCE_DIR}/dist/linux)

# --- the program folder ------------------------------------------------------
install(TARGETS qor-euromillon RUNTIME DESTINATION . COMPONENT program)
if(TARGET qor-euromillon-cli)
  install(TARGETS qor-euromillon-cli RUNTIME DESTINATION . COMPONENT program)
endif()
file(GLOB QOR_INSTALL_LANGUAGES ${PROJECT_SOURCE_DIR}/src/data/*.lng)
install(FILES ${QOR_INSTALL_LANGUAGES} DESTINATION . COMPONENT program)
foreach(manual IN ITEMS QOREuroMillon.pdf QOREuroMillon_english.pdf QOREuroMillon_french.pdf)
  install(FILES ${QOR_RUNTIME_DIR}/${manual} DESTINATION . COMPONENT program OPTIONAL)
endforeach()

# The shipped archive is made apart from the one the build tree's program
# uses, so that draws added while trying the program are not installed.
set(QOR_INSTALL_DATA_DIR ${CMAKE_BINARY_DIR}/install-data)
qor_default_draw_archives(install_draw_archive ${QOR_INSTALL_DATA_DIR}/Sorteos)
install(FILES ${QOR_INSTALL_DATA_DIR}/Sorteos/QOREuroMillonSorteos.emx
              ${QOR_INSTALL_DATA_DIR}/Sorteos/QOREuroMillonSorteosActual.emx
        DESTINATION Sorteos COMPONENT program OPTIONAL)
install(FILES ${QOR_HISTORY_FILES} DESTINATION Historial COMPONENT program)
# The shipped templates likewise: made afresh for the install, so that a
# template changed in the build tree's folders is not installed.
add_custom_target(install_templates ALL
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${QOR_INSTALL_DATA_DIR}/Boletos ${QOR_INSTALL_DATA_DIR}/Listados
  # The tool writes into the folders; it does not make them.
  COMMAND ${CMAKE_COMMAND} -E make_directory ${QOR_INSTALL_DATA_DIR}/Boletos ${QOR_INSTALL_DATA_DIR}/Listados
  COMMAND qor-make-templates ${QOR_INSTALL_DATA_DIR}
  COMMENT "Shipped report templates for the install" VERBATIM)
install(DIRECTORY ${QOR_INSTALL_DATA_DIR}/Boletos/ DESTINATION Boletos COMPONENT program)
install(DIRECTORY ${QOR_INSTALL_DATA_DIR}/Listados/ DESTINATION Listados COMPONENT program)
foreach(folder IN ITEMS Sorteos Boletos Listados)
  install(DIRECTORY DESTINATION ${folder} COMPONENT program)
  # Templates shipped with the program, when the source tree has any.
  if(IS_DIRECTORY ${PROJECT_SOURCE_DIR}/src/data/${folder})
    install(DIRECTORY ${PROJECT_SOURCE_DIR}/src/data/${folder}/ DESTINATION ${folder} COMPONENT program)
  endif()
endforeach()

# --- desktop integration -----------------------------------------------------
find_package(Qt6 REQUIRED COMPONENTS Gui)
add_executable(qor_make_icons ${PROJECT_SOURCE_DIR}/tools/icons/make_icons.cpp)
target_link_libraries(qor_make_icons PRIVATE Qt6::Gui)
set_target_properties(qor_make_icons PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
qor_warnings(qor_make_icons)
set(QOR_ICON_DIR ${CMAKE_BINARY_DIR}/icons)
add_custom_command(OUTPUT ${QOR_ICON_DIR}/256x256/apps/qor-euromillon.png
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:qor_make_icons> ${QOR_ICON_DIR}
  DEPENDS qor_make_icons VERBATIM)
add_custom_target(application_icons ALL DEPENDS ${QOR_ICON_DIR}/256x256/apps/qor-euromillon.png)

set(QOR_SHARE /usr/share)
install(PROGRAMS ${QOR_DIST_DIR}/qor-euromillon.sh DESTINATION /usr/bin RENAME qor-euromillon COMPONENT desktop)
install(PROGRAMS ${QOR_DIST_DIR}/qor-euromillon-cli.sh DESTINATION /usr/bin RENAME qor-euromillon-cli
        COMPONENT desktop)
install(FILES ${QOR_DIST_DIR}/qor-euromillon.desktop DESTINATION ${QOR_SHARE}/applications COMPONENT desktop)
install(FILES ${QOR_DIST_DIR}/qor-euromillon-mime.xml DESTINATION ${QOR_SHARE}/mime/packages
        RENAME qor-euromillon.xml COMPONENT desktop)
install(FILES ${QOR_DIST_DIR}/icons/qor-euromillon.svg DESTINATION ${QOR_SHARE}/icons/hicolor/scalable/apps
        COMPONENT desktop)
file(GLOB QOR_MIME_ICONS ${QOR_DIST_DIR}/icons/application-x-*.svg)
install(FILES ${QOR_MIME_ICONS} DESTINATION ${QOR_SHARE}/icons/hicolor/scalable/mimetypes COMPONENT desktop)
install(DIRECTORY ${QOR_ICON_DIR}/ DESTINATION ${QOR_SHARE}/icons/hicolor COMPONENT desktop)

# --- the Debian package --------------------------------------------------------
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME qor-euromillon)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "QOR-EuroMillon developers <qor-euromillon@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "EuroMillions combinations: generate, reduce, check and print bets")
set(CPACK_PACKAGE_DESCRIPTION
    "Keeps named collections of EuroMillions bets, edits them on a picture of the ticket, generates bets with reductions and group conditions, checks them against the draw archive and prints them on the official tickets of Spain or France.")
set(CPACK_PACKAGING_INSTALL_PREFIX /opt/qor-euromillon)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://github.com/qor-euromillon/qor-euromillon")
# The linked libraries (Qt 6 with Qt Network, libxlsxwriter, libzip) come
# from dpkg-shlibdeps; the
# platform plugins and Qt's own translations are loaded at run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# fonts-liberation2: Liberation Sans, which the program prints with for "Arial".
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qt6-translations-l10n, shared-mime-info, hicolor-icon-theme, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "desktop-file-utils, xdg-utils")
include(CPack)
