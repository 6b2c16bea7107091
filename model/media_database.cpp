// The media database. Its nine files are rows of the project's file table,
// which reads and writes them (model/project_files.cpp).
#include "model/media_database.h"

cDatabase::cDatabase() { SetDefault(); }

int cDatabase::Serial(int op, cSerial* other, HANDLE file, int version) {
    SERIAL_BEGIN(cDatabase);
    if (version >= 99) SERIAL(CompatiTypes);
    SERIAL(PtVals);
    SERIAL(CharaAnims);
    SERIAL(EffectAnims);
    SERIAL(Pictures);
    if (version >= 66) SERIAL(Backs);
    SERIAL(Sounds);
    SERIAL(Bgms);
    if (version >= 211) SERIAL(Helps);
    return 1;
}

void cDatabase::SetDefault() {
    Clear();
    CompatiTypes.resize(2);
    PtVals.resize(2);
    CharaAnims.resize(2);
    EffectAnims.resize(2);
    Pictures.resize(2);
    Backs.resize(2);
    Sounds.resize(2);
    Bgms.resize(2);
    Helps.resize(1);
}
