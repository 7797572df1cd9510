# The Debian package, `cpack -G DEB` in a build folder (scripts/package.sh): sector-clash_VERSION_ARCH.deb
# of the "desktop" and "debian" components (cmake/Install.cmake), its library dependencies found by
# dpkg-shlibdeps, its programs stripped.
#
# SECTOR_CLASH_PACKAGE_MAINTAINER holds a placeholder that whoever publishes the package replaces with
# their own name and address; it signs the changelog too.
set(SECTOR_CLASH_PACKAGE_MAINTAINER "Sector Clash packager <packager@example.invalid>" CACHE STRING
    "The package's maintainer, \"Name <address>\" (a placeholder until someone publishes it)")

# Debian's copyright file: packaging/copyright followed by the fonts' licence texts, taken whole from the
# fonts' own copyright files so that they have one home.
set(sc_debian_copyright ${CMAKE_BINARY_DIR}/share/debian/copyright)
file(READ ${CMAKE_SOURCE_DIR}/packaging/copyright sc_copyright_text)
file(READ "${CMAKE_SOURCE_DIR}/data/graphics/fonts/B612.copyright.txt" sc_font_copyright)
foreach(licence OFL-1.1 EPL-2.0 EDL-1.0)
  string(FIND "${sc_font_copyright}" "\nLicense: ${licence}\n" start)
  if(start LESS 0)
    message(FATAL_ERROR "data/graphics/fonts/B612.copyright.txt has no paragraph \"License: ${licence}\"")
  endif()
  string(SUBSTRING "${sc_font_copyright}" ${start} -1 paragraph)
  string(FIND "${paragraph}" "\n\n" end)
  string(SUBSTRING "${paragraph}" 0 ${end} paragraph)
  string(APPEND sc_copyright_text "${paragraph}\n")
endforeach()
# Written through a copy so that an unchanged text keeps its time and nothing reinstalls.
file(WRITE ${sc_debian_copyright}.new "${sc_copyright_text}")
configure_file(${sc_debian_copyright}.new ${sc_debian_copyright} COPYONLY)
set_property(DIRECTORY ${CMAKE_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${CMAKE_SOURCE_DIR}/packaging/copyright ${CMAKE_SOURCE_DIR}/data/graphics/fonts/B612.copyright.txt)

# Debian's changelog, signed by the maintainer and compressed.
set(sc_debian_changelog ${CMAKE_BINARY_DIR}/share/debian/changelog)
configure_file(${CMAKE_SOURCE_DIR}/packaging/changelog ${sc_debian_changelog} @ONLY)
add_custom_command(OUTPUT ${sc_debian_changelog}.gz
  COMMAND sh -c "gzip -9n -c \"$0\" > \"$1\"" ${sc_debian_changelog} ${sc_debian_changelog}.gz
  DEPENDS ${sc_debian_changelog}
  COMMENT "Compressing the Debian changelog"
  VERBATIM)
add_custom_target(sector-clash-debian-changelog ALL DEPENDS ${sc_debian_changelog}.gz)
install(FILES ${sc_debian_copyright} ${sc_debian_changelog}.gz ${CMAKE_SOURCE_DIR}/README.md
        DESTINATION ${sc_doc_dir} COMPONENT debian EXCLUDE_FROM_ALL)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sector-clash)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${SECTOR_CLASH_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "real-time strategy game of bases and tanks built from parts")
# Broken into lines by hand: Debian shows the description as it is, and asks for 80 columns at most.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Command one side of a battle on a map seen from above. A headquarters raises\n"
    "further buildings, a tank factory assembles tanks from a chassis, an armour\n"
    "and a turret, mines and recyclers earn money and power plants keep the base\n"
    "running. Every unit thinks for itself: turrets find and fire at enemies, tanks\n"
    "drive around whatever blocks them, towers rearm from armories.\n"
    "\n"
    "All rules and content are XML files, so the game can be changed without\n"
    "touching the code; a checker for modified data, a headless simulator and an\n"
    "XML tool come with it.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${sc_web_address}")
# The library dependencies come from dpkg-shlibdeps on the programs, run by cpack through
# cmake/PackageDepends.cmake.in. CPack's own way to the same line runs `file` on each of the package's some
# 160 files to pick the programs out, five times the processor time of dpkg-shlibdeps itself; the programs
# are known here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
set(sc_packaged_programs "")
foreach(program ${sc_programs})
  list(APPEND sc_packaged_programs ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${program})
endforeach()
configure_file(${CMAKE_SOURCE_DIR}/cmake/PackageDepends.cmake.in ${CMAKE_BINARY_DIR}/PackageDepends.cmake
               @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/PackageDepends.cmake)
# Text without a face named in the data is set in Liberation Sans, found through fontconfig rather than
# linked, so dpkg-shlibdeps cannot see it.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2")
set(CPACK_STRIP_FILES ON)
# cpack packages the build as it stands instead of first checking every target of it once per component
# (scripts/package.sh builds first); this also keeps a build tool's "install" target from building.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(CPACK_INSTALL_CMAKE_PROJECTS
    "${CMAKE_BINARY_DIR};${PROJECT_NAME};desktop;/"
    "${CMAKE_BINARY_DIR};${PROJECT_NAME};debian;/")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)
