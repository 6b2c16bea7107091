// The names of the common variables, "data\GValInfo.dat". Element i names
// common variable i; variable 0 is no variable.
#pragma once

#include <string>

#include "base/serial.h"

class cGValInfo : public cSerial {
public:
    std::string Name;

    cGValInfo() { Clear(); }
    int Serial(int op, cSerial* other, HANDLE file, int version) override;
};

enum { GVALINFO_COUNT = 1000 };

extern VECTOR_CLASS<cGValInfo> g_GValInfo;

// Reads the names and makes the list exactly GVALINFO_COUNT long (missing
// names empty, surplus dropped). 0, the list untouched, when the file fails.
int LoadGValInfoFile(VECTOR_CLASS<cGValInfo>& list, const std::string& path);
int LoadGValInfoFrom(VECTOR_CLASS<cGValInfo>& list, HANDLE file);  // an opened data file, closed
// The record-list file; 0 when it cannot be written.
int SaveGValInfoFile(VECTOR_CLASS<cGValInfo>& list, const std::string& path);
