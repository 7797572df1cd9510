# `cmake --install`: the game and its tools in PREFIX/bin, the data in PREFIX/share/sector-clash/data
# (where the game looks when the working directory has no data/ folder), and a desktop entry with the
# window icon.
include(GNUInstallDirs)

# The game and every program of tools/: each finds the installed data the way the game does.
get_property(sc_tool_programs GLOBAL PROPERTY sc_tool_programs)
install(TARGETS sector-clash ${sc_tool_programs} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/ DESTINATION ${CMAKE_INSTALL_DATADIR}/sector-clash/data)

# The icon is painted by the same code as the window's, at the size desktops show best.
set(sc_icon ${CMAKE_BINARY_DIR}/share/sector-clash.png)
add_custom_command(OUTPUT ${sc_icon}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/share
  COMMAND sector-clash-icon 48 ${sc_icon}
  DEPENDS sector-clash-icon
  COMMENT "Painting the desktop icon")
add_custom_target(sector-clash-desktop-icon ALL DEPENDS ${sc_icon})
install(FILES ${sc_icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps)
install(FILES ${CMAKE_SOURCE_DIR}/cmake/sector-clash.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# The licence of the code and the guide; the data's own licence statement travels inside data/.
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE ${CMAKE_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/sector-clash)
