# Stages the seed home: the files of share/home and the reference tables
# built from the committed sources, the ISO country names and the
# installed time-zone database. Rebuilt when any of them is newer.
set(QUINTARA_ISO_JSON "/usr/share/iso-codes/json/iso_3166-1.json" CACHE FILEPATH "ISO 3166-1 list of iso-codes")
set(QUINTARA_LOCALE_DIR "/usr/share/locale" CACHE PATH "Message catalogues of iso-codes")
set(QUINTARA_ZONEINFO "/usr/share/zoneinfo" CACHE PATH "Compiled IANA time-zone database")
set(QUINTARA_STAR_CATALOGUE "/usr/share/libswe/ephe/sefstars.txt" CACHE FILEPATH "Star catalogue of the ephemeris data")

set(_seed "${QUINTARA_SEED_DIR}")
set(_archive "${PROJECT_SOURCE_DIR}/share/sources/reference-sources.tar.xz")
set(_unpacked "${PROJECT_BINARY_DIR}/reference-sources")
set(_tables "")
foreach(f city Country State Time1 Time2 stars planets)
  list(APPEND _tables "${_seed}/dbfiles/${f}.db")
endforeach()
set(_star_stamp "")
if(EXISTS "${QUINTARA_STAR_CATALOGUE}")
  set(_star_stamp "${QUINTARA_STAR_CATALOGUE}")
endif()
set(_zone_stamp "")
if(EXISTS "${QUINTARA_ZONEINFO}/tzdata.zi")
  set(_zone_stamp "${QUINTARA_ZONEINFO}/tzdata.zi")
endif()

add_custom_command(
  OUTPUT ${_tables}
  COMMAND ${CMAKE_COMMAND} -E make_directory "${_unpacked}" "${_seed}/dbfiles"
  COMMAND ${CMAKE_COMMAND} -E chdir "${_unpacked}" ${CMAKE_COMMAND} -E tar xf "${_archive}"
  COMMAND quintara-build-data "${_unpacked}" "${QUINTARA_ISO_JSON}" "${QUINTARA_LOCALE_DIR}" "${QUINTARA_ZONEINFO}" "${_seed}" "${QUINTARA_STAR_CATALOGUE}"
  DEPENDS "${_archive}" "${QUINTARA_ISO_JSON}" ${_zone_stamp} ${_star_stamp}
          ${PROJECT_SOURCE_DIR}/tools/reference_data/main.cpp
          ${PROJECT_SOURCE_DIR}/tools/reference_data/reference_points.cpp
          ${PROJECT_SOURCE_DIR}/core/data/zone_tables.cpp
          ${PROJECT_SOURCE_DIR}/core/data/schemas.cpp
          ${PROJECT_SOURCE_DIR}/core/data/table_schema.cpp
  COMMENT "Building the reference tables"
  VERBATIM)

file(GLOB_RECURSE _home_files CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/share/home/*")
add_custom_command(
  OUTPUT "${_seed}/.staged"
  COMMAND ${CMAKE_COMMAND} -E copy_directory "${PROJECT_SOURCE_DIR}/share/home" "${_seed}"
  COMMAND ${CMAKE_COMMAND} -E touch "${_seed}/.staged"
  DEPENDS ${_home_files}
  VERBATIM)
add_custom_target(reference_data ALL DEPENDS ${_tables} "${_seed}/.staged")
