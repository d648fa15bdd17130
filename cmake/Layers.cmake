# A library's headers are reachable as "<tree>/<folder>/name.h" only from
# the targets that link it: each library has an include root of its own
# that holds just its folder. A folder that includes a header of a library
# it does not link fails to compile, so the layering holds by the build.
function(quintara_expose target folder)
  set(root "${PROJECT_BINARY_DIR}/include/${target}")
  get_filename_component(parent "${root}/${folder}" DIRECTORY)
  file(MAKE_DIRECTORY "${parent}")
  if(NOT EXISTS "${root}/${folder}")
    file(CREATE_LINK "${PROJECT_SOURCE_DIR}/${folder}" "${root}/${folder}" SYMBOLIC)
  endif()
  target_include_directories(${target} PUBLIC "${root}")
endfunction()

# A library of the desktop layer: the sources of one folder of shell/,
# linking only the folders below it.
function(quintara_shell_library folder)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  set(target quintara_shell_${folder})
  add_library(${target} STATIC ${ARG_SOURCES})
  quintara_expose(${target} shell/${folder})
  target_link_libraries(${target} PUBLIC ${ARG_LINKS})
endfunction()
