// What the test double of the optional MIDI library records, reached through
// its extra export "Ggs4DoubleRecord".
#pragma once

struct Ggs4DoubleState {
    int openResult;  // what GGS4OpenDevice answers
    int addResult;   // what GGS4AddListFromFileA answers
    int playResult;  // what GGS4Play answers
    int opens, closes, plays, stops, pauses, adds;
    int device;
    int playOption, playMusic;
    int addMusic;
    int volume;
    char file[260];
};

typedef Ggs4DoubleState*(__stdcall* GGS4DOUBLESTATE)(void);
