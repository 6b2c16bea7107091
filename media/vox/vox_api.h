// The Ogg Vorbis voice component "Vox.dll" as the editor calls it. The
// operations are reached by their slot in the table, each taking the object
// first; both sides compile this header, so the calling convention and the
// slot order are fixed in one place.
#pragma once

#ifdef __cplusplus
extern "C" {
#endif

#define VOX_CALL __stdcall
#define VOX_LOOP_FOREVER 0x7FFFFFFF

typedef struct VOX VOX;

typedef struct VOX_VTBL {
    unsigned char(VOX_CALL* Open)(VOX* self, const char* file);  // 0: non-zero when the file decodes
    unsigned char(VOX_CALL* Play)(VOX* self);                    // 1: non-zero when output started
    void(VOX_CALL* Stop)(VOX* self);                             // 2: stops and rewinds
    void(VOX_CALL* Close)(VOX* self);                            // 3: stops and forgets the file
    void(VOX_CALL* SetLoop)(VOX* self, int count);               // 4: repeats after the first pass
    int(VOX_CALL* GetLoop)(VOX* self);                           // 5
    void(VOX_CALL* SetVolume)(VOX* self, float volume);          // 6: 0.0 to 1.0
    float(VOX_CALL* GetVolume)(VOX* self);                       // 7
    unsigned char(VOX_CALL* IsPlaying)(VOX* self);               // 8
    void(VOX_CALL* Release)(VOX* self);                          // 9: stops, closes and frees
} VOX_VTBL;

struct VOX {
    const VOX_VTBL* lpVtbl;
};

// The library's one export, "CreateVox": a new voice, or null.
typedef VOX*(VOX_CALL* CREATEVOX_PROC)(void);

#ifdef __cplusplus
}
#endif
