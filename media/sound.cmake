# Sound. The standard MIDI file reader and the stream conversion are
# window-free and build in every tree; the players, the MCI table, the
# optional MIDI library and the Ogg component "Vox.dll" are Windows only.
add_library(media_smf STATIC smf_format.cpp smf_stream.cpp)
orr_publish(media_smf media)
target_link_libraries(media_smf PUBLIC base)

if(NOT ORR_WINDOWS)
  return()
endif()

target_sources(media PRIVATE ggs4.cpp mci_sound.cpp smf_play.cpp sound.cpp)
target_link_libraries(media PUBLIC media_smf winmm)

# The component's decoder and voice, linked into Vox.dll and into the tests,
# which give a voice their own wave output.
add_library(vox_core STATIC vox/vox_decoder.cpp vox/vox_voice.cpp vox/vox_waveout.cpp)
orr_publish(vox_core media)
target_link_libraries(vox_core PUBLIC vorbisfile vorbis ogg winmm)

# Built into the runtime folder, beside the editor.
add_library(Vox SHARED vox/vox_dll.cpp vox/vox.def)
target_link_libraries(Vox PRIVATE vox_core)
set_target_properties(Vox PROPERTIES PREFIX "" OUTPUT_NAME Vox)
# Whatever links the sound layer gets the component built beside it.
add_dependencies(media Vox)
