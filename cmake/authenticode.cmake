# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
# Run by cpack once it has put the files in place and before it packs them
# (CPACK_PRE_BUILD_SCRIPTS): where the releaser's certificate is set
# (cmake/authenticode-sign.sh), the program is signed, so that the zip and
# the installer carry the signed program.
if(DEFINED ENV{VELLACOR_SIGN_CERT})
  file(GLOB_RECURSE programs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*.exe")
  execute_process(COMMAND ${CMAKE_CURRENT_LIST_DIR}/authenticode-sign.sh ${programs}
    COMMAND_ERROR_IS_FATAL ANY)
endif()
