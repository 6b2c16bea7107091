// A record with one field of every kind, a record vector, an embedded record
// and version gates, as the record classes of the program are built. Tests,
// the fuzzers and the benchmark share it.
#pragma once

#include <string>

#include "base/serial.h"

class cSampleItem : public cSerial {
public:
    int nId = 7;
    std::string strName = "item";
    int nLate = 0;  // stored from version 100

    int Serial(int op, cSerial* other, HANDLE file, int version) override {
        SERIAL_BEGIN(cSampleItem);
        SERIAL(nId);
        SERIAL(strName);
        if (version >= 100) SERIAL(nLate);
        return 1;
    }
    // Files older than 100 derive nLate from the id.
    int Load(HANDLE file) override {
        cSerial::Load(file);
        if (g_nFileVersion < 100) nLate = static_cast<int>(static_cast<unsigned>(nId) * 2u);
        return 1;
    }
    // A negative id is repaired before every save.
    int Save(HANDLE file) override {
        if (nId < 0) nId = 0;
        return cSerial::Save(file);
    }
};

class cSampleRecord : public cSerial {
public:
    int nInt = 0;
    short sShort = 0;
    unsigned char byByte = 0;
    double dDouble = 0.0;
    int nArray[3] = {};
    double dArray[2] = {};
    std::string strText;
    VECTOR_CLASS<int> vInt;
    VECTOR_CLASS<unsigned char> vByte;
    VECTOR_CLASS<std::string> vText;
    VECTOR_CLASS<cSampleItem> vItems;
    cSampleItem Embedded;
    int nGated = 42;  // stored from version 200; 42 for a new record

    int Serial(int op, cSerial* other, HANDLE file, int version) override {
        SERIAL_BEGIN(cSampleRecord);
        SERIAL(nInt);
        SERIAL(sShort);
        SERIAL(byByte);
        SERIAL(dDouble);
        SERIAL(nArray);
        SERIAL(dArray);
        SERIAL(strText);
        SERIAL(vInt);
        SERIAL(vByte);
        SERIAL(vText);
        SERIAL(vItems);
        SERIAL(Embedded);
        if (version >= 200) SERIAL(nGated);
        return 1;
    }

    // A record with something in every field.
    static cSampleRecord Filled(int seed) {
        cSampleRecord r;
        r.nInt = seed;
        r.sShort = static_cast<short>(-seed);
        r.byByte = static_cast<unsigned char>(seed * 3);
        r.dDouble = seed + 0.25;
        r.nArray[0] = seed;
        r.nArray[2] = -1;
        r.dArray[1] = -2.5;
        r.strText = "テキスト" + std::to_string(seed);
        r.vInt = {1, 2, seed};
        r.vByte = {9, 8};
        r.vText = {"", "a\r\nb", "表示"};
        r.vItems.resize(2);
        r.vItems[1].nId = seed + 1;
        r.vItems[1].strName = "二番";
        r.Embedded.nId = 99;
        r.nGated = seed * 10;
        return r;
    }
};
