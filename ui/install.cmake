# SPDX-License-Identifier: GPL-3.0-or-later
# Installing Quimbel as a desktop program: the game, and its icon in the
# hicolor theme at every size a desktop asks for, plus a scalable SVG, all
# drawn at build time by our own picture code. The .desktop entry, the
# metainfo and the man pages are installed by data/.
#   cmake --install build --prefix ~/.local     (or /usr/local, as root)
include(GNUInstallDirs)

if(TARGET quimbel)
  find_package(Qt6 6.2 REQUIRED COMPONENTS Svg)
  add_executable(quimbel-icon-export ${CMAKE_CURRENT_LIST_DIR}/icon_export/main.cpp)
  target_link_libraries(quimbel-icon-export PRIVATE quimbel_ui Qt6::Svg quimbel_warnings)

  set(quimbel_tamanos_icono 16 22 24 32 48 64 128 256 512)
  set(quimbel_iconos ${CMAKE_CURRENT_BINARY_DIR}/icons/hicolor)
  set(quimbel_ficheros_icono ${quimbel_iconos}/scalable/apps/${QUIMBEL_APP_ID}.svg)
  foreach(lado ${quimbel_tamanos_icono})
    list(APPEND quimbel_ficheros_icono ${quimbel_iconos}/${lado}x${lado}/apps/${QUIMBEL_APP_ID}.png)
  endforeach()
  add_custom_command(
    OUTPUT ${quimbel_ficheros_icono}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            $<TARGET_FILE:quimbel-icon-export> ${quimbel_iconos} ${QUIMBEL_APP_ID}
            ${quimbel_tamanos_icono}
    DEPENDS quimbel-icon-export
    COMMENT "Drawing the desktop icons"
    VERBATIM)
  add_custom_target(quimbel_iconos ALL DEPENDS ${quimbel_ficheros_icono})
  # Whoever builds the game has the icons to install with it.
  add_dependencies(quimbel quimbel_iconos)

  install(TARGETS quimbel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(DIRECTORY ${quimbel_iconos} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
endif()
