# SPDX-FileCopyrightText: 2026 Zespół Kelvaro
# SPDX-License-Identifier: MIT
#
# The distribution's own compiler and linker flags, as a Debian package is built with them:
# dpkg-buildflags with every hardening feature (fortify, stack protector, relro and now). The
# release and test presets turn it on; included before the first target.
option(KELVARO_DISTRIBUTION_FLAGS
       "Build with the flags of dpkg-buildflags (hardening: fortify, relro, now), as the package" OFF)
if(NOT KELVARO_DISTRIBUTION_FLAGS)
  return()
endif()

find_program(KELVARO_DPKG_BUILDFLAGS dpkg-buildflags REQUIRED)
foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
  # From the source folder, so that its -ffile-prefix-map makes the recorded paths relative.
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
            ${KELVARO_DPKG_BUILDFLAGS} --get ${kind}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    OUTPUT_VARIABLE kelvaro_dpkg_${kind}
    OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
# Its -O2 also optimises a Debug build, which fortifying needs.
string(APPEND CMAKE_CXX_FLAGS " ${kelvaro_dpkg_CPPFLAGS} ${kelvaro_dpkg_CXXFLAGS}")
foreach(kind EXE SHARED MODULE)
  string(APPEND CMAKE_${kind}_LINKER_FLAGS " ${kelvaro_dpkg_LDFLAGS}")
endforeach()
message(STATUS "Distribution flags: ${kelvaro_dpkg_CPPFLAGS} ${kelvaro_dpkg_CXXFLAGS} "
               "${kelvaro_dpkg_LDFLAGS}")
