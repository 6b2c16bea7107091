# Arrows the build keeps. No folder of the source tree is an include folder:
# a library's headers are reached, as "<folder>/<name>.h", only through an
# include root of its own, which it passes on to what links it. A file that
# includes a header of a library its target does not link fails to compile.

# orr_publish(<target> <folder>): <folder>'s headers through <target>'s root.
function(orr_publish target folder)
  set(root "${CMAKE_BINARY_DIR}/include/${target}")
  get_filename_component(parent "${root}/${folder}" DIRECTORY)
  file(MAKE_DIRECTORY "${parent}")
  if(NOT EXISTS "${root}/${folder}")
    file(CREATE_LINK "${CMAKE_SOURCE_DIR}/${folder}" "${root}/${folder}" SYMBOLIC)
  endif()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE "${root}")
  else()
    target_include_directories(${target} PUBLIC "${root}")
  endif()
endfunction()

# orr_check_headers(<target> <folder> [WINDOWS_FREE] [EXCLUDE <names...>]):
# every header of <folder> compiles alone with what <target> links, so that
# a header cannot lean on what its includers happened to include first. With
# WINDOWS_FREE the headers must not pull in <windows.h> either.
function(orr_check_headers target folder)
  if(NOT ORR_WINDOWS)
    return()
  endif()
  cmake_parse_arguments(H "WINDOWS_FREE" "" "EXCLUDE" ${ARGN})
  file(GLOB headers RELATIVE "${CMAKE_SOURCE_DIR}/${folder}" "${CMAKE_SOURCE_DIR}/${folder}/*.h")
  set(dir "${CMAKE_BINARY_DIR}/header_check/${target}")
  set(sources "")
  foreach(h ${headers})
    if(h IN_LIST H_EXCLUDE)
      continue()
    endif()
    string(REPLACE ".h" ".cpp" cpp "${h}")
    set(text "#include \"${folder}/${h}\"\n")
    if(H_WINDOWS_FREE)
      string(APPEND text "#ifdef _WINDOWS_\n#error \"${folder}/${h} includes <windows.h>\"\n#endif\n")
    endif()
    file(CONFIGURE OUTPUT "${dir}/${cpp}" CONTENT "${text}")
    list(APPEND sources "${dir}/${cpp}")
  endforeach()
  if(sources)
    add_library(${target}_headers OBJECT ${sources})
    target_link_libraries(${target}_headers PRIVATE ${target})
  endif()
endfunction()
