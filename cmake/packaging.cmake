# `cpack` in the build folder packs what `cmake --install` puts in place:
# on Linux a .deb; on Windows a portable .zip and a per-user installer.
set(CPACK_PACKAGE_NAME vellacor)
set(CPACK_PACKAGE_VENDOR "Vellacor")
set(CPACK_PACKAGE_CONTACT "Vellacor developers <dev@vellacor.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Sieve analysis of sand: grading table and fineness modulus")

if(WIN32 AND CMAKE_SIZEOF_VOID_P EQUAL 4)
  # 32-bit: the portable zip alone. The installer stays 64-bit, the one
  # whose stub this machine can run and test.
  set(CPACK_GENERATOR ZIP)
  set(CPACK_STRIP_FILES ON)
  set(VELLACOR_PACKAGE vellacor-${PROJECT_VERSION}-win32)
  set(CPACK_PACKAGE_FILE_NAME ${VELLACOR_PACKAGE})
elseif(WIN32)
  set(CPACK_GENERATOR ZIP NSIS64)
  set(CPACK_STRIP_FILES ON)
  set(VELLACOR_PACKAGE vellacor-${PROJECT_VERSION}-win64)  # what the packages are called
  set(CPACK_PACKAGE_FILE_NAME ${VELLACOR_PACKAGE})
  include(${CMAKE_CURRENT_LIST_DIR}/nsis.cmake)
else()
  set(CPACK_GENERATOR DEB)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION science)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  # The Qt libraries come through shlibdeps; the platform plugin and the CJK
  # font the window is drawn for are no library dependency, so they are
  # named here.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-wqy-microhei")
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
endif()
include(CPack)
