# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
# `cpack` in the build folder packs what `cmake --install` puts in place:
# for the Windows window a portable .zip and a per-user installer; else a
# .deb.
# The folders in a package are 0755 whatever the umask of whoever runs
# cpack, as Debian's policy has them.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_PACKAGE_NAME vellacor)
set(CPACK_PACKAGE_VENDOR "Vellacor")
set(CPACK_PACKAGE_CONTACT "Vellacor developers <dev@vellacor.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Sieve analysis of sand: grading table and fineness modulus")

if(VELLACOR_FRONT_END STREQUAL "win32")
  # A portable zip, a per-user installer and a per-machine MSI
  # (cmake/msi.cmake) for each processor, the
  # installer's own code (NSIS's stub) for that processor too: the 32-bit
  # one runs on every Windows from XP on, the 64-bit one from XP x64 on.
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(CPACK_GENERATOR ZIP NSIS)
    set(CPACK_NSIS_VELLACOR_TARGET x86-unicode)
    set(CPACK_VELLACOR_MSI_PLATFORM x86)
    set(VELLACOR_PACKAGE vellacor-${PROJECT_VERSION}-win32)  # what the packages are called
  else()
    set(CPACK_GENERATOR ZIP NSIS64)
    set(CPACK_NSIS_VELLACOR_TARGET amd64-unicode)
    set(CPACK_VELLACOR_MSI_PLATFORM x64)
    set(VELLACOR_PACKAGE vellacor-${PROJECT_VERSION}-win64)
  endif()
  set(CPACK_STRIP_FILES ON)
  set(CPACK_PACKAGE_FILE_NAME ${VELLACOR_PACKAGE})
  # Signed, where the releaser's certificate is set, before it is packed.
  set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/authenticode.cmake)
  include(${CMAKE_CURRENT_LIST_DIR}/nsis.cmake)
else()
  set(CPACK_GENERATOR DEB)
  set(CPACK_STRIP_FILES ON)
  # The package's long description, in English and Chinese, wrapped by
  # hand: CPack passes the lines on as they are.
  string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Vellacor computes the sieve analysis of a 500 g sand sample. The\n"
    "technician types the masses retained on the six standard sieves (4.75\n"
    "to 0.15 mm) into one window and presses its button; the program fills\n"
    "in the loss, the partial and cumulative percentages retained, the\n"
    "fineness modulus and the sand's class. All arithmetic is IEEE 754\n"
    "single precision, and every stage reads back the numbers the previous\n"
    "one displayed, so the screen shows exactly what was computed. The\n"
    "interface is in Simplified Chinese.\n"
    "\n"
    "Vellacor 是砂的筛分析计算程序（试样 500 g）：输入六个标准筛的\n"
    "筛余量，按“计算”，即算出损失、筛余百分、累计筛余百分、细度模数\n"
    "和砂的粗细程度。")
  # The Qt 5 program, for the desks of that generation, is a package of its
  # own name, so that a user tells them apart; either replaces the other.
  if(QT_VERSION_MAJOR EQUAL 5)
    set(CPACK_DEBIAN_PACKAGE_NAME vellacor-qt5)
    set(other vellacor)
  else()
    set(CPACK_DEBIAN_PACKAGE_NAME vellacor)
    set(other vellacor-qt5)
  endif()
  set(CPACK_DEBIAN_PACKAGE_CONFLICTS ${other})
  set(CPACK_DEBIAN_PACKAGE_REPLACES ${other})
  include(${CMAKE_CURRENT_LIST_DIR}/debian.cmake)
  # The target's Debian architecture, not this machine's, when cross-built.
  if(CMAKE_CROSSCOMPILING AND CMAKE_SYSTEM_PROCESSOR STREQUAL "aarch64")
    set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE arm64)
  endif()
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION science)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  # The Qt libraries come through shlibdeps; the platform plugin (Qt 6's is
  # a package of its own, Qt 5's comes with libqt5gui5) and the CJK font the
  # window is drawn for are no library dependency, so they are named here.
  # The Qt 5 package's font may be any CJK sans face the desk already has.
  if(QT_VERSION_MAJOR EQUAL 5)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wqy-microhei | fonts-noto-cjk | fonts-wqy-zenhei")
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qttranslations5-l10n")
  else()
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-wqy-microhei")
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
  endif()
endif()
# Packages that are the same bytes wherever they are built; for Windows,
# the MSI beside the zip.
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/reproducible-packages.cmake)
if(VELLACOR_FRONT_END STREQUAL "win32")
  list(APPEND CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/msi.cmake)
endif()
include(CPack)
