# orr_test(<name> SOURCES <files...> LIBS <libs...>)
# One test program per ctest entry: each Wine start costs about half a second.
#
# Every entry has a time limit, so that a program that hangs fails instead of
# holding the run: a few times its run in a full run on a loaded machine
# (several full runs at once), and no less than a minute, which a Wine start
# under such load may take a good part of. The programs under Wine that take
# longer than a few seconds are named here; the native ones run within two.
set(ORR_WINE_TEST_TIMEOUTS
  test_model 120  test_sample 120  test_events 120  test_database_media 120
  test_ui 180  test_database_units 180  test_database_skills 180
  test_database_sheet 300
  test_app 900)

function(orr_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  # test_main: the main of every test program (tests/support/test_main.cpp).
  target_link_libraries(${name} PRIVATE ${T_LIBS} test_support test_main)
  if(ORR_WINDOWS)
    # Every dialog a Windows test opens shows both ends of its numbers' ranges.
    target_sources(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/support/cut_numbers_watch.cpp)
    target_link_libraries(${name} PRIVATE user32 gdi32)
  endif()
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/tests" ORR_CRASH_END test)
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1
           WORKING_DIRECTORY "${CMAKE_BINARY_DIR}/tests")
  set(timeout 60)
  list(FIND ORR_WINE_TEST_TIMEOUTS ${name} at)
  if(ORR_WINDOWS AND at GREATER_EQUAL 0)
    math(EXPR at "${at} + 1")
    list(GET ORR_WINE_TEST_TIMEOUTS ${at} timeout)
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT ${timeout})
endfunction()
