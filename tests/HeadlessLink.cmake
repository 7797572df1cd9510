# Fails when a program that must run without a window needs GL, SDL or the font libraries: the simulator
# runs on machines without them, and the simulation's libraries would drag them in by a stray dependency.
# Run by ctest as headless_link with -DPROGRAM=<the program> -DREADELF=<readelf>.
execute_process(COMMAND ${READELF} -d ${PROGRAM} OUTPUT_VARIABLE dynamic RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${PROGRAM}: readelf could not read it")
endif()
string(REGEX MATCHALL "Shared library: \\[[^]]*\\]" needed "${dynamic}")
set(windowed "")
foreach(library ${needed})
  if(library MATCHES "lib(GL|GLU|GLX|OpenGL|EGL|SDL2|SDL2_mixer|freetype|fontconfig|png|X11)[.-]")
    string(APPEND windowed " ${library}")
  endif()
endforeach()
if(windowed)
  message(FATAL_ERROR "${PROGRAM} needs what only a window needs:${windowed}")
endif()
