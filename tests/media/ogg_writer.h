// Writes small Ogg Vorbis files for the tests with the libvorbis encoder.
#pragma once

#include <string>

// A sine tone of `frames` frames; 1 when the file was written.
int WriteTestOgg(const std::string& path, int channels, long rate, long frames);
