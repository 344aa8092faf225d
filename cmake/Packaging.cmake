# `cpack -G DEB` (or the `package` target) in the build directory makes the Debian package of
# both programs and the desktop files that resources/ installs.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME jcw)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The jcw developers <jcw@example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Japanese crosswords (nonograms) to solve and make")
# The summary is the description's first line; this is the rest.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "jcw is a desktop program for Japanese crosswords: type a crossword's clue\n\
numbers or open one from .jcw, .non or webpbn XML files, solve it with the\n\
mouse, get line-by-line hints, let the solver finish it or test whether its\n\
clues determine one picture, and print it. jcwtool is the same core on the\n\
command line. The interface is Russian, or English under an English locale.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Not "games": Debian keeps those for programs in /usr/games, and these live in /usr/bin.
set(CPACK_DEBIAN_PACKAGE_SECTION x11)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the programs link come from dpkg-shlibdeps; Qt's own dialogs speak Russian
# through its translations.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
