# Where an installation puts the programs and their data. An installed program finds the data by its path
# from the program's own folder, so the data search (compiled into shell/program/DataLocation.cpp) and the
# install rules (cmake/Install.cmake) both take it from SECTOR_CLASH_DATA_FROM_PROGRAMS.
#
# Its default reaches PREFIX/share/games/sector-clash from PREFIX/bin (a plain `cmake --install`) and from
# /usr/games (the Debian package) alike, so one build serves both.
include(GNUInstallDirs)

set(SECTOR_CLASH_DATA_FROM_PROGRAMS "../share/games/sector-clash" CACHE STRING
    "The installed folder holding data/, relative to the installed programs' folder")
if(IS_ABSOLUTE "${SECTOR_CLASH_DATA_FROM_PROGRAMS}")
  message(FATAL_ERROR "SECTOR_CLASH_DATA_FROM_PROGRAMS must be relative to the programs' folder, "
                      "not \"${SECTOR_CLASH_DATA_FROM_PROGRAMS}\"")
endif()

# sc_data_dir_beside(OUT PROGRAM_DIR): the folder to install the data into when the programs go into
# PROGRAM_DIR (relative to the prefix, or absolute).
function(sc_data_dir_beside out program_dir)
  cmake_path(APPEND program_dir "${SECTOR_CLASH_DATA_FROM_PROGRAMS}" OUTPUT_VARIABLE data_dir)
  cmake_path(NORMAL_PATH data_dir)
  if(data_dir MATCHES "^\\.\\.(/|$)")
    message(FATAL_ERROR "SECTOR_CLASH_DATA_FROM_PROGRAMS \"${SECTOR_CLASH_DATA_FROM_PROGRAMS}\" leads out "
                        "of the installation from ${program_dir}")
  endif()
  string(REGEX REPLACE "/$" "" data_dir "${data_dir}")
  set(${out} "${data_dir}" PARENT_SCOPE)
endfunction()
