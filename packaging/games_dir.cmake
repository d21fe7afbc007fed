# SPDX-License-Identifier: GPL-3.0-or-later
# Run by CPack on the files staged for the Debian package, before it packs
# them. Debian keeps the programs of a package of the games section in
# /usr/games, which is on every user's PATH there; `cmake --install` puts them
# in bin/, so that a --prefix ~/.local install finds them in ~/.local/bin.
# The package's menu entry names the game by its full path, so that it starts
# even from a desktop session whose PATH lacks /usr/games.
set(usr ${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})
file(MAKE_DIRECTORY ${usr}/games)
file(CHMOD ${usr}/games PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
                                    GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
foreach(programa quimbel quimbel-sim)
  file(RENAME ${usr}/bin/${programa} ${usr}/games/${programa})
endforeach()
file(GLOB queda ${usr}/bin/*)
if(NOT queda)
  file(REMOVE_RECURSE ${usr}/bin)
endif()

file(GLOB entradas ${usr}/share/applications/*.desktop)
foreach(entrada ${entradas})
  file(READ ${entrada} texto)
  string(REPLACE "\nExec=quimbel\n" "\nExec=${CPACK_PACKAGING_INSTALL_PREFIX}/games/quimbel\n" texto "${texto}")
  file(WRITE ${entrada} "${texto}")
endforeach()
