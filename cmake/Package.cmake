# The Debian package, built by CPack from the install rules (cmake/Install.cmake):
#
#   cmake --build build && (cd build && cpack -G DEB)    -> build/solune300_<version>_<arch>.deb
#
# Installed under /usr (so the udev rule lands in /usr/lib/udev/rules.d). The
# dependencies come from the shared libraries the programs link (dpkg-shlibdeps)
# plus what no library names: Qt's platform plugins, the font every text is
# drawn in (DejaVu Sans: the skin pictures, the message boxes, and the fallback
# of the skin's own faces), udev for the mouse rule, and xdg-open for the
# Support page's links. postinst reloads the udev rules so the mouse is usable
# at once; postrm does so after removal.
#
# The package build (the "package" preset: -DSOLUNE_HARDENED=ON) builds the
# programs hardened; in every build the debugging information goes into its
# own package, solune300-dbgsym_<version>_<arch>.ddeb, and the programs in the
# .deb are stripped.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME solune300)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Dravik")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "SOLUNE 300 gaming mouse: configuration, firmware updater, command line")
# Lines of at most 80 characters, as Debian's control files want them.
set(CPACK_PACKAGE_DESCRIPTION [=[
VESK configures the SOLUNE 300 gaming mouse: buttons, DPI, lighting,
macros and the mouse's five on-board profiles. W38Updater installs
firmware packages through the mouse's boot loader; solune300ctl does
both from the command line; solune300-sim is a virtual mouse for
trying them out.]=])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The programs without their debugging information, which goes into the
# -dbgsym package (CPack strips what it splits; CPACK_STRIP_FILES would leave
# nothing to split).
set(CPACK_DEBIAN_DEBUGINFO_PACKAGE ON)
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/DebugSymbolPackage.cmake)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "SOLUNE 300 software developers <solune300-linux@dravik.com>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, udev, fonts-liberation2 | fonts-liberation, fonts-dejavu-core, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
  ${PROJECT_SOURCE_DIR}/packaging/debian/postinst
  ${PROJECT_SOURCE_DIR}/packaging/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
