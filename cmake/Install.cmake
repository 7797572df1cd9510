# `cmake --install` and the Debian package (cmake/Package.cmake) from one build: the game and its tools,
# their data, the desktop entry with its icons, the AppStream metadata, the manual pages and the documents.
#
# The rules fall into three components. A plain `cmake --install` takes "programs" (PREFIX/bin, the data,
# the licence and this guide) and "desktop" (what desktops, software centres and man look for). The
# package takes "desktop" and "debian": the programs in /usr/games, where Debian keeps games, the same
# data, and Debian's copyright file and changelog; a plain installation leaves "debian" out. In both the
# programs find the data at SECTOR_CLASH_DATA_FROM_PROGRAMS from their own folder (cmake/InstallLayout.cmake).
get_property(sc_tool_programs GLOBAL PROPERTY sc_tool_programs)
set(sc_programs sector-clash ${sc_tool_programs})
set(sc_doc_dir ${CMAKE_INSTALL_DATAROOTDIR}/doc/sector-clash)
set(sc_generated ${CMAKE_BINARY_DIR}/share)

# sc_install_programs_with_data(COMPONENT PROGRAM_DIR [EXCLUDE_FROM_ALL]): every program into PROGRAM_DIR
# and the data where they look for it.
function(sc_install_programs_with_data component program_dir)
  sc_data_dir_beside(data_dir ${program_dir})
  install(TARGETS ${sc_programs} RUNTIME DESTINATION ${program_dir} COMPONENT ${component} ${ARGN})
  install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/ DESTINATION ${data_dir}/data COMPONENT ${component} ${ARGN})
endfunction()

sc_install_programs_with_data(programs ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE ${CMAKE_SOURCE_DIR}/README.md DESTINATION ${sc_doc_dir}
        COMPONENT programs)

sc_install_programs_with_data(debian games EXCLUDE_FROM_ALL)

# The desktop entry, and its icon painted by the same code as the window's at the sizes desktops and
# software centres pick from (these want 64 pixels at least).
install(FILES ${CMAKE_SOURCE_DIR}/packaging/sector-clash.desktop DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications
        COMPONENT desktop)
set(sc_icons "")
foreach(size 48 64 128 256)
  set(icon ${sc_generated}/icons/${size}/sector-clash.png)
  add_custom_command(OUTPUT ${icon}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${sc_generated}/icons/${size}
    COMMAND sector-clash-icon ${size} ${icon}
    DEPENDS sector-clash-icon
    COMMENT "Painting the desktop icon at ${size} pixels"
    VERBATIM)
  list(APPEND sc_icons ${icon})
  install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/${size}x${size}/apps
          COMPONENT desktop)
endforeach()
add_custom_target(sector-clash-desktop-icon ALL DEPENDS ${sc_icons})

include(cmake/Metainfo.cmake)
install(FILES ${sc_metainfo_file} DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo COMPONENT desktop)

# The manual pages of man/, each in the section its name ends with, compressed as man expects them.
file(GLOB sc_manual_pages CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/man/*.[1-9])
set(sc_compressed_pages "")
foreach(page ${sc_manual_pages})
  get_filename_component(name ${page} NAME)
  string(REGEX REPLACE ".*\\.([1-9])$" "\\1" section ${name})
  set(compressed ${sc_generated}/man/${name}.gz)
  add_custom_command(OUTPUT ${compressed}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${sc_generated}/man
    COMMAND sh -c "gzip -9n -c \"$0\" > \"$1\"" ${page} ${compressed}
    DEPENDS ${page}
    COMMENT "Compressing the manual page ${name}"
    VERBATIM)
  list(APPEND sc_compressed_pages ${compressed})
  install(FILES ${compressed} DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section} COMPONENT desktop)
endforeach()
add_custom_target(sector-clash-manual-pages ALL DEPENDS ${sc_compressed_pages})

# The package's own documents and the CPack settings.
include(cmake/Package.cmake)
