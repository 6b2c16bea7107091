// "Vox.dll": Ogg Vorbis voices for the editor's BGM.
#include "media/vox/vox_voice.h"

extern "C" VOX* VOX_CALL CreateVox(void) { return VoxCreate(NewWinmmWaveOut()); }
