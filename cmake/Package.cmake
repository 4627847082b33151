# `cpack -G DEB` in the build folder makes a Debian package of what `cmake --install` puts
# in place, under /usr (the generator's own prefix), named and versioned after the project,
# its dependencies computed from the programs' shared libraries (dpkg-shlibdeps).
set(CPACK_PACKAGE_NAME vxcontrol)
set(CPACK_PACKAGE_VENDOR "Tavrel Kessway")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# Debian's checker (lintian) wants a synopsis and description lines under 80 characters,
# and a maintainer with an address; the copyright file and the changelog are installed by
# cmake/Install.cmake.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "control panel and tools for the Vextaro video crosspoint switcher")
set(CPACK_PACKAGE_DESCRIPTION
    "vxpanel routes the inputs of a Vextaro video crosspoint switcher to its\n"
    "outputs over RS-232 or TCP, with reclockers, output groups, presets and\n"
    "names. vxctl does the same from the command line and shell scripts.\n"
    "vxsim plays the switcher for training and testing.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tavrel Kessway VX Control team <support@tavrelkessway.com>")
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# The window needs a platform plugin (xcb, wayland) that no program links to.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# `cpack --config CPackSourceConfig.cmake` packs the sources without builds or history.
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\.git/;/\\.git$;/build[^/]*/;\\.swp$")
include(CPack)
