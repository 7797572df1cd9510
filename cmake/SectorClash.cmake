# Helpers shared by the subsystem folders.

# sc_subsystem_library(NAME [DEPENDS libs...] [EXCLUDE files...]): the library sc_NAME from every .cpp in
# the calling folder but the excluded ones, which the folder builds into a library of their own. A folder
# with no sources yet gives an interface library, so dependants link before it is written.
function(sc_subsystem_library name)
  cmake_parse_arguments(ARG "" "" "DEPENDS;EXCLUDE" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  foreach(excluded ${ARG_EXCLUDE})
    list(REMOVE_ITEM sources ${CMAKE_CURRENT_SOURCE_DIR}/${excluded})
  endforeach()
  if(sources)
    add_library(sc_${name} STATIC ${sources})
    target_include_directories(sc_${name} PUBLIC ${CMAKE_SOURCE_DIR})
    target_link_libraries(sc_${name} PUBLIC ${ARG_DEPENDS})
  else()
    add_library(sc_${name} INTERFACE)
    target_include_directories(sc_${name} INTERFACE ${CMAKE_SOURCE_DIR})
    target_link_libraries(sc_${name} INTERFACE ${ARG_DEPENDS})
  endif()
endfunction()
