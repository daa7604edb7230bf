# `cpack -G DEB` in the build folder makes a Debian package of what `cmake --install` puts in
# place, under /usr. The libraries it needs are read from the programs by dpkg-shlibdeps.

set(CPACK_PACKAGE_NAME lt840)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor and programmer for the LT840 light-chaser board")
# Lines of at most 79 characters: each goes into the control file behind one space.
set(CPACK_PACKAGE_DESCRIPTION [[
A desktop editor for the LT840 board, which drives a row of eight lamps:
compose frames of lit and unlit lamps with their durations, record up to 251
of them, transform them in one press, preview the sequence on the built-in
simulator, keep it in a file and write it into the board over a 9600-baud
serial line. The interface is in French.

Also contains lt840-cli, which identifies, programs and resets the board from
a terminal without a display, and lt840-board, a virtual board on a
pseudo-terminal for trying the editor without the hardware.]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${LT840_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's libraries only recommend their display plugins, without which the window cannot open;
# the toolbar's own icons are SVG drawings, which Qt reads through a plugin of libqt6svg6.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6")
# Qt's own dialogs (files, buttons) speak French with these.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_SUGGESTS qt6-wayland)

include(CPack)
