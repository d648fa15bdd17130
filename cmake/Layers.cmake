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

# A header only its own folder (and that folder's tests) may include: the
# rest of the tree asks the folder's public face instead.
function(quintara_private_header header)
  get_filename_component(folder "${header}" DIRECTORY)
  get_filename_component(leaf "${folder}" NAME)
  file(GLOB_RECURSE sources RELATIVE "${PROJECT_SOURCE_DIR}"
       "${PROJECT_SOURCE_DIR}/core/*.[ch]*" "${PROJECT_SOURCE_DIR}/shell/*.[ch]*"
       "${PROJECT_SOURCE_DIR}/cli/*.[ch]*" "${PROJECT_SOURCE_DIR}/tests/*.[ch]*"
       "${PROJECT_SOURCE_DIR}/bench/*.[ch]*" "${PROJECT_SOURCE_DIR}/fuzz/*.[ch]*")
  foreach(source IN LISTS sources)
    if(source MATCHES "^${folder}/" OR source MATCHES "^tests/${leaf}/")
      continue()
    endif()
    file(STRINGS "${PROJECT_SOURCE_DIR}/${source}" hits REGEX "#include \"${header}\"")
    if(hits)
      message(FATAL_ERROR "${source} includes ${header}, which only ${folder} may use")
    endif()
  endforeach()
endfunction()
