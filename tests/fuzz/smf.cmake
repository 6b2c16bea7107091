# The MIDI file reader.
set(ORR_SMF_FUZZ_STUB)
if(NOT TARGET model)
  set(ORR_SMF_FUZZ_STUB ${CMAKE_SOURCE_DIR}/tests/media/model_stub.cpp)
endif()
orr_fuzzer(fuzz_smf SOURCES smf_fuzz.cpp ${ORR_SMF_FUZZ_STUB} LIBS media_smf)

add_executable(smf_seeds smf_seeds.cpp)
add_test(NAME seed_smf COMMAND ${CMAKE_COMMAND} -E make_directory "${CMAKE_BINARY_DIR}/corpus/fuzz_smf")
add_test(NAME seed_smf_files COMMAND smf_seeds "${CMAKE_BINARY_DIR}/corpus/fuzz_smf")
set_tests_properties(seed_smf PROPERTIES FIXTURES_SETUP seeds)
set_tests_properties(seed_smf_files PROPERTIES FIXTURES_SETUP seeds DEPENDS seed_smf)
