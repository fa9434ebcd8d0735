# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
# Read by cpack for each generator: the installer is told apart by its name.
if(CPACK_GENERATOR MATCHES "NSIS")
  set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_FILE_NAME}-setup")
endif()
# Where the releaser's certificate is set, NSIS signs the uninstaller
# before it packs it, and the installer once it is written
# (cmake/authenticode-sign.sh); without it the installer is as ever.
set(CPACK_NSIS_VELLACOR_SIGNING "")
if(CPACK_GENERATOR MATCHES "NSIS" AND DEFINED ENV{VELLACOR_SIGN_CERT})
  set(sign "${CMAKE_CURRENT_LIST_DIR}/authenticode-sign.sh")
  set(CPACK_NSIS_VELLACOR_SIGNING "!uninstfinalize '\"${sign}\" \"%1\"'\n!finalize '\"${sign}\" \"%1\"'")
endif()
