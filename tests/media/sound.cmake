# Sound, MIDI and the Ogg component.
orr_test(test_smf SOURCES smf_test.cpp LIBS media_smf)

if(NOT ORR_WINDOWS)
  return()
endif()

# One program for the sound manager, the MCI table, the MIDI player and the
# Ogg component. It runs in a folder of its own, where the double of the
# optional MIDI library lies beside it and the real Vox.dll is copied.
set(ORR_SOUND_TEST_DIR "${CMAKE_BINARY_DIR}/tests/sound")
orr_test(test_sound
  SOURCES sound_test.cpp mci_test.cpp smf_play_test.cpp fake_midi_stream.cpp vox_test.cpp ogg_writer.cpp
  LIBS media vox_core vorbisenc vorbis ogg)
set_target_properties(test_sound PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${ORR_SOUND_TEST_DIR}")

add_library(ggs4_double SHARED ggs4_double.cpp)
# The library's interface only: the double links nothing of the program.
target_include_directories(ggs4_double PRIVATE $<TARGET_PROPERTY:media,INTERFACE_INCLUDE_DIRECTORIES>
  $<TARGET_PROPERTY:test_support,INTERFACE_INCLUDE_DIRECTORIES>)
set_target_properties(ggs4_double PROPERTIES PREFIX "" OUTPUT_NAME GuruGuruSMF4
  RUNTIME_OUTPUT_DIRECTORY "${ORR_SOUND_TEST_DIR}")
target_link_options(ggs4_double PRIVATE -Wl,--kill-at)
add_dependencies(test_sound ggs4_double Vox)
add_custom_command(TARGET test_sound POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:Vox> "${ORR_SOUND_TEST_DIR}")
