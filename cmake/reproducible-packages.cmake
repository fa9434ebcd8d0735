# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
#
# Run by cpack after it made the packages (CPACK_POST_BUILD_SCRIPTS): puts
# what depends on the file system in a fixed form, so that the packages of
# one commit are the same bytes wherever they are built. A zip lists its
# files in the order the folder gave them, which differs between file
# systems: strip-nondeterminism sorts them and stamps them with
# SOURCE_DATE_EPOCH (when it is set, as `make dist` sets it). A .deb gets
# its Installed-Size counted as dpkg counts it.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(package MATCHES "\\.zip$" AND DEFINED ENV{SOURCE_DATE_EPOCH})
    execute_process(COMMAND strip-nondeterminism --type zip --timestamp $ENV{SOURCE_DATE_EPOCH}
      ${package} COMMAND_ERROR_IS_FATAL ANY OUTPUT_QUIET)
  elseif(package MATCHES "\\.deb$")
    execute_process(COMMAND ${CMAKE_CURRENT_LIST_DIR}/normalize-deb.sh ${package}
      COMMAND_ERROR_IS_FATAL ANY)
  endif()
endforeach()
