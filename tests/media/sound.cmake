# Sound, MIDI and the Ogg component.
if(NOT ORR_WINDOWS)
  return()
endif()

orr_test(test_vox SOURCES vox_test.cpp ogg_writer.cpp LIBS vox_core vorbisenc vorbis ogg)
add_dependencies(test_vox Vox)
# The real component is loaded beside the test program.
add_custom_command(TARGET test_vox POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:Vox> $<TARGET_FILE_DIR:test_vox>)
