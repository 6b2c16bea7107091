// The media database: the nine lists of the game database that are not
// characters, classes, skills or lands, each kept in a file of its own under
// "data\database\".
#pragma once

#include <string>

#include "model/media_records.h"

class cDatabase : public cSerial {
public:
    VECTOR_CLASS<cCompatiType> CompatiTypes;   // "CompatiType.dat"
    VECTOR_CLASS<cPtVal> PtVals;               // "PartyVal.dat"
    VECTOR_CLASS<cCharaAnimPat> CharaAnims;    // "CharaAnim.dat"
    VECTOR_CLASS<cEffectAnimPat> EffectAnims;  // "EffectAnim.dat"
    VECTOR_CLASS<cEdPicture> Pictures;         // "Picture.dat"
    VECTOR_CLASS<cEdBack> Backs;               // "Back.dat"
    VECTOR_CLASS<cEdSound> Sounds;             // "Sound.dat"
    VECTOR_CLASS<cEdBgm> Bgms;                 // "Bgm.dat"
    VECTOR_CLASS<cEdHelp> Helps;               // "Help.dat"

    cDatabase();
    // Serves clear, copy and compare; the lists are never stored together.
    int Serial(int op, cSerial* other, HANDLE file, int version) override;
    // Two default records in each list, one help page.
    void SetDefault();
};

extern cDatabase g_Database;

// The nine files, in the orders the project's file table gives them
// (model/project_files.h). Reading stops at the first failure, shows the
// load-failure message naming that file and returns 0 (the lists read before
// keep what they read); Help.dat is read only when Bgm.dat is of version 212
// or later. Ends with every skill's class fix-up.
int LoadMediaDatabase(cDatabase& db);
// Writes the nine files after the skills' class fix-up. Every file is tried;
// 0 when any could not be written, each such file named in the report log
// and the first one in `failedPath`.
int SaveMediaDatabase(cDatabase& db, std::string* failedPath = nullptr);
