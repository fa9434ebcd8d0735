# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
# Run by cpack after each package (CPACK_POST_BUILD_SCRIPTS): beside the
# zip, the per-machine MSI of the same files, made from the zip's folder
# (cmake/make-msi.sh), so that both carry the same program, signed where
# the zip's is.
if(CPACK_GENERATOR STREQUAL "ZIP")
  execute_process(COMMAND ${CMAKE_CURRENT_LIST_DIR}/make-msi.sh
    ${CPACK_PACKAGE_DIRECTORY}/${CPACK_PACKAGE_FILE_NAME}.msi ${CPACK_TEMPORARY_DIRECTORY}
    ${CPACK_PACKAGE_VERSION} ${CPACK_VELLACOR_MSI_PLATFORM} ${CPACK_PACKAGE_VENDOR}
    ${CPACK_NSIS_MUI_ICON} ${CPACK_VELLACOR_GUIDE_SHORTCUT}
    COMMAND_ERROR_IS_FATAL ANY)
endif()
