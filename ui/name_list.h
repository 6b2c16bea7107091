// Row texts of the combo boxes that choose database records by number and
// name: any record list, and the skill lists and skills of the database.
// Window-free, so they also build natively.
#pragma once

#include <string>
#include <type_traits>

#include "model/containers.h"
#include "ui/numtext.h"

class cSkill;
class cSkillList;

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
void MakeRecordNameList(VECTOR_CLASS<std::string>& out, const VECTOR_CLASS<T>& records, const char* noneText,
                        int first, int numbered, int digits, int offset) {
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

// "%s %s-%s": skill `skill` of `list` numbered with three digits, the name of
// its category in that list and its name.
std::string MakeSkillRow(const cSkillList& list, int skill);
// The rows of skills 1 to the last of list `list` of the database (skill 0
// has none: row k stands for skill k + 1).
void MakeSkillRows(VECTOR_CLASS<std::string>& out, int list);
// One row per skill list, numbered from 01.
void MakeSkillListRows(VECTOR_CLASS<std::string>& out);
// "%d" of 0 to (width / 16) x (height / 16) - 1: the symbols of a sheet.
void MakeNumberRows(VECTOR_CLASS<std::string>& out, int width, int height);
