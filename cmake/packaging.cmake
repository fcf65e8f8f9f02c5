# Installation layout and the Debian package. Included by the top-level
# CMakeLists.txt only when Vestrel is the top project, so that a parent
# project never inherits our install rules or our CPack settings.
include(GNUInstallDirs)

set(VESTREL_ID org.vestrel.Vestrel)
set(_donnees ${CMAKE_CURRENT_LIST_DIR}/../data)

foreach(_programme IN ITEMS vestrel vestrel-fit)
  if(TARGET ${_programme})
    install(TARGETS ${_programme} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()

# Desktop integration only makes sense when the window program is built.
if(TARGET vestrel)
  install(FILES ${_donnees}/${VESTREL_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${_donnees}/${VESTREL_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  foreach(_taille IN ITEMS 16 32 48 64 128 256)
    install(FILES ${_donnees}/icons/hicolor/${_taille}x${_taille}/apps/vestrel.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${_taille}x${_taille}/apps)
  endforeach()
  install(FILES ${_donnees}/icons/vestrel.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()

# Debian ships manual pages and changelogs compressed; -n keeps the archive
# reproducible.
find_program(VESTREL_GZIP gzip)
function(vestrel_installer_compresse source destination)
  get_filename_component(_nom ${source} NAME)
  if(VESTREL_GZIP)
    set(_gz ${CMAKE_CURRENT_BINARY_DIR}/compresses/${_nom}.gz)
    add_custom_command(OUTPUT ${_gz}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/compresses
      COMMAND ${VESTREL_GZIP} -9 -n -c ${source} > ${_gz}
      DEPENDS ${source} VERBATIM)
    string(MAKE_C_IDENTIFIER ${_nom} _cible)
    add_custom_target(vestrel_gz_${_cible} ALL DEPENDS ${_gz})
    install(FILES ${_gz} DESTINATION ${destination})
  else()
    install(FILES ${source} DESTINATION ${destination})
  endif()
endfunction()

set(_docs ${CMAKE_CURRENT_LIST_DIR}/../docs)
if(TARGET vestrel-fit)
  vestrel_installer_compresse(${_docs}/vestrel-fit.1 ${CMAKE_INSTALL_MANDIR}/man1)
endif()
if(TARGET vestrel)
  vestrel_installer_compresse(${_docs}/vestrel.1 ${CMAKE_INSTALL_MANDIR}/man1)
endif()
# Debian's place for a package's changelog is doc/<package>, lower case,
# whatever the project is called.
vestrel_installer_compresse(${_donnees}/changelog ${CMAKE_INSTALL_DATADIR}/doc/vestrel)

set(CPACK_PACKAGE_NAME vestrel)
set(CPACK_PACKAGE_VENDOR "Vestrel")
set(VESTREL_MAINTAINER "L'équipe Vestrel <vestrel@localhost>" CACHE STRING
    "Maintainer field of the Debian package (name <address>)")
set(CPACK_PACKAGE_CONTACT "${VESTREL_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calcul des ajustements ISO 286 (alésage / arbre)")
set(CPACK_PACKAGE_DESCRIPTION
"Vestrel calcule un ajustement ISO 286 entre un alésage et un arbre :
écarts de chaque classe au diamètre saisi, cotes maximale et minimale,
jeu maximal et minimal, avec la nature de l'ajustement. La commande
vestrel-fit donne les mêmes écarts en ligne de commande.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The windows are laid out for the Comic font; without it every text has to
# shrink to fit, so the font is a dependency, not a recommendation. Qt's
# French translation puts the file dialog and the message boxes in French.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-comic-neue, qt6-translations-l10n")
# dpkg-shlibdeps (dpkg-dev) adds the exact library packages and versions from
# the binaries; cmake/paquet-deb.cmake stops cpack when it is missing.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/paquet-deb.cmake)

set(CPACK_GENERATOR DEB)
include(CPack)

if(VESTREL_BUILD_TESTS AND TARGET vestrel AND TARGET vestrel-fit)
  # Installs into a scratch folder and checks what lands there: programs,
  # desktop entry, metainfo, icons, manual page in sync with --help.
  add_test(NAME installation
    COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/../tests/paquet/installation
            ${CMAKE_CURRENT_BINARY_DIR} ${CMAKE_CURRENT_BINARY_DIR}/essai-installation)
  # The package cpack builds from this folder, with its real Depends line.
  add_test(NAME paquet_dependances
    COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/../tests/paquet/dependances
            ${CMAKE_CURRENT_BINARY_DIR} ${CMAKE_CURRENT_BINARY_DIR}/essai-paquet)
endif()
