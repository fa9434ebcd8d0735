# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
# The Windows installer: for the current user, without administrator rights,
# into the user's programs folder, with a Start-menu shortcut and an entry
# among the installed programs; made by CPack from our own template
# (cmake/NSIS.template.in), since CPack's asks for administrator rights.
list(APPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR})
set(CPACK_NSIS_PACKAGE_NAME Vellacor)
set(CPACK_NSIS_DISPLAY_NAME Vellacor)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Vellacor)
set(CPACK_NSIS_INSTALLED_ICON_NAME vellacor.exe)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/window/icons/vellacor.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/window/icons/vellacor.ico)
# The guide's Start-menu shortcut, from the installer and the MSI alike.
set(CPACK_VELLACOR_GUIDE_SHORTCUT "Vellacor 使用说明")
# The zip is vellacor-<version>-win64.zip, the installer ...-win64-setup.exe.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/cpack-names.cmake)
