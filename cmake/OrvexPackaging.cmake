# The Debian package (scripts/package.sh): `cpack` in a Release tree configured with the
# prefix /usr makes build-release/orvex_<version>_<arch>.deb. The libraries the programs link
# are found by dpkg-shlibdeps; the programs they run and the plugins they load are named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvex)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The ORVEX developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "player and card tools for the ORVEX dash camera")
# The summary is the description's first line; this is the rest.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "ORVEX plays the front and rear recordings of the ORVEX two-channel car dash
camera side by side and in step, with the G-sensor trace, the speed, the GPS
quality and the car's position on a map. It reads the camera's configuration
and drive logs, formats its SD card and sets its clock.
.
The command-line tool orvex-cli reads the same files for scripts.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ORVEX_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# mkfs.fat formats the card, pkexec asks for the password, udisks2 lists, unmounts and mounts
# it; libVLC's demuxers, decoders and the picture and sound outputs are its plugins. (Qt
# WebEngine's helper process, libqt6webenginecore6-bin, comes with the library's own entry.)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "dosfstools, pkexec, udisks2, vlc-plugin-base")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
