# Fails when a folder includes what lies above it. The simulation (world, ai) draws nothing: it includes
# neither GL nor the scene that draws it; the scene draws the world and knows nothing of the panels; the
# interface never includes the game, so the two libraries do not name each other.
# Run by ctest as include_direction with -DSOURCE_DIR=<the tree>.
set(rules
  "world:[<\"]GL/" "world:\"scene/" "world:\"interface/" "world:\"game/"
  "ai:[<\"]GL/" "ai:\"scene/" "ai:\"interface/" "ai:\"game/"
  "scene:\"interface/" "scene:\"game/"
  "interface:\"game/")
set(broken "")
foreach(rule ${rules})
  string(FIND ${rule} ":" colon)
  string(SUBSTRING ${rule} 0 ${colon} folder)
  math(EXPR after "${colon} + 1")
  string(SUBSTRING ${rule} ${after} -1 forbidden)
  file(GLOB_RECURSE files ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
  foreach(file ${files})
    file(STRINGS ${file} lines REGEX "^#include ${forbidden}")
    foreach(line ${lines})
      file(RELATIVE_PATH name ${SOURCE_DIR} ${file})
      string(APPEND broken "${name}: ${line}\n")
    endforeach()
  endforeach()
endforeach()
if(broken)
  message(FATAL_ERROR "Includes against the folders' direction:\n${broken}")
endif()
