#include "model/gvalinfo.h"

int cGValInfo::Serial(int op, cSerial* other, HANDLE file, int version) {
    SERIAL_BEGIN(cGValInfo);
    SERIAL(Name);
    return 1;
}

int LoadGValInfoFile(VECTOR_CLASS<cGValInfo>& list, const std::string& path) {
    return LoadGValInfoFrom(list, OpenDataFile(path.c_str()));
}

int LoadGValInfoFrom(VECTOR_CLASS<cGValInfo>& list, HANDLE file) {
    if (!LoadRecordListFrom(list, file)) return 0;
    list.resize(GVALINFO_COUNT);
    return 1;
}

int SaveGValInfoFile(VECTOR_CLASS<cGValInfo>& list, const std::string& path) { return SaveRecordList(list, path); }
