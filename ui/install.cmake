# Installing Quimbel as a desktop program: the binary, its .desktop entry, and
# the icon in the hicolor theme, drawn at build time by our own picture code.
#   cmake --install build --prefix ~/.local     (or /usr/local, as root)
include(GNUInstallDirs)

if(TARGET quimbel)
  add_executable(quimbel-icon-export ${CMAKE_CURRENT_LIST_DIR}/icon_export/main.cpp)
  target_link_libraries(quimbel-icon-export PRIVATE quimbel_ui quimbel_warnings)

  set(quimbel_icono ${CMAKE_CURRENT_BINARY_DIR}/icons/32x32/quimbel.png)
  add_custom_command(
    OUTPUT ${quimbel_icono}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/icons/32x32
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            $<TARGET_FILE:quimbel-icon-export> ${quimbel_icono} 32
    DEPENDS quimbel-icon-export
    COMMENT "Drawing the desktop icon"
    VERBATIM)
  add_custom_target(quimbel_icono ALL DEPENDS ${quimbel_icono})
  # Whoever builds the game has the icon to install with it.
  add_dependencies(quimbel quimbel_icono)

  install(TARGETS quimbel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/quimbel.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${quimbel_icono} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps)
endif()
