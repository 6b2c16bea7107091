# orr_test(<name> SOURCES <files...> LIBS <libs...>)
# One test program per ctest entry: each Wine start costs about half a second.
function(orr_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} test_support gtest gtest_main)
  if(ORR_WINDOWS)
    # Every dialog a Windows test opens shows both ends of its numbers' ranges.
    target_sources(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/support/cut_numbers_watch.cpp)
    target_link_libraries(${name} PRIVATE user32 gdi32)
  endif()
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/tests")
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1
           WORKING_DIRECTORY "${CMAKE_BINARY_DIR}/tests")
endfunction()
