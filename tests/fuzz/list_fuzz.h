// What the loader fuzzers share: the input as a data file in memory (no file
// is written or read per input), the check that stops the fuzzer, and the
// round trips of a record-list file and of a data file holding one record.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "base/serial.h"

// The bytes of the input being run, set once per input by the target.
inline std::string& FuzzInput() {
    static std::string bytes;
    return bytes;
}
inline void SetFuzzInput(const uint8_t* data, size_t size) {
    FuzzInput().assign(reinterpret_cast<const char*>(data), size);
}
// The input opened as a data file (version check included), for one loader.
inline HANDLE FuzzOpenInput() { return OpenDataBytes(FuzzInput()); }

inline void FuzzCheck(bool condition) {
    if (!condition) __builtin_trap();
}

// The file that `write` stores, as a save writes it, kept in memory.
template <class Write>
std::string FuzzSaved(Write write) {
    HANDLE file = FileCreateMemory();
    FileWrite(file, &g_nDataVersion, 4);
    write(file);
    std::string bytes = FileMemoryBytes(file);
    FileClose(&file);
    return bytes;
}

// The input as a list of T: a failed load leaves the list as it was (empty);
// a successful one saves, loads and saves again to the same bytes.
template <class T>
void FuzzList() {
    VECTOR_CLASS<T> list;
    if (!LoadRecordListFrom(list, FuzzOpenInput())) {
        FuzzCheck(list.empty());
        return;
    }
    const std::string first = FuzzSaved([&](HANDLE file) { WriteRecordVector(list, file); });
    VECTOR_CLASS<T> again;
    FuzzCheck(LoadRecordListFrom(again, OpenDataBytes(first)) == 1);
    FuzzCheck(again.size() == list.size());
    FuzzCheck(FuzzSaved([&](HANDLE file) { WriteRecordVector(again, file); }) == first);
}

// The input as a data file of one T, read into a copy of `fresh`: true when
// it loaded; a failed load must leave the record as it was.
template <class T>
bool FuzzLoadRecord(T& record, const T& fresh) {
    record.CopyFrom(fresh);
    if (record.LoadFrom(FuzzOpenInput())) return true;
    FuzzCheck(record.Compare(fresh) == 1);
    return false;
}

// Saves `record`, loads the bytes into a fresh one and saves that: both must
// be the same bytes.
template <class T>
void FuzzRecordStable(T& record) {
    const std::string first = FuzzSaved([&](HANDLE file) { record.Save(file); });
    T again;
    FuzzCheck(again.LoadFrom(OpenDataBytes(first)) == 1);
    FuzzCheck(FuzzSaved([&](HANDLE file) { again.Save(file); }) == first);
}
