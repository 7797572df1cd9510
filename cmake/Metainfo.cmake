# The AppStream metadata software centres show: packaging/sector-clash.metainfo.xml.in with the project's
# web address, its AppStream id and its releases filled in; sets sc_metainfo_file.
#
# The project has no web site yet. SECTOR_CLASH_WEB_ADDRESS holds a placeholder that a packager replaces
# with the site's address; the screenshots of packaging/screenshots/ must be published under it, in
# screenshots/. The id is the reversed host of that address followed by "SectorClash" (what AppStream
# asks of an id), unless SECTOR_CLASH_APPSTREAM_ID names one.
set(SECTOR_CLASH_WEB_ADDRESS "https://example.invalid/sector-clash" CACHE STRING
    "The project's web site: the metadata's links and screenshots (a placeholder until there is one)")
set(SECTOR_CLASH_APPSTREAM_ID "" CACHE STRING
    "The AppStream id; empty: the reversed host of SECTOR_CLASH_WEB_ADDRESS followed by SectorClash")

string(REGEX REPLACE "/+$" "" sc_web_address "${SECTOR_CLASH_WEB_ADDRESS}")
if(NOT sc_web_address MATCHES "^https?://([A-Za-z0-9.-]+)(/|$)")
  message(FATAL_ERROR "SECTOR_CLASH_WEB_ADDRESS must be an http or https address, not \"${SECTOR_CLASH_WEB_ADDRESS}\"")
endif()
set(sc_appstream_id "${SECTOR_CLASH_APPSTREAM_ID}")
if(sc_appstream_id STREQUAL "")
  string(TOLOWER "${CMAKE_MATCH_1}" host)
  string(REPLACE "." ";" host_parts "${host}")
  list(REVERSE host_parts)
  list(JOIN host_parts "." reversed_host)
  set(sc_appstream_id "${reversed_host}.SectorClash")
endif()

# sc_iso_date(OUT DATE): "YYYY-MM-DD" of a changelog date such as "Thu, 10 Dec 2026 12:00:00 +0000".
function(sc_iso_date out date)
  if(NOT date MATCHES "^[A-Za-z]+, ([0-9]+) ([A-Za-z]+) ([0-9]+) ")
    message(FATAL_ERROR "packaging/changelog: \"${date}\" is not a date such as \"Thu, 10 Dec 2026 12:00:00 +0000\"")
  endif()
  set(day ${CMAKE_MATCH_1})
  set(year ${CMAKE_MATCH_3})
  list(FIND sc_month_names "${CMAKE_MATCH_2}" month)
  if(month LESS 0)
    message(FATAL_ERROR "packaging/changelog: \"${CMAKE_MATCH_2}\" is no month in \"${date}\"")
  endif()
  math(EXPR month "${month} + 1")
  string(LENGTH "${day}" day_digits)
  if(day_digits EQUAL 1)
    set(day 0${day})
  endif()
  if(month LESS 10)
    set(month 0${month})
  endif()
  set(${out} "${year}-${month}-${day}" PARENT_SCOPE)
endfunction()
set(sc_month_names Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)

# The releases, newest first, from the changelog's entries: the header line gives the version, the
# closing line the date.
file(STRINGS ${CMAKE_SOURCE_DIR}/packaging/changelog sc_changelog_lines REGEX "^(sector-clash \\(| -- )")
set_property(DIRECTORY ${CMAKE_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/packaging/changelog)
set(sc_appstream_releases "")
set(sc_newest_release "")
foreach(line IN LISTS sc_changelog_lines)
  if(line MATCHES "^sector-clash \\(([^)]+)\\)")
    set(version ${CMAKE_MATCH_1})
    if(sc_newest_release STREQUAL "")
      set(sc_newest_release ${version})
    endif()
  elseif(line MATCHES "^ -- .*>  (.+)$")
    sc_iso_date(date "${CMAKE_MATCH_1}")
    string(APPEND sc_appstream_releases "    <release version=\"${version}\" date=\"${date}\"/>\n")
  endif()
endforeach()
string(REGEX REPLACE "\n$" "" sc_appstream_releases "${sc_appstream_releases}")
if(NOT sc_newest_release STREQUAL PROJECT_VERSION)
  message(WARNING "packaging/changelog's newest entry is for ${sc_newest_release}, the project is "
                  "${PROJECT_VERSION}: a release needs its entry there")
endif()

set(sc_metainfo_file ${CMAKE_BINARY_DIR}/share/metainfo/${sc_appstream_id}.metainfo.xml)
configure_file(${CMAKE_SOURCE_DIR}/packaging/sector-clash.metainfo.xml.in ${sc_metainfo_file} @ONLY)
