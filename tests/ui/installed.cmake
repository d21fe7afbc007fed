# SPDX-License-Identifier: GPL-3.0-or-later
# What `cmake --install` puts on a player's machine: the icon in every size
# of the hicolor theme, each PNG as large as its folder says, and the scalable
# SVG square; the desktop entry naming that icon. And the version that
# project() gives, the same in the metainfo's newest release, the Debian
# changelog and both man pages.
#   cmake -DBUILD=<build dir> -DSOURCE=<source dir> -DWORK=<scratch dir>
#         -DVERSION=<project version> -DAPP_ID=<application id> -P installed.cmake
set(failures "")
file(REMOVE_RECURSE "${WORK}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD}" --prefix "${WORK}"
                OUTPUT_QUIET ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc STREQUAL "0")
  message(FATAL_ERROR "cmake --install failed: ${err}")
endif()

set(hicolor "${WORK}/share/icons/hicolor")
file(GLOB carpetas RELATIVE "${hicolor}" "${hicolor}/*")
list(SORT carpetas COMPARE NATURAL)
set(esperadas 16x16 22x22 24x24 32x32 48x48 64x64 128x128 256x256 512x512 scalable)
if(NOT carpetas STREQUAL esperadas)
  string(APPEND failures "\n  icon folders ${carpetas}, not ${esperadas}")
endif()
file(GLOB_RECURSE iconos "${hicolor}/*")
foreach(icono ${iconos})
  file(RELATIVE_PATH donde "${hicolor}" "${icono}")
  if(NOT donde MATCHES "^([0-9]+)x([0-9]+)/apps/${APP_ID}\\.png$"
     AND NOT donde STREQUAL "scalable/apps/${APP_ID}.svg")
    string(APPEND failures "\n  ${donde}: not where or as the theme wants it")
  elseif(donde MATCHES "^([0-9]+)x([0-9]+)/")
    set(ancho_carpeta ${CMAKE_MATCH_1})
    set(alto_carpeta ${CMAKE_MATCH_2})
    # The PNG signature, then the IHDR chunk: width and height, 4 bytes each.
    file(READ "${icono}" cabecera LIMIT 24 HEX)
    string(SUBSTRING "${cabecera}" 32 8 ancho)
    string(SUBSTRING "${cabecera}" 40 8 alto)
    math(EXPR ancho "0x${ancho}")
    math(EXPR alto "0x${alto}")
    if(NOT cabecera MATCHES "^89504e470d0a1a0a" OR NOT ancho EQUAL ancho_carpeta
       OR NOT alto EQUAL alto_carpeta)
      string(APPEND failures "\n  ${donde}: ${ancho} x ${alto} pixels")
    endif()
  else()
    file(READ "${icono}" svg)
    if(NOT svg MATCHES "<svg width=\"([0-9]+)\" height=\"([0-9]+)\"[ \n]+viewBox=\"0 0 ([0-9]+) ([0-9]+)\""
       OR NOT CMAKE_MATCH_1 STREQUAL CMAKE_MATCH_2 OR NOT CMAKE_MATCH_3 STREQUAL CMAKE_MATCH_4)
      string(APPEND failures "\n  ${donde}: not a square SVG")
    endif()
  endif()
endforeach()
file(STRINGS "${WORK}/share/applications/${APP_ID}.desktop" icono REGEX "^Icon=")
if(NOT icono STREQUAL "Icon=${APP_ID}")
  string(APPEND failures "\n  the desktop entry says ${icono}")
endif()

function(dice fichero patron)
  file(READ "${fichero}" texto)
  if(NOT texto MATCHES "${patron}")
    set(failures "${failures}\n  ${fichero} does not give the version ${VERSION}" PARENT_SCOPE)
  endif()
endfunction()
string(REPLACE "." "\\." v "${VERSION}")
dice("${WORK}/share/metainfo/${APP_ID}.metainfo.xml" "<releases>[ \n]*<release version=\"${v}\"")
dice("${SOURCE}/packaging/debian/changelog" "^quimbel \\(${v}\\) ")
dice("${SOURCE}/data/man/quimbel.6" "\n\\.TH QUIMBEL 6 [-0-9]+ \"Quimbel ${v}\"")
dice("${SOURCE}/data/man/quimbel-sim.1" "\n\\.TH QUIMBEL\\\\-SIM 1 [-0-9]+ \"Quimbel ${v}\"")

if(failures)
  message(FATAL_ERROR "the installed release is not right:${failures}")
endif()
