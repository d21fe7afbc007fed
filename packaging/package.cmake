# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, through CPack:  cmake --build build --target package
# makes build/quimbel_<version>_<arch>.deb with everything `cmake --install`
# installs under /usr (the game itself moved to /usr/games), the package's
# copyright and changelog beside it. The dependencies are read from the
# libraries the programs link (dpkg-shlibdeps).
include(GNUInstallDirs)

set(quimbel_docdir ${CMAKE_INSTALL_DATADIR}/doc/quimbel)
set(quimbel_changelog ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.gz)
add_custom_command(OUTPUT ${quimbel_changelog}
                   COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/packaging
                   COMMAND gzip -9n -c ${CMAKE_CURRENT_LIST_DIR}/debian/changelog > ${quimbel_changelog}
                   DEPENDS ${CMAKE_CURRENT_LIST_DIR}/debian/changelog
                   COMMENT "Compressing the changelog")
add_custom_target(quimbel_changelog ALL DEPENDS ${quimbel_changelog})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/debian/copyright ${quimbel_changelog}
        DESTINATION ${quimbel_docdir})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quimbel)
set(CPACK_PACKAGE_VENDOR "The Quimbel developers")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/games_dir.cmake)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quimbel maintainers <maintainers@quimbel.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${QUIMBEL_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [[
Spanish card game Tute for one player against the computer
Quimbel plays Tute, the traditional Spanish four-player trick-taking game,
with the forty-card Spanish deck. You sit at the bottom of the table and play
with the computer seat opposite you against the two computer seats at your
sides. Declarations of 20, 40 and tute are made for you, the rules of the
game (follow suit, beat the table, trump when void) are checked on every
card you play, and a match goes to 8 games. Everything the game says is in
Spanish.

The package also holds quimbel-sim, which plays the table without a screen:
it replays scripts, measures the speed of whole deals and checks the table
with random scripts.]])
# Directories as Debian wants them whatever the umask of whoever builds.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
