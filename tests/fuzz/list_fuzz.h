// What the loader fuzzers share: the input and output files of this process,
// the check that stops the fuzzer, and the round trips of a record-list file
// and of a data file holding one record.
#pragma once

#include <unistd.h>

#include <string>

#include "base/serial.h"
#include "tests/support/seams.h"

inline const std::string& FuzzInputPath() {
    static const std::string path = "fuzz_input_" + std::to_string(getpid()) + ".dat";
    return path;
}
inline const std::string& FuzzSavedPath() {
    static const std::string path = "fuzz_input_" + std::to_string(getpid()) + "_saved.dat";
    return path;
}

inline void FuzzCheck(bool condition) {
    if (!condition) __builtin_trap();
}

// The input as a list of T: a failed load leaves the list as it was; a
// successful one saves, loads and saves again to the same bytes.
template <class T>
void FuzzList() {
    VECTOR_CLASS<T> list(1);
    const VECTOR_CLASS<T> fresh(1);
    if (!LoadRecordList(list, FuzzInputPath())) {
        FuzzCheck(list.size() == 1 && list[0].Compare(fresh[0]) == 1);
        return;
    }
    FuzzCheck(SaveRecordList(list, FuzzSavedPath()) == 1);
    const std::string first = ReadFileBytes(FuzzSavedPath().c_str());
    VECTOR_CLASS<T> again;
    FuzzCheck(LoadRecordList(again, FuzzSavedPath()) == 1);
    FuzzCheck(again.size() == list.size());
    FuzzCheck(SaveRecordList(again, FuzzSavedPath()) == 1);
    FuzzCheck(ReadFileBytes(FuzzSavedPath().c_str()) == first);
}

// The input as a data file of one T, read into a copy of `fresh`: true when
// it loaded; a failed load must leave the record as it was.
template <class T>
bool FuzzLoadRecord(T& record, const T& fresh) {
    record.CopyFrom(fresh);
    if (record.LoadFile(FuzzInputPath().c_str())) return true;
    FuzzCheck(record.Compare(fresh) == 1);
    return false;
}

// Saves `record`, loads the file into a fresh one and saves that: both files
// must be the same bytes.
template <class T>
void FuzzRecordStable(T& record) {
    FuzzCheck(record.SaveFile(FuzzSavedPath().c_str()) == 1);
    const std::string first = ReadFileBytes(FuzzSavedPath().c_str());
    T again;
    FuzzCheck(again.LoadFile(FuzzSavedPath().c_str()) == 1);
    FuzzCheck(again.SaveFile(FuzzSavedPath().c_str()) == 1);
    FuzzCheck(ReadFileBytes(FuzzSavedPath().c_str()) == first);
}
