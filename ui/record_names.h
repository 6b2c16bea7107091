// Row texts of the combo boxes that choose records by number and name, for
// any record list. Window-free, so they also build natively.
#pragma once

#include <string>
#include <type_traits>

#include "base/containers.h"
#include "ui/numtext.h"

// The name a record shows in name lists: its strName, or its Name.
template <class T>
auto RecordName(const T& record, int) -> decltype(record.strName, std::string()) {
    return record.strName;
}
template <class T>
auto RecordName(const T& record, long) -> decltype(record.Name, std::string()) {
    return record.Name;
}
template <class T>
std::string RecordName(const T& record) {
    return RecordName(record, 0);
}

// One row per record from `first` on: "%s %s" of the index plus `offset`
// with at least `digits` digits and the name, or the name alone when not
// numbered; the row of `first` is `noneText` when one is given.
template <class T>
void MakeRecordNameList(VECTOR_CLASS<std::string>& out, const VECTOR_CLASS<T>& records, const char* noneText, int first,
                        int numbered, int digits, int offset) {
    out.clear();
    for (int i = first; i < static_cast<int>(records.size()); ++i) {
        if (i == first && noneText) {
            out.push_back(noneText);
            continue;
        }
        if (!numbered) {
            out.push_back(RecordName(records[i]));
            continue;
        }
        std::string number;
        FormatNumber(number, i + offset, digits);
        out.push_back(number + " " + RecordName(records[i]));
    }
}

// "%d" of 0 to (width / 16) x (height / 16) - 1: the symbols of a sheet.
void MakeNumberRows(VECTOR_CLASS<std::string>& out, int width, int height);
