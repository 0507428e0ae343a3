# SPDX-FileCopyrightText: 2026 Zespół Kelvaro
# SPDX-License-Identifier: MIT
#
# Builds the Debian package of a build tree and unpacks it as a user's system would hold it:
#
#   cmake -DCPACK=<cpack> -DBINARY_DIR=<build tree> -DOUT=<folder> -P stage_package.cmake
#
# OUT receives deb/ (the package), root/ (its files, by dpkg-deb -x) and control (its fields).
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT})

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${ARGN} failed (${status}):\n${out}\n${err}")
  endif()
endfunction()

run(${CPACK} -G DEB --config ${BINARY_DIR}/CPackConfig.cmake -B ${OUT}/deb)
file(GLOB packages ${OUT}/deb/*.deb)
list(LENGTH packages count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one package in ${OUT}/deb, found: ${packages}")
endif()
run(dpkg-deb -x ${packages} ${OUT}/root)
execute_process(COMMAND dpkg-deb -f ${packages} OUTPUT_FILE ${OUT}/control RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "dpkg-deb -f ${packages} failed")
endif()
message(STATUS "Unpacked ${packages} into ${OUT}/root")
