# Sound: the Ogg component "Vox.dll" (Windows only). The standard MIDI file
# reader and the stream conversion are window-free and build in every tree.
if(NOT ORR_WINDOWS)
  return()
endif()

# The component's decoder and voice, linked into Vox.dll and into the tests,
# which give a voice their own wave output.
add_library(vox_core STATIC
  vox/vox_decoder.cpp vox/vox_voice.cpp vox/vox_waveout.cpp)
target_link_libraries(vox_core PUBLIC vorbisfile vorbis ogg winmm)

add_library(Vox SHARED vox/vox_dll.cpp vox/vox.def)
target_link_libraries(Vox PRIVATE vox_core)
set_target_properties(Vox PROPERTIES PREFIX "" OUTPUT_NAME Vox)
