# Every Windows program of the project ends at a crash with one line naming
# it, the exception and where it struck, and the exception's code as its exit
# code (base/crash_end.h), in every run: Wine's debugger, left to it, ends
# some with 0.

# orr_program(<name> [WIN32] <sources...>): an executable that installs the
# crash ending before its main begins.
function(orr_program name)
  add_executable(${name} ${ARGN})
  if(ORR_WINDOWS)
    target_link_libraries(${name} PRIVATE crash_end_start)
  endif()
  set_target_properties(${name} PROPERTIES ORR_CRASH_END program)
endfunction()

# Fails the configuration naming every executable that did not come through
# orr_program or orr_test (whose main installs the ending itself), nor says
# why it is left to Wine (ORR_CRASH_END "wine").
function(orr_check_programs)
  if(NOT ORR_WINDOWS)
    return()
  endif()
  set(dirs "${CMAKE_SOURCE_DIR}")
  set(bare "")
  while(dirs)
    list(POP_FRONT dirs dir)
    get_property(subdirs DIRECTORY "${dir}" PROPERTY SUBDIRECTORIES)
    list(APPEND dirs ${subdirs})
    get_property(targets DIRECTORY "${dir}" PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target ${targets})
      get_target_property(type ${target} TYPE)
      get_target_property(ending ${target} ORR_CRASH_END)
      if(type STREQUAL "EXECUTABLE" AND NOT ending)
        list(APPEND bare ${target})
      endif()
    endforeach()
  endwhile()
  if(bare)
    message(FATAL_ERROR "Programs that do not end at a crash with its code (make them with orr_program): ${bare}")
  endif()
endfunction()
