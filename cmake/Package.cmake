# The Debian package, built by CPack from the install rules (cmake/Install.cmake):
#
#   cmake --build build && (cd build && cpack -G DEB)    -> build/solune300_<version>_<arch>.deb
#
# Installed under /usr (so the udev rule lands in /usr/lib/udev/rules.d). The
# dependencies come from the shared libraries the programs link (dpkg-shlibdeps)
# plus what no library names: Qt's platform plugins, a font for the texts, udev.
# postinst reloads the udev rules so the mouse is usable at once; postrm does so
# after removal.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME solune300)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Dravik")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "SOLUNE 300 gaming mouse: configuration, firmware updater, command line")
set(CPACK_PACKAGE_DESCRIPTION
  "VESK configures the SOLUNE 300 gaming mouse (buttons, DPI, lighting, macros, five on-board profiles); W38Updater installs firmware packages through the mouse's boot loader; solune300ctl does both from the command line; solune300-sim is a virtual mouse for trying them out.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The programs without their debugging information (the build keeps it).
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "SOLUNE 300 Linux maintainers <solune300@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, udev, fonts-liberation2 | fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
  ${PROJECT_SOURCE_DIR}/packaging/debian/postinst
  ${PROJECT_SOURCE_DIR}/packaging/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
