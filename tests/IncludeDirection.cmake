# Fails when a folder includes what lies above it. The simulation draws nothing and opens no window: its
# folders include neither GL, SDL, the platform layer, the shell, the graphics nor anything that presents
# it, so that its libraries and the simulator link without them. The scene draws the world and knows
# nothing of the panels; the interface never includes the game, so the two libraries do not name each
# other.
# Run by ctest as include_direction with -DSOURCE_DIR=<the tree>.
set(simulation_folders world ai command commander rules visuals replay save snapshot random datafiles)
set(above_the_simulation "[<\"]GL/" "[<\"]SDL" "\"platform/" "\"shell/" "\"graphics/" "\"sound/" "\"scene/"
  "\"interface/" "\"game/" "\"menu/" "\"campaign/")
# Header-only and about the processor's cache, not the shell's work.
set(allowed "#include \"shell/PrefetchWhole.h\"")
set(rules "scene:\"interface/" "scene:\"game/" "interface:\"game/")
foreach(folder ${simulation_folders})
  foreach(forbidden ${above_the_simulation})
    list(APPEND rules "${folder}:${forbidden}")
  endforeach()
endforeach()
set(broken "")
foreach(rule ${rules})
  string(FIND ${rule} ":" colon)
  string(SUBSTRING ${rule} 0 ${colon} folder)
  math(EXPR after "${colon} + 1")
  string(SUBSTRING ${rule} ${after} -1 forbidden)
  file(GLOB_RECURSE files ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
  foreach(file ${files})
    file(STRINGS ${file} lines REGEX "^#include ${forbidden}")
    list(REMOVE_ITEM lines ${allowed})
    foreach(line ${lines})
      file(RELATIVE_PATH name ${SOURCE_DIR} ${file})
      string(APPEND broken "${name}: ${line}\n")
    endforeach()
  endforeach()
endforeach()
if(broken)
  message(FATAL_ERROR "Includes against the folders' direction:\n${broken}")
endif()
