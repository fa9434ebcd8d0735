# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
# What a Debian package carries besides the program: its copyright file,
# changelog, read-me and the technician's guide in /usr/share/doc/PACKAGE, and a helper that
# installs a file gzip-compressed (for the changelog and the man page) with
# no name or time stamped into it, so that two builds give the same bytes.
include(GNUInstallDirs)

function(vellacor_install_gzipped source destination)
  get_filename_component(name ${source} NAME)
  set(copy ${CMAKE_CURRENT_BINARY_DIR}/${name})
  add_custom_command(OUTPUT ${copy}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${copy}
    COMMAND gzip -9nf ${copy}
    DEPENDS ${source} VERBATIM)
  add_custom_target(gzip_${name} ALL DEPENDS ${copy}.gz)
  install(FILES ${copy}.gz DESTINATION ${destination})
endfunction()

set(doc ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_DEBIAN_PACKAGE_NAME})
vellacor_guide(${PROJECT_BINARY_DIR}/guide ${PROJECT_SOURCE_DIR}/docs/screenshot.png)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/debian/copyright ${PROJECT_SOURCE_DIR}/README.md
  ${VELLACOR_GUIDE} DESTINATION ${doc})
vellacor_install_gzipped(${CMAKE_CURRENT_LIST_DIR}/debian/changelog ${doc})
