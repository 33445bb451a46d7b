# `make package`: the Debian package build/resonara_<version>_<arch>.deb, made
# by CPack from the install rules of cmake/Install.cmake, installed under /usr.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME resonara)
set(CPACK_PACKAGE_VENDOR Resonara)
set(CPACK_PACKAGE_CONTACT "Resonara <packages@resonara.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "design fourth-order bandpass loudspeaker enclosures")
# The extended description, wrapped for dpkg's 80 columns.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Resonara sizes a fourth-order bandpass enclosure: a driver between a sealed"
  "rear chamber and a ported front chamber. From the driver's Thiele-Small"
  "parameters and an alignment it computes the chamber volumes, the tuning"
  "frequency, the passband edges and the port length, draws the response and"
  "maximum-output charts, and turns the volumes into box dimensions."
  "resonara-cli runs the same calculation from the shell.")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "http://www.resonara.example/")
# dpkg-shlibdeps finds the libraries the programs link (Qt, libstdc++, libc).
# It cannot see what Qt loads at run time: the xcb platform plugin, and the
# font the dialogs name.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-dejavu-core")

include(CPack)
