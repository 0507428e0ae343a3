# SPDX-FileCopyrightText: 2026 Zespół Kelvaro
# SPDX-License-Identifier: MIT
#
# The command-line programs, when the tree has them, and the Debian package (cpack -G DEB).
# Included at the end of the top-level list, when every program is known.
if(TARGET kelvaro-render)
  install(TARGETS kelvaro-render RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  # File managers draw thumbnails of portrait documents with it.
  install(FILES ${PROJECT_SOURCE_DIR}/data/kelvaro.thumbnailer
          DESTINATION ${CMAKE_INSTALL_DATADIR}/thumbnailers)
  install(FILES ${PROJECT_SOURCE_DIR}/data/completions/kelvaro-render
          DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
endif()
if(TARGET kelvaro-library)
  install(TARGETS kelvaro-library RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${PROJECT_SOURCE_DIR}/data/completions/kelvaro-library
          DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)
endif()

set(KELVARO_MAINTAINER "Zespół Kelvaro <kelvaro@kelvaro.org>" CACHE STRING
    "The Maintainer field of the Debian package")

# The package's first revision of this version: a Debian changelog of its own, as for a package
# of an upstream release.
set(KELVARO_PACKAGE_REVISION 1)
set(KELVARO_PACKAGE_VERSION ${PROJECT_VERSION}-${KELVARO_PACKAGE_REVISION})
set(kelvaro_debian_dir ${CMAKE_BINARY_DIR}/debian)

# The copyright file in Debian's machine-readable format, with the licence text of LICENSE (the
# paragraphs after its title and copyright line, each line indented, empty lines as " .").
file(READ ${PROJECT_SOURCE_DIR}/LICENSE kelvaro_license)
string(REGEX REPLACE "^[^\n]*\n\n[^\n]*\n\n" "" kelvaro_license "${kelvaro_license}")
string(STRIP "${kelvaro_license}" kelvaro_license)
string(REPLACE "\n\n" "\n.\n" kelvaro_license "${kelvaro_license}")
string(REPLACE "\n" "\n " KELVARO_LICENSE_TEXT " ${kelvaro_license}")
configure_file(${PROJECT_SOURCE_DIR}/data/copyright.in ${kelvaro_debian_dir}/copyright @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/data/changelog.Debian.in ${kelvaro_debian_dir}/changelog.Debian
               @ONLY)
add_custom_command(
  OUTPUT ${kelvaro_debian_dir}/changelog.Debian.gz
  COMMAND gzip -9nc ${kelvaro_debian_dir}/changelog.Debian > ${kelvaro_debian_dir}/changelog.Debian.gz
  DEPENDS ${kelvaro_debian_dir}/changelog.Debian
  COMMENT "Compressing the Debian changelog")
add_custom_target(kelvaro-debian-changelog ALL DEPENDS ${kelvaro_debian_dir}/changelog.Debian.gz)
install(FILES ${kelvaro_debian_dir}/copyright ${kelvaro_debian_dir}/changelog.Debian.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kelvaro)
install(FILES ${PROJECT_SOURCE_DIR}/data/kelvaro.lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME kelvaro)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelvaro)
set(CPACK_PACKAGE_VENDOR "Zespół Kelvaro")
set(CPACK_PACKAGE_CONTACT "${KELVARO_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop portrait editor composing faces from layered parts")
set(CPACK_PACKAGE_DESCRIPTION [[
Kelvaro composes a small square portrait from layered part images: for each
of fifteen face elements you pick a part from a numbered library, move, rotate
and tint it, roll a random face, and save the portrait as a 48, 96 or 192
pixel PNG or BMP image. A sample part library drawn by the program itself is
included. The window speaks English, Polish or Japanese, as the desktop does.]])
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${KELVARO_PACKAGE_REVISION})
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${KELVARO_HOMEPAGE}")
# Run-time libraries from the programs themselves; what they load by other means is named here:
# Qt's Polish translation for its dialogs, a font for the Japanese messages.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-ipafont-gothic | fonts-japanese-gothic")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
