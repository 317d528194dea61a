# The Debian package: `cpack -G DEB` in the build directory, or the `package` target. Its
# dependencies are the Qt 6 libraries the programs link (read off the binaries) and the fonts
# that stand in for the design's faces.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${PROJECT_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Plane vectors team <vectors@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "classroom programs on plane vectors (Chinese)")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-arphic-uming, fonts-arphic-ukai, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGE_DESCRIPTION "Five small interactive lessons for a school chapter on plane vectors,
in Simplified Chinese, and a launcher that lists them in teaching order:
vecintro (a force pulls a cart), vecadd (the triangle rule of addition),
vecsub (differences from a common tail), veccoord (sums and decomposition
by coordinates) and vecscale (scalar multiples). Each opens one window where
pupils drag vectors with the mouse and watch the figure being built.")

include(CPack)
